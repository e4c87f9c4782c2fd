#pragma once

#include <QByteArray>
#include <QString>

// The target of a Windows shortcut (.lnk) file, read from its bytes without the shell:
// the local base path and common suffix, else the network share, else the
// environment-variable block, else the relative path against the shortcut's folder.
// A malformed, truncated or foreign file gives the empty text.
QString shellLinkTarget(const QByteArray& data, const QString& shortcutFolder);

// The target of the shortcut file at path, or the empty text.
QString DestinoAcceso(const QString& path);

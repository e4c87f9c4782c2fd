#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The target of a Windows shortcut (.lnk) file, read from its bytes without the shell:
// the local base path and common suffix (spelt as the item-ID list spells it where the
// file holds the path only in the ANSI code page), else the network share, else the
// environment-variable block, else the path the item-ID list spells, else the relative
// path against the shortcut's folder.
// A malformed, truncated or foreign file gives the empty text.
QString shellLinkTarget(const QByteArray& data, const QString& shortcutFolder);

// The target of the shortcut file at path, or the empty text.
QString DestinoAcceso(const QString& path);

// The target of the shortcut file an address names, for a link made from it: nothing when
// the address names no readable shortcut file (a web address whose host holds ".lnk"). A
// missing target under "Program Files (x86)" is tried without " (x86)".
std::optional<QString> shortcutTarget(const QString& address);

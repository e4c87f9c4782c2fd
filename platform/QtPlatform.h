#pragma once

#include "platform/Platform.h"

class QWidget;

// The platform services on Qt: the desktop's handlers, the freedesktop trash, pkexec and
// Qt's standard dialogs.
class QtPlatform : public Platform
{
public:
    void shellOpen(const ShellRequest& request) override;
    void runAsAdmin(const QString& program, const QString& parameters) override;
    bool moveFolderToTrash(const QString& path) override;
    QImage associatedIcon(const QString& path) override;

    void clearClipboard() override;
    int clipboardFormatCount() override;
    QStringList clipboardFiles() override;
    QString clipboardText() override;
    void setClipboardText(const QString& text) override;

    void showInformation(const QString& text) override;
    void showError(const QString& text) override;
    bool confirm(const QString& text) override;
    std::optional<QString> inputBox(
        const QString& caption, const QString& prompt, const QString& initial) override;
    QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
    QString openPictureName(const QString& folder) override;
    std::optional<QColor> pickColour(const QColor& initial) override;
    int runModal(QDialog& dialog) override;

    std::optional<QString> environmentVariable(const QString& name) override;
    QDateTime now() override;
    QString cacheFolder() override;
    void terminate() override;
};

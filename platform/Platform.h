#pragma once

#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

class QDialog;

// What the shell is asked to open: a document, folder or address, or a program
// with its parameters and working folder.
struct ShellRequest
{
    QString file;
    QString parameters;
    QString workingFolder;

    bool operator==(const ShellRequest&) const = default;
};

// Everything the program asks of the operating system. Windows reach the system only
// through this interface; the application picks the real one, tests a recording fake.
class Platform
{
public:
    virtual ~Platform() = default;

    // Shell
    virtual void shellOpen(const ShellRequest& request) = 0;
    // Throws AppError "Error de Sistema.  Código: N.\n<reason>" when the system refuses.
    virtual void runAsAdmin(const QString& program, const QString& parameters) = 0;
    virtual bool moveFolderToTrash(const QString& path) = 0;
    virtual QImage associatedIcon(const QString& path) = 0;

    // Clipboard
    virtual void clearClipboard() = 0;
    virtual int clipboardFormatCount() = 0;
    virtual QStringList clipboardFiles() = 0;
    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;

    // Boxes and dialogs
    virtual void showInformation(const QString& text) = 0;
    virtual void showError(const QString& text) = 0;
    virtual bool confirm(const QString& text) = 0;
    virtual std::optional<QString> inputBox(
        const QString& caption, const QString& prompt, const QString& initial)
        = 0;
    virtual QString openFileName(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual QString openPictureName(const QString& folder) = 0;
    virtual std::optional<QColor> pickColour(const QColor& initial) = 0;
    virtual int runModal(QDialog& dialog) = 0;

    // Environment and clock
    virtual std::optional<QString> environmentVariable(const QString& name) = 0;
    virtual QDateTime now() = 0;
    // A writable folder for files the program fetches and may lose (the user's cache).
    virtual QString cacheFolder() = 0;

    // Ends the program as soon as control returns to the event loop, without the main
    // window's closing steps.
    virtual void terminate() = 0;
};

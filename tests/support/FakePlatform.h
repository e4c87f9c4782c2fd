#pragma once

#include "platform/Platform.h"

#include <QHash>

#include <deque>
#include <functional>

// A platform that records what the program asks of the system and answers boxes and
// dialogs from queues. A box or dialog the test did not queue an answer for fails it.
class FakePlatform : public Platform
{
public:
    enum class Box { Information, Error, Confirmation, Input };
    struct Message
    {
        Box kind;
        QString text;
    };

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

    // The texts of the boxes shown so far, of one kind.
    QStringList shown(Box kind) const;

    QList<Message> messages;
    QList<ShellRequest> opened;
    QStringList elevated;
    QStringList trashed;
    std::deque<bool> confirmations;
    std::deque<std::optional<QString>> inputs;
    std::deque<QString> fileNames;
    std::deque<std::optional<QColor>> colours;
    // The colour each colour dialog opened with.
    QList<QColor> colourDialogStarts;
    std::function<int(QDialog&)> modal;

    QHash<QString, QString> environment;
    QDateTime clock {QDate(2026, 3, 14), QTime(9, 26, 53)};
    QString adminRefusal;
    QString cache;
    bool terminated = false;
    // When set, opening anything fails with this message.
    QString shellFailure;
    bool trashWorks = true;
    QImage fileIcon;

    QStringList clipboardFileList;
    QString clipboardString;
    bool clipboardCleared = false;
};

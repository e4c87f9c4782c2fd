#include "FakePlatform.h"

#include "platform/AppError.h"

#include <gtest/gtest.h>

namespace {

template<typename T> T nextAnswer(std::deque<T>& answers, const char* what, const QString& text, T otherwise)
{
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected " << what << ": " << text.toStdString();
        return otherwise;
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

void FakePlatform::shellOpen(const ShellRequest& request)
{
    if (!shellFailure.isEmpty())
        throw AppError(shellFailure);
    opened.append(request);
}

void FakePlatform::runAsAdmin(const QString& program, const QString& parameters)
{
    if (!adminRefusal.isEmpty())
        throw AppError(adminRefusal);
    elevated.append(parameters.isEmpty() ? program : program + u' ' + parameters);
}

bool FakePlatform::moveFolderToTrash(const QString& path)
{
    if (trashWorks)
        trashed.append(path);
    return trashWorks;
}

QImage FakePlatform::associatedIcon(const QString&)
{
    return fileIcon;
}

void FakePlatform::clearClipboard()
{
    clipboardCleared = true;
    clipboardFileList.clear();
    clipboardString.clear();
}

int FakePlatform::clipboardFormatCount()
{
    return (clipboardFileList.isEmpty() ? 0 : 1) + (clipboardString.isEmpty() ? 0 : 1);
}

QStringList FakePlatform::clipboardFiles()
{
    return clipboardFileList;
}

QString FakePlatform::clipboardText()
{
    return clipboardString;
}

void FakePlatform::setClipboardText(const QString& text)
{
    clipboardString = text;
    clipboardFileList.clear();
}

void FakePlatform::showInformation(const QString& text)
{
    messages.append({Box::Information, text});
}

void FakePlatform::showError(const QString& text)
{
    messages.append({Box::Error, text});
}

bool FakePlatform::confirm(const QString& text)
{
    messages.append({Box::Confirmation, text});
    return nextAnswer(confirmations, "confirmation", text, false);
}

std::optional<QString> FakePlatform::inputBox(const QString& caption, const QString& prompt, const QString&)
{
    messages.append({Box::Input, caption + QStringLiteral(": ") + prompt});
    return nextAnswer(inputs, "input box", caption + QStringLiteral(": ") + prompt, std::optional<QString>());
}

QString FakePlatform::openFileName(const QString& caption, const QString&, const QString&)
{
    return nextAnswer(fileNames, "file dialog", caption, QString());
}

QString FakePlatform::openPictureName(const QString&)
{
    return nextAnswer(fileNames, "picture dialog", QString(), QString());
}

std::optional<QColor> FakePlatform::pickColour(const QColor& initial)
{
    colourDialogStarts.append(initial);
    return nextAnswer(colours, "colour dialog", QString(), std::optional<QColor>());
}

int FakePlatform::runModal(QDialog& dialog)
{
    if (!modal) {
        ADD_FAILURE() << "unexpected modal window";
        return 0;
    }
    return modal(dialog);
}

std::optional<QString> FakePlatform::environmentVariable(const QString& name)
{
    const auto found = environment.constFind(name);
    if (found == environment.cend())
        return std::nullopt;
    return *found;
}

QDateTime FakePlatform::now()
{
    return clock;
}

QStringList FakePlatform::shown(Box kind) const
{
    QStringList texts;
    for (const Message& message : messages) {
        if (message.kind == kind)
            texts << message.text;
    }
    return texts;
}

QString FakePlatform::cacheFolder()
{
    return cache;
}

void FakePlatform::terminate()
{
    terminated = true;
}

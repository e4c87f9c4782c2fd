#include "platform/QtPlatform.h"

#include "platform/AppError.h"
#include "platform/Paths.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <optional>

namespace {

QWidget* activeWindow()
{
    return QApplication::activeWindow();
}

QString applicationTitle()
{
    return QApplication::applicationName();
}

QUrl urlOf(const QString& address)
{
    if (QFileInfo::exists(address) || QDir::isAbsolutePath(address))
        return QUrl::fromLocalFile(address);
    return QUrl::fromUserInput(address);
}

// How long pkexec may take to say no before the program counts as started.
constexpr int RefusalWaitMs = 3000;

QString systemErrorText(int code, const QString& reason)
{
    return QStringLiteral("Error de Sistema.  Código: %1.\n%2").arg(code).arg(reason);
}

} // namespace

void QtPlatform::shellOpen(const ShellRequest& request)
{
    if (!request.parameters.isEmpty() || !request.workingFolder.isEmpty() || Paths::isProgram(request.file)) {
        const QStringList arguments
            = request.parameters.isEmpty() ? QStringList() : QStringList {request.parameters};
        if (!QProcess::startDetached(request.file, arguments, request.workingFolder))
            throw AppError(systemErrorText(2, QStringLiteral("No se puede iniciar %1.").arg(request.file)));
        return;
    }
    if (!QDesktopServices::openUrl(urlOf(request.file)))
        throw AppError(QStringLiteral("El sistema no sabe abrir %1.").arg(request.file));
}

void QtPlatform::runAsAdmin(const QString& program, const QString& parameters)
{
    const QString pkexec = QStandardPaths::findExecutable(QStringLiteral("pkexec"));
    if (pkexec.isEmpty())
        throw AppError(systemErrorText(2, QStringLiteral("No se encuentra pkexec.")));
    QStringList arguments {program};
    if (!parameters.isEmpty())
        arguments << parameters;

    // pkexec answers at once when the user refuses; once allowed it becomes the program,
    // which runs on by itself while the window stays responsive.
    auto* process = new QProcess(QCoreApplication::instance());
    QEventLoop loop;
    std::optional<int> exitCode;
    QObject::connect(process, &QProcess::finished, &loop, [&exitCode, &loop](int code) {
        exitCode = code;
        loop.quit();
    });
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start(pkexec, arguments);
    if (!process->waitForStarted()) {
        const QString reason = process->errorString();
        delete process;
        throw AppError(systemErrorText(2, reason));
    }
    QTimer::singleShot(RefusalWaitMs, &loop, &QEventLoop::quit);
    loop.exec();
    if (exitCode == 126)
        throw AppError(
            systemErrorText(126, QStringLiteral("La operación ha sido cancelada por el usuario.")));
    // pkexec also answers 127 when the file cannot be run at all.
    if (exitCode == 127 && !Paths::isProgram(program))
        throw AppError(systemErrorText(127, QStringLiteral("%1 no es un programa.").arg(program)));
    if (exitCode == 127)
        throw AppError(systemErrorText(127, QStringLiteral("No se ha concedido la autorización.")));
}

bool QtPlatform::moveFolderToTrash(const QString& path)
{
    // Qt 6.4 silently "trashes" into ./files/ when the user's data folder is missing.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString trashedPath;
    if (!QFile::moveToTrash(path, &trashedPath))
        return false;
    return !trashedPath.isEmpty() && !QFileInfo::exists(path)
        && trashedPath.contains(QStringLiteral("Trash"));
}

QImage QtPlatform::associatedIcon(const QString& path)
{
    const QFileIconProvider provider;
    return provider.icon(QFileInfo(path)).pixmap(32, 32).toImage();
}

void QtPlatform::clearClipboard()
{
    QApplication::clipboard()->clear();
}

int QtPlatform::clipboardFormatCount()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data ? int(data->formats().size()) : 0;
}

QStringList QtPlatform::clipboardFiles()
{
    QStringList files;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data)
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            files << QDir::toNativeSeparators(url.toLocalFile());
    }
    return files;
}

QString QtPlatform::clipboardText()
{
    return QApplication::clipboard()->text();
}

void QtPlatform::setClipboardText(const QString& text)
{
    QApplication::clipboard()->setText(text);
}

void QtPlatform::showInformation(const QString& text)
{
    QMessageBox::information(activeWindow(), applicationTitle(), text);
}

void QtPlatform::showError(const QString& text)
{
    QMessageBox::critical(activeWindow(), applicationTitle(), text);
}

bool QtPlatform::confirm(const QString& text)
{
    QMessageBox box(
        QMessageBox::Question, applicationTitle(), text, QMessageBox::Yes | QMessageBox::No, activeWindow());
    // The buttons speak the program's language, whatever translations Qt has installed.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sí"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtPlatform::inputBox(
    const QString& caption, const QString& prompt, const QString& initial)
{
    bool accepted = false;
    const QString text
        = QInputDialog::getText(activeWindow(), caption, prompt, QLineEdit::Normal, initial, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}

QString QtPlatform::openFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return QDir::toNativeSeparators(QFileDialog::getOpenFileName(activeWindow(), caption, folder, filter));
}

QString QtPlatform::openPictureName(const QString& folder)
{
    return openFileName(QStringLiteral("Abrir imagen"), folder, QStringLiteral("Bitmaps (*.bmp)"));
}

std::optional<QColor> QtPlatform::pickColour(const QColor& initial)
{
    const QColor colour = QColorDialog::getColor(initial, activeWindow());
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

int QtPlatform::runModal(QDialog& dialog)
{
    return dialog.exec();
}

std::optional<QString> QtPlatform::environmentVariable(const QString& name)
{
    if (name.isEmpty() || !qEnvironmentVariableIsSet(name.toLocal8Bit().constData()))
        return std::nullopt;
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

QDateTime QtPlatform::now()
{
    return QDateTime::currentDateTime();
}

QString QtPlatform::cacheFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(folder);
    return folder;
}

void QtPlatform::terminate()
{
    QCoreApplication::exit(0);
}

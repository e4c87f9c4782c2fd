#include "app/SingleInstance.h"
#include "app/StartOptions.h"
#include "main/Countdown.h"
#include "main/Principal.h"
#include "platform/Paths.h"
#include "platform/QtPlatform.h"
#include "store/MDatos.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

#include <cstdio>

int main(int argc, char* argv[])
{
    // The terminal is answered before any window system is needed.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const StartOptions options = readStartOptions(arguments);
    if (options.answer) {
        std::fputs(qUtf8Printable(*options.answer), options.exitCode == 0 ? stdout : stderr);
        return options.exitCode;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevalia"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/trevalia-128.png")));
    QApplication::setDesktopFileName(QStringLiteral("trevalia"));
    // Qt's own dialogs (colours, files) speak the program's language too.
    QTranslator qtSpanish;
    if (qtSpanish.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtSpanish);

    const QString databaseFile = databaseLocation(options.databaseFile, Paths::programFolder(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    SingleInstance instance(databaseFile);
    if (!options.newInstance && instance.handOver())
        return 0;

    QtPlatform platform;
    TMD md(platform, Paths::programFolder(), databaseFile);
    TFormPrincipal window(md);
    // Inactivity ends the program at once, without the steps of closing the window.
    QObject::connect(
        &window.countdown(), &Countdown::expired, &application, [] { QCoreApplication::exit(0); });
    if (!options.newInstance) {
        instance.listen();
        QObject::connect(&instance, &SingleInstance::activated, &window, [&window] {
            window.showNormal();
            window.raise();
            window.activateWindow();
        });
    }
    window.show();
    return QApplication::exec();
}

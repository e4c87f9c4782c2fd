#include "main/Countdown.h"
#include "main/Principal.h"
#include "platform/Paths.h"
#include "platform/QtPlatform.h"
#include "store/MDatos.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevalia"));

    QtPlatform platform;
    TMD md(platform, Paths::programFolder());
    TFormPrincipal window(md);
    // Inactivity ends the program at once, without the steps of closing the window.
    QObject::connect(
        &window.countdown(), &Countdown::expired, &application, [] { QCoreApplication::exit(0); });
    window.show();
    return QApplication::exec();
}

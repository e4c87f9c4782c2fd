#include "components/SiguienteControl.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

void SiguienteControl(QWidget* control)
{
    if (control)
        QCoreApplication::postEvent(control, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
}

#include "components/EnterMovesFocus.h"

#include "components/SiguienteControl.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

class EnterFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                SiguienteControl(static_cast<QWidget*>(watched));
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void enterMovesFocus(std::initializer_list<QWidget*> boxes)
{
    for (QWidget* box : boxes)
        box->installEventFilter(new EnterFilter(box));
}

#pragma once

#include "formats/DropData.h"

#include <QObject>

#include <functional>

class QWidget;

// Makes a widget, and every control inside it, a target for dropped links. Drops are taken
// as links (as copies under Wayland, which has no link action); errors inside the handler
// end the drop quietly.
class TLinkDropTarget : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(const DroppedLinks&)>;

    TLinkDropTarget(QWidget* target, DropFormats formats, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool takes(const QMimeData& data) const;

    DropFormats m_formats;
    bool m_dragTaken = false;
    Handler m_handler;
};

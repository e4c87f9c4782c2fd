#pragma once

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

// A drag that enters a widget and drops there, as the window system delivers it. Returns
// the action the drop was accepted with, or IgnoreAction when it was refused.
inline Qt::DropAction simulateDrop(QWidget* widget, const QMimeData& data, Qt::DropActions allowed)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), allowed, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &enter);
    if (!enter.isAccepted())
        return Qt::IgnoreAction;
    QDropEvent drop(at, allowed, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

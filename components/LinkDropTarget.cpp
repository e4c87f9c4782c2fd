#include "components/LinkDropTarget.h"

#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QWidget>

namespace {

bool waylandSession()
{
    return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

} // namespace

TLinkDropTarget::TLinkDropTarget(QWidget* target, DropFormats formats, Handler handler)
    : QObject(target)
    , m_formats(formats)
    , m_handler(std::move(handler))
{
    // Every control inside the target hands its drops up to the target.
    for (QWidget* child : target->findChildren<QWidget*>())
        child->setAcceptDrops(false);
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

bool TLinkDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const Qt::DropAction action = waylandSession() ? Qt::CopyAction : Qt::LinkAction;
    // A drag is taken on entering exactly when its drop would be: the data is read once
    // when it enters and again when it is dropped.
    if (type == QEvent::DragEnter)
        m_dragTaken = drop->mimeData() && takes(*drop->mimeData());
    if (!(drop->possibleActions() & action) || !m_dragTaken) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(action);
    if (type != QEvent::Drop) {
        drop->accept();
        return true;
    }
    try {
        const std::optional<DroppedLinks> links = readDrop(*drop->mimeData(), m_formats);
        if (!links) {
            drop->ignore();
            return true;
        }
        drop->accept();
        m_handler(*links);
    } catch (...) {
        // A failed drop ends quietly, leaving done what the handler had done.
        drop->setDropAction(Qt::IgnoreAction);
    }
    return true;
}

bool TLinkDropTarget::takes(const QMimeData& data) const
{
    try {
        return readDrop(data, m_formats).has_value();
    } catch (...) {
        return false;
    }
}

#include "components/PriorityKeys.h"

#include <QKeyEvent>

PriorityKey priorityKey(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.text() == u'.')
        return PriorityKey::Enter;
    if (key.key() == Qt::Key_Backspace)
        return PriorityKey::Take;
    const QString text = key.text();
    const bool digit = text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9';
    // Keys that type nothing (arrows, Tab, Esc) keep their usual meaning: Esc cancels.
    return digit || text.isEmpty() || !text.at(0).isPrint() ? PriorityKey::Take : PriorityKey::Swallow;
}

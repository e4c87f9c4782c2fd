#include "components/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent)
    , m_buttons(new QButtonGroup(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        m_buttons->addButton(button, i);
        layout->addWidget(button);
    }
    connect(m_buttons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            Q_EMIT itemChanged(id);
    });
}

int RadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* button = m_buttons->button(index))
        button->setChecked(true);
}

#pragma once

#include <QGroupBox>

class QButtonGroup;

// A captioned group of radio buttons with one selected item, by position.
class RadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const;
    // Selects the item at index; emits itemChanged when the selection changes.
    void setItemIndex(int index);

Q_SIGNALS:
    void itemChanged(int index);

private:
    QButtonGroup* m_buttons;
};

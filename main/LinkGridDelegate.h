#pragma once

#include <QFont>
#include <QStyledItemDelegate>

// Paints the cells of the main list: the link's picture, and the texts of the other
// columns in their own fonts at fixed offsets.
class LinkGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit LinkGridDelegate(const QString& fontFamily, QObject* parent = nullptr);

    void paint(
        QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The grid's own font, which sets the row height.
    const QFont& gridFont() const { return m_gridFont; }

private:
    void paintPicture(QPainter* painter, const QRect& cell, const QModelIndex& index) const;
    QFont fontOf(int column) const;

    QFont m_gridFont;
    QFont m_titleFont;
    QFont m_groupFont;
    QFont m_priorityFont;
};

#include "main/LinkGridDelegate.h"

#include "main/LinkListModel.h"

#include <QPainter>

namespace {

QFont pixelFont(const QString& family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

} // namespace

LinkGridDelegate::LinkGridDelegate(const QString& fontFamily, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_gridFont(pixelFont(fontFamily, 27))
    , m_titleFont(pixelFont(fontFamily, 15))
    , m_groupFont(pixelFont(fontFamily, 13))
    , m_priorityFont(pixelFont(fontFamily, 11))
{ }

void LinkGridDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    painter->save();
    painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
    if (index.column() == LinkListModel::Icono) {
        paintPicture(painter, option.rect, index);
    } else {
        const int top
            = index.column() == LinkListModel::Prioridad || index.column() == LinkListModel::NomGrupo ? 9 : 8;
        painter->setFont(fontOf(index.column()));
        painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
        painter->setClipRect(option.rect);
        painter->drawText(option.rect.adjusted(10, top, 0, 0),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, index.data().toString());
    }
    painter->restore();
}

void LinkGridDelegate::paintPicture(QPainter* painter, const QRect& cell, const QModelIndex& index) const
{
    const QImage picture = index.data(LinkListModel::PictureRole).value<QImage>();
    if (picture.isNull())
        return;
    painter->setClipRect(cell);
    painter->drawImage(cell, picture);
    const int left = (cell.width() - picture.width()) / 2;
    const int top = (cell.height() - picture.height()) / 2;
    painter->drawImage(cell.left() + left, cell.top() + top, picture);
}

QFont LinkGridDelegate::fontOf(int column) const
{
    switch (column) {
    case LinkListModel::Titulo:
        return m_titleFont;
    case LinkListModel::NomGrupo:
        return m_groupFont;
    case LinkListModel::Prioridad:
        return m_priorityFont;
    default:
        return m_gridFont;
    }
}

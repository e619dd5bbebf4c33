#pragma once

#include <QStyledItemDelegate>

// Draws a thin horizontal grid line under every row of a word list.
class GridLineDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};

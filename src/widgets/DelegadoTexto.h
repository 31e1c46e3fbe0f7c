#pragma once

// The editor of a grid cell takes a text of any length. Qt's own stops at 32,767 characters
// and would cut a longer text read from a plan file as soon as its cell is edited.

#include <QStyledItemDelegate>

class DelegadoTexto : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *pai, const QStyleOptionViewItem &opcao,
                          const QModelIndex &indice) const override;
};

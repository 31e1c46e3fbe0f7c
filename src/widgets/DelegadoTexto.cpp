#include "widgets/DelegadoTexto.h"

#include <QLineEdit>
#include <limits>

QWidget *DelegadoTexto::createEditor(QWidget *pai, const QStyleOptionViewItem &opcao,
                                     const QModelIndex &indice) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(pai, opcao, indice);
    if (auto *linha = qobject_cast<QLineEdit *>(editor))
        linha->setMaxLength(std::numeric_limits<int>::max());
    return editor;
}

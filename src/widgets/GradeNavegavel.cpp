#include "widgets/GradeNavegavel.h"

#include <QKeyEvent>

GradeNavegavel::GradeNavegavel(QWidget *pai) : QTableWidget(pai) {}

QModelIndex GradeNavegavel::celulaVizinha(bool proxima) const
{
    const int colunas = columnCount();
    const int total = rowCount() * colunas;
    const QModelIndex atual = currentIndex();
    int posicao = atual.isValid() ? atual.row() * colunas + atual.column() : (proxima ? -1 : total);
    for (posicao += proxima ? 1 : -1; posicao >= 0 && posicao < total;
         posicao += proxima ? 1 : -1) {
        const int linha = posicao / colunas;
        const int coluna = posicao % colunas;
        if (isRowHidden(linha) || isColumnHidden(coluna))
            continue;
        const QModelIndex celula = model()->index(linha, coluna, rootIndex());
        if (celula.flags() & Qt::ItemIsEditable)
            return celula;
    }
    return {};
}

QModelIndex GradeNavegavel::moveCursor(CursorAction acao, Qt::KeyboardModifiers modificadores)
{
    if (acao != MoveNext && acao != MovePrevious)
        return QTableWidget::moveCursor(acao, modificadores);
    const QModelIndex vizinha = celulaVizinha(acao == MoveNext);
    return vizinha.isValid() ? vizinha : currentIndex();
}

bool GradeNavegavel::sairDaGrade(bool proxima)
{
    // Past the grid's own cell navigation, to the controls around it.
    return QAbstractScrollArea::focusNextPrevChild(proxima);
}

bool GradeNavegavel::focusNextPrevChild(bool proxima)
{
    if (tabKeyNavigation() && state() != EditingState) {
        const QModelIndex vizinha = celulaVizinha(proxima);
        if (vizinha.isValid()) {
            setCurrentIndex(vizinha);
            return true;
        }
    }
    return sairDaGrade(proxima);
}

void GradeNavegavel::keyPressEvent(QKeyEvent *evento)
{
    const bool tab = evento->key() == Qt::Key_Tab || evento->key() == Qt::Key_Backtab;
    if (tab && (evento->modifiers() & Qt::ControlModifier)) {
        const bool proxima =
            evento->key() == Qt::Key_Tab && !(evento->modifiers() & Qt::ShiftModifier);
        sairDaGrade(proxima);
        evento->accept();
        return;
    }
    QTableWidget::keyPressEvent(evento);
}

void GradeNavegavel::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint dica)
{
    const bool adiante = dica == QAbstractItemDelegate::EditNextItem;
    const bool atras = dica == QAbstractItemDelegate::EditPreviousItem;
    if ((adiante || atras) && !celulaVizinha(adiante).isValid()) {
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        sairDaGrade(adiante);
        return;
    }
    QTableWidget::closeEditor(editor, dica);
}

#pragma once

// A string grid that the keyboard goes through and leaves. Tab and Shift+Tab move between the
// cells the user can edit, row by row, skipping the fixed header row and code column; from the
// last such cell Tab goes on to the next control, and from the first Shift+Tab to the one before
// (also while a cell is being edited). Ctrl+Tab and Ctrl+Shift+Tab leave the grid at once. With
// Qt's own grid, Tab went round the cells, headers included, and never left.

#include <QTableWidget>

class GradeNavegavel : public QTableWidget {
    Q_OBJECT
public:
    explicit GradeNavegavel(QWidget *pai = nullptr);

protected:
    QModelIndex moveCursor(CursorAction acao, Qt::KeyboardModifiers modificadores) override;
    bool focusNextPrevChild(bool proxima) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint dica) override;

private:
    // The next (or previous) editable cell after the current one; invalid when there is none.
    QModelIndex celulaVizinha(bool proxima) const;
    bool sairDaGrade(bool proxima);
};

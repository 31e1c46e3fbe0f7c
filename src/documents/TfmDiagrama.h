#pragma once

// The plan's organisation chart for one problem and one cause, paged, printable.

#include <QDialog>

class ListaNos;

class TfmDiagrama : public QDialog {
    Q_OBJECT
public:
    explicit TfmDiagrama(QWidget *pai = nullptr);
    void montarOrganograma(const ListaNos &secoes, const QString &nomePlano);
};

extern TfmDiagrama *fmDiagrama;

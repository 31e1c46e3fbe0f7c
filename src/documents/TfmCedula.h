#pragma once

// The voting ballots: one per voter of every category, listing every problem with grade blanks.

#include <QDialog>

class ListaNos;

class TfmCedula : public QDialog {
    Q_OBJECT
public:
    explicit TfmCedula(QWidget *pai = nullptr);
    void gerarCedula(const ListaNos &secoes);
};

extern TfmCedula *fmCedula;

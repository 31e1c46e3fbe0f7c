#pragma once

// The minutes of the planning meeting, built from the saved plan.

#include <QDialog>

class ListaNos;

class TfmRelatorio : public QDialog {
    Q_OBJECT
public:
    explicit TfmRelatorio(QWidget *pai = nullptr);
    void montarAta(const ListaNos &secoes);
};

extern TfmRelatorio *fmRelatorio;

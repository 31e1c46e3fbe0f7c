#pragma once

// The help window, fed by ajuda.txt.

#include <QDialog>

class TfmAjuda : public QDialog {
    Q_OBJECT
public:
    explicit TfmAjuda(QWidget *pai = nullptr);
};

extern TfmAjuda *fmAjuda;

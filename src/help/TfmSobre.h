#pragma once

// The About window.

#include <QDialog>

class TfmSobre : public QDialog {
    Q_OBJECT
public:
    explicit TfmSobre(QWidget *pai = nullptr);
};

extern TfmSobre *fmSobre;

#pragma once

// The About window: the program's title, its picture and the credits. Fixed size, no close
// box; it closes only through "Ok".

#include <QDialog>

class QLayout;

class TfmSobre : public QDialog {
    Q_OBJECT
public:
    static constexpr int largura = 526;
    static constexpr int altura = 294;

    explicit TfmSobre(QWidget *pai = nullptr);

public Q_SLOTS:
    // Escape and the window manager's close both end as "Ok" does: it is the window's only way
    // out.
    void reject() override;

private:
    void montarPainelCentral(QLayout *layout);
    void montarPainelInferior(QLayout *layout);
};

extern TfmSobre *fmSobre;

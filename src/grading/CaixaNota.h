#pragma once

// A grade box: the eleven grades "0,0" … "10,0", chosen in the list, stepped with the arrow keys
// or typed. A typed grade is exactly the grade typed: "1" gives 1,0, and "1" then "0" within the
// keyboard-search interval give 10,0. The box's own search went instead to the next item that
// starts with what was typed, so "1" on a box showing 2,0 to 9,0 gave 10,0. What follows a decimal
// separator is not part of a whole grade and is passed over ("7,0" gives 7,0).

#include "widgets/CaixaItensFixos.h"

// The grade that `digito` typed after `anterior` (-1: nothing typed just before) stands for:
// both together when they make a grade of 0 to 10, the digit alone otherwise.
int notaDigitada(int anterior, int digito);

class CaixaNota : public CaixaItensFixos {
    Q_OBJECT
public:
    explicit CaixaNota(QWidget *pai = nullptr);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    // The grade the key stands for, or -1 for a key that types no grade.
    int lerTecla(const QKeyEvent &evento);

    int anterior = -1;
    quint64 instante = 0;
    bool decimais = false; // after a separator: the digits typed are decimals
    bool listaVigiada = false;
};

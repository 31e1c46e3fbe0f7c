#pragma once

// The colour chooser of problems and voter categories: a drop-down of swatches with
// Portuguese names. A value that is not in the list (read from a file) is kept as it is and
// shown as a custom entry, so it is written back unchanged.

#include "app/Cores.h"
#include "widgets/CaixaItensFixos.h"

class CaixaCor : public CaixaItensFixos {
    Q_OBJECT
public:
    explicit CaixaCor(QWidget *pai = nullptr);

    ValorCor corSelecionada() const;
    void definirCor(ValorCor valor); // does not emit corAlterada
    void reiniciar();                // the list as made, the first colour chosen; no signal

Q_SIGNALS:
    void corAlterada(ValorCor valor); // the user chose another colour

private:
    void adicionarItem(ValorCor valor, const QString &nome);
    int posicaoPersonalizada = -1;
};

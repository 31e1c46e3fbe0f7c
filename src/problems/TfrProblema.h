#pragma once

// One row of the problem list: position number, name and colour. The name is never copied:
// it is always the current text of edProblema.

#include "app/Cores.h"
#include "widgets/EditLimitado.h"

#include <QFrame>

class CaixaCor;
class QLabel;

class TfrProblema : public QFrame {
    Q_OBJECT
public:
    static constexpr int altura = 42;
    static constexpr int limiteNome = 128;

    explicit TfrProblema(QWidget *pai = nullptr);

    QString nome() const;
    void definirNome(const QString &texto);
    ValorCor corProblema() const { return cor; }
    void definirCor(ValorCor valor); // the chooser and the name's colour follow
    void definirPosicao(int valor);  // and the number shown, "valor + 1."
    void destacar(bool selecionado);
    void focar();
    void reiniciar(); // as a new row: "Problema", black, not highlighted, nothing to undo
    QWidget *encadearFoco(QWidget *anterior);

    int numero = 0;
    int posicao = 0;

    QFrame *painel = nullptr;
    QLabel *lblNumero = nullptr;
    EditLimitado *edProblema = nullptr;
    QLabel *lblCorProblema = nullptr;
    CaixaCor *cBoxCorProblema = nullptr;

public Q_SLOTS:
    void painelEnter();
    void painelClick();
    void cBoxCorProblemaChange(ValorCor valor);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    // What the palettes show; each is set again only when its value changes.
    void pintarNome();
    void pintarDestaque();

    ValorCor cor = corPreta;
    bool destacado = false;
};

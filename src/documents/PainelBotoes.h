#pragma once

// The bottom panel of a text document window ("painelInferior"), its buttons at the right, and
// the window laid out as the document view above that panel.

#include <QFrame>
#include <QKeySequence>

class QDialog;
class QHBoxLayout;
class QPushButton;

class PainelBotoes : public QFrame {
    Q_OBJECT
public:
    PainelBotoes(QDialog *janela, QWidget *vista, int altura);
    QPushButton *adicionarBotao(const char *nome, const QString &texto, QKeySequence teclas = {});

private:
    QHBoxLayout *botoes;
};

#pragma once

// The question asked when another copy of the program holds the plan being opened: who holds
// it, where and since when, with "Abrir uma cópia" (the plan on screen without a file, so the
// first save asks for a name and the other copy's file is never written) and "Cancelar"
// (nothing changes). A dialog of its own, shown through exibirModal, because its buttons are
// not the Yes / No / Cancel of a question; Accepted means "Abrir uma cópia".

#include <QDialog>

class QLabel;
class QPushButton;

class TfmPlanoEmUso : public QDialog {
    Q_OBJECT
public:
    static inline const QString textoExplicacao =
        QStringLiteral("Uma cópia fica na tela sem arquivo: ao salvar, escolha outro nome.");

    TfmPlanoEmUso(const QString &descricao, QWidget *pai = nullptr);

    QLabel *lblMensagem = nullptr;
    QPushButton *btnAbrirCopia = nullptr;
    QPushButton *btnCancelar = nullptr;
};

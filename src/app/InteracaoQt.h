#pragma once

// The interaction seam as the user sees it: Qt's message boxes and dialogs.

#include "app/Interacao.h"

class InteracaoQt : public Interacao {
public:
    void mensagem(Icone icone, const QString &texto) override;
    Resposta perguntar(const QString &texto) override;
    QString arquivoParaAbrir(const QString &sugestao) override;
    QString arquivoParaSalvar(const QString &sugestao) override;
    bool configurarImpressora(QPrinter &impressora) override;
    int exibirModal(QDialog &janela) override;
};

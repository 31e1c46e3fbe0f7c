#pragma once

// The interaction seam as the user sees it: Qt's message boxes and dialogs. A question shows
// Yes, No and Cancel ("Sim", "Não", "Cancelar"): Cancel, Esc and the close box all answer
// Abortar, which always means "change nothing". A save dialog whose suggestion ends in ".pdf"
// offers the "*.pdf" filter first.

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

#pragma once

// The interaction seam for tests: records every message (icon and exact text), answers
// questions and file dialogs from queues, and runs a callback on each modal dialog instead of
// an event loop. Installs itself on construction and uninstalls on destruction.

#include "app/Interacao.h"

#include <QQueue>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

struct MensagemRegistrada {
    Icone icone;
    QString texto;
};

class InteracaoRoteirizada : public Interacao {
public:
    using AcaoModal = std::function<int(QDialog &)>;

    InteracaoRoteirizada();
    ~InteracaoRoteirizada() override;

    void mensagem(Icone icone, const QString &texto) override;
    Resposta perguntar(const QString &texto) override;
    QString arquivoParaAbrir(const QString &sugestao) override;
    QString arquivoParaSalvar(const QString &sugestao) override;
    bool configurarImpressora(QPrinter &impressora) override;
    int exibirModal(QDialog &janela) override;

    // Scripting. Empty queues answer: No, a cancelled file dialog, a cancelled printer dialog,
    // and a modal dialog closed with Rejected.
    QQueue<Resposta> respostas;
    QQueue<QString> arquivos;
    QQueue<bool> impressoras;
    QQueue<AcaoModal> modais;
    AcaoModal modalPadrao;

    // What happened.
    QVector<MensagemRegistrada> mensagens;
    QStringList perguntas;
    QStringList sugestoesArquivo;
    QStringList janelasModais; // objectName of every dialog shown
    int dialogosImpressora = 0;

    QStringList textosMensagens() const;
    void limpar();
};

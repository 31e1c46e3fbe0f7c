#pragma once

// The one door through which the program asks the user anything modal: message boxes,
// the New question, file and printer dialogs and modal windows. The program runs with the Qt
// implementation; tests install a scripted one, so no test ever enters a real modal loop.

#include <QString>

class QDialog;
class QPrinter;

enum class Icone { Informacao, Aviso, Erro };
enum class Resposta { Sim, Nao, Abortar };

class Interacao {
public:
    virtual ~Interacao() = default;
    virtual void mensagem(Icone icone, const QString &texto) = 0;   // modal box, one OK button
    virtual Resposta perguntar(const QString &texto) = 0;           // Yes / No / Abort
    virtual QString arquivoParaAbrir(const QString &sugestao) = 0;  // empty text: cancelled
    virtual QString arquivoParaSalvar(const QString &sugestao) = 0; // empty text: cancelled
    virtual bool configurarImpressora(QPrinter &impressora) = 0;    // false: cancelled
    virtual int exibirModal(QDialog &janela) = 0;                   // the dialog's result
};

Interacao &interacao();
void definirInteracao(Interacao *nova); // nullptr: back to the Qt implementation

#pragma once

// Drives the running program as a user does: the tabs, the add button, typing into edits,
// memos and grid cells, choosing in drop-down lists with the keyboard, and the windows that
// open modally through the scripted interaction. Every step goes through the widgets' own
// events and handlers, never through the controllers' setters.

#include "app/Cores.h"
#include "support/InteracaoRoteirizada.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QComboBox;
class QLineEdit;
class QTableWidget;
class QWidget;
class TfmICProblema;
class TfmOperacoes;
class TfmPrincipal;

namespace usuario {

enum Aba { abaProblemas, abaVotantes, abaNotas, abaClassificacao };

void mostrarAba(Aba aba);
void pressionarAdicionar(); // the main window's add button, on the tab shown
void pressionarRemover();   // the main window's remove button, on the tab shown
// A click on the panel of row `posicao` of the "Problemas" or "Votantes" tab, which selects it.
void clicarProblema(int posicao);
void clicarCategoria(int posicao);

// Types the text key by key; a line break is the Enter key.
void digitar(QWidget *alvo, const QString &texto);
// Selects what the edit holds and types over it.
void substituir(QLineEdit *edicao, const QString &texto);
// Home, then Down until item `indice`: the way a closed drop-down list is used from the
// keyboard, which raises the same signals as a choice in its pop-up.
void escolher(QComboBox *caixa, int indice);
void escolherCor(QComboBox *caixa, ValorCor cor);
// Starts editing a cell, types into its editor and, when `confirmar` holds, presses Enter.
// Without it the editor is left open, as when the user goes straight to a button.
void editarCelula(QTableWidget *grade, int linha, int coluna, const QString &texto,
                  bool confirmar = true);

// The "Problemas" tab: fills problem `posicao`, pressing the add button first when it does
// not exist yet.
void preencherProblema(int posicao, const QString &nome, ValorCor cor);

struct Categoria {
    QString titulo;
    QString id;
    ValorCor cor = corPreta;
    QStringList votantes;
};
// The "Votantes" tab: fills category `posicao`, pressing the add button first when it does
// not exist yet; the names are typed into the names grid, opened and folded again.
void preencherCategoria(int posicao, const Categoria &categoria);

// The "Notas" tab: chooses the category in the header and a grade in each voter's box.
void darNotas(int problema, int categoria, const QList<int> &notas);

// The "Classificação" tab: presses the ranking button of problem `problema` (its row follows
// the problem, whatever its place in the ranking) and works in its indicators and causes
// window, which `acao` closes.
void abrirAnalise(InteracaoRoteirizada &interacao, int problema,
                  const std::function<void(TfmICProblema &)> &acao);
// Inside that window: presses the button of cause `causa` (1 to 3) and works in its sheet,
// which `acao` closes.
void abrirFicha(InteracaoRoteirizada &interacao, TfmICProblema &janela, int causa,
                const std::function<void(TfmOperacoes &)> &acao);

// Runs a document command of the main window ("Gerar &Cédula de votação", "Gerar &Ata de
// reunião"), and answers the text of its window, paragraph by paragraph, as it was shown.
// `texto` is the object name of the window's text.
QStringList gerarDocumento(InteracaoRoteirizada &interacao, void (TfmPrincipal::*comando)(),
                           const QString &texto);

// The texts on the "Classificação" tab, top to bottom: the ranking buttons' problem names.
QStringList ordemClassificacao();
// The total shown in problem `problema`'s ranking row.
QString totalMostrado(int problema);

} // namespace usuario

#pragma once

// The main window: a router. It owns no plan data; it holds the header, the four tabs with
// their scroll boxes, the add and remove buttons and the menu, and sends each command to the
// object that does the work. Its constructor creates the three list controllers, which live
// as long as the window. New always asks whether to save the plan on screen; Open, Quit and
// closing the window ask only when it holds unsaved changes. It keeps the history of removals
// that "Desfazer" takes back, which a new or another plan starts afresh.

#include "app/HistoricoRemocoes.h"

#include <QMainWindow>

class CaixaRolagem;
class Lista;
class ListaNos;
class QAction;
class QCloseEvent;
class QFrame;
class QLabel;
class QTabWidget;
class QToolButton;

class TfmPrincipal : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int larguraInicial = 780;
    static constexpr int alturaInicial = 572;
    static constexpr int alturaCabecalho = 49;

    TfmPrincipal();
    ~TfmPrincipal() override;

    void mostrarEscola(const QString &texto);
    void mostrarDiretor(const QString &texto);
    void mostrarNomeArquivo(const QString &texto);
    void esconderNomeArquivo(); // a plan without a file: "[]", hidden
    void lerEscola(const ListaNos &secoes);

    QString nomeArquivoMostrado() const; // the caption of lblNomePlanejamento

    void registrarRemocao(Remocao remocao);
    void esquecerRemocoes(); // another plan is on screen
    const HistoricoRemocoes &historicoRemocoes() const { return historico; }

    Lista *listaAtual = nullptr; // the list the add and remove buttons act on; not owned

    CaixaRolagem *sbProblemas = nullptr;
    CaixaRolagem *sbVotantes = nullptr;
    CaixaRolagem *sbNotas = nullptr;
    CaixaRolagem *sbClassificacao = nullptr;
    QTabWidget *pcControlePaginas = nullptr;

public Q_SLOTS:
    void tsProblemasShow();
    void tsVotantesShow();
    void tsNotasShow();
    void tsClassificacaoShow();
    void sbtnAdicionarClick();
    void sbtnRemoverClick();
    void mItemNovoClick();
    void mItemAbrirClick();
    void mItemSalvarClick();
    void mItemConfigurarImpressClick();
    void mItemDesfazerClick();
    void mItemRefazerClick();
    void mItemSairClick();
    void iItemInstituicaoClick();
    void mItemGerarCedulaClick();
    void mItemGerarAtaClick();
    void mItemGerarOrganogramaClick();
    void mItemSobreClick();
    void mItemAjudaClick();

protected:
    void closeEvent(QCloseEvent *evento) override;

private:
    void criarCabecalho();
    void criarPaginas();
    void criarMenu();
    void criarControladores();
    void paginaMudou(int indice);
    void focarPagina();
    void limparDadosEscola();
    void limparCabecalho();
    bool salvarComo();
    bool podeDeixarOPlano(bool perguntarSempre);
    bool garantirArquivoDoPlano();
    void mostrarRemocao(const Remocao &remocao);
    void atualizarEdicao();

    QFrame *painelPrincipal = nullptr;
    QLabel *lblNomeEscola = nullptr;
    QLabel *lblNomeDiretor = nullptr;
    QLabel *lblNomePlanejamento = nullptr;
    QToolButton *sbtnAdicionar = nullptr;
    QToolButton *sbtnRemover = nullptr;
    QAction *mItemDesfazer = nullptr;
    QAction *mItemRefazer = nullptr;
    HistoricoRemocoes historico;
};

extern TfmPrincipal *fmPrincipal;

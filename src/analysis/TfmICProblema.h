#pragma once

// The indicators and causes window of one problem: up to five indicators, up to three causes
// with one operations sheet each, and the problem's general review. Created hidden by the
// problem's ranking row and shown modally from it; it keeps its contents between showings.

#include "analysis/AnaliseProblema.h"

#include <QDialog>
#include <array>
#include <memory>

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;
class TfmOperacoes;

class TfmICProblema : public QDialog {
    Q_OBJECT
public:
    static constexpr int maximoIndicadores = AnaliseProblema::maximoIndicadores;
    static constexpr int maximoCausas = AnaliseProblema::maximoCausas;

    explicit TfmICProblema(QWidget *pai = nullptr);
    ~TfmICProblema() override;

    void definirRevisao(const QString &texto);
    QString revisaoGeral() const;

    AnaliseProblema analise() const;
    void assumir(const AnaliseProblema &analise); // replaces the sheets built so far
    // One cause's operations, into its sheet if it is built; the sheet stays, even on screen.
    void definirOperacoes(int causa, const OperacoesCausa &operacoes);

    int numIndicadores() const { return quantidadeIndicadores; }
    int numCausas() const { return quantidadeCausas; }
    TfmOperacoes *ficha(int indice);    // sheet of cause indice + 1, built if need be, or nullptr
    int numOperacoes(int indice) const; // of cause indice + 1, without building its sheet
    bool fichaConstruida(int indice) const;

    // Row k (1-based) of each grid.
    QString indicador(int k) const;
    void definirIndicador(int k, const QString &texto);
    QString causa(int k) const;
    void definirCausa(int k, const QString &texto);

    QLabel *lblNomeProblema = nullptr;
    QLabel *Label1 = nullptr;
    QTableWidget *sgIndicadores = nullptr;
    QToolButton *sbAdicionarIndicador = nullptr;
    QToolButton *sbRemoverIndicador = nullptr;
    QLabel *Label2 = nullptr;
    QTableWidget *sgCausas = nullptr;
    QToolButton *sbAdicionarCausa = nullptr;
    QToolButton *sbRemoverCausa = nullptr;
    std::array<QToolButton *, maximoCausas> sbCausa{};
    QFrame *painelInferior = nullptr;
    QPushButton *btnAceitar = nullptr;

public Q_SLOTS:
    void sbAdicionarIndicadorClick();
    void sbRemoverIndicadorClick();
    void sbAdicionarCausaClick(QObject *Sender);
    void sbRemoverCausaClick();
    void sgCausasDblClick(QObject *Sender);
    void done(int resultado) override;

Q_SIGNALS:
    // Just before a remove button (here or on a sheet) takes something: what it takes.
    void removeu(const AnaliseProblema::Remocao &remocao);
    // Ctrl+Z or Ctrl+Shift+Z pressed here (ficha −1), outside a cell being edited, or on the
    // sheet of cause ficha + 1.
    void desfazerPedido(bool refazer, int ficha);

private:
    void avisarRemocao(AnaliseProblema::Remocao::Tipo tipo, int causa, int indice);
    void criarGrades(QWidget *area);
    void criarBotoes(QWidget *area);
    void descartarFichasAlemDasCausas();
    void assumirIndicadores(const AnaliseProblema &analise);
    void assumirCausas(const AnaliseProblema &analise);

    int quantidadeIndicadores = 0;
    int quantidadeCausas = 0;
    // A cause's operations live here; its sheet, once built, shows and edits them in place.
    std::array<OperacoesCausa, maximoCausas> operacoesCausas;
    std::array<std::unique_ptr<TfmOperacoes>, maximoCausas> fichas;
    QString revisao;
};

#pragma once

// The indicators and causes window of one problem: up to five indicators, up to three causes
// with one operations sheet each, and the problem's general review. Created hidden by the
// problem's ranking row and shown modally from it. It shows and edits the analysis the row
// keeps (`usar`), or its own when it stands alone: every edit reaches that analysis at once, so
// the row reads and writes it whether the window was ever built or not.

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

    // The analysis shown from now on, kept by the caller for as long as the window lives.
    void usar(AnaliseProblema &analise);
    const AnaliseProblema &analise() const { return *dados; }
    void assumir(const AnaliseProblema &analise); // replaces the sheets built so far
    // After the analysis in use was changed from outside: shown again, the sheets replaced.
    void mostrarAnalise();
    // After one cause's operations were changed in the analysis in use: into its sheet if it is
    // built; the sheet stays, even on screen.
    void mostrarOperacoes(int causa);

    int numIndicadores() const { return static_cast<int>(dados->indicadores().size()); }
    int numCausas() const { return static_cast<int>(dados->causas().size()); }
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
    void celulaMudou(const QTableWidget *grade, int linha, int coluna);

    AnaliseProblema propria;
    AnaliseProblema *dados = &propria;
    // A cause's sheet, once built, shows and edits the cause's operations in place.
    std::array<std::unique_ptr<TfmOperacoes>, maximoCausas> fichas;
};

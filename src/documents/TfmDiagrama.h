#pragma once

// The plan's organisation chart for one problem and one cause, paged, printable and savable as
// PDF. The window owns the choosers, the page buttons and the page shown; the chart is an
// Organograma, laid out once per choice and painted page by page in the screen's device pixels. The
// bottom bar has two rows, the choosers above the buttons, so every caption and chooser stays whole
// down to the window's minimum width.

#include "documents/Organograma.h"

#include <QDialog>
#include <utility>

class ListaNos;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QPagedPaintDevice;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class QWidget;

class TfmDiagrama : public QDialog {
    Q_OBJECT
public:
    explicit TfmDiagrama(QWidget *pai = nullptr);
    void montarOrganograma(const ListaNos &secoes, const QString &nomePlano);

public Q_SLOTS:
    void cbProblemasChange();
    void cbCausasChange();
    void btnAnteriorClick();
    void btnProximaClick();
    void btnImprimirClick();
    void btnSalvarPdfClick();
    void FormResize();

protected:
    void resizeEvent(QResizeEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void criarComponentes();
    void criarQuadro(QVBoxLayout &layout);
    void criarPainelInferior(QVBoxLayout &layout);
    QPushButton *novoBotao(QHBoxLayout &linha, const char *nome, const QString &texto);
    std::pair<QLabel *, QComboBox *> novaEscolha(QHBoxLayout &linha, const char *nomeRotulo,
                                                 const char *nome, const QString &texto);
    void ligarSinais();
    void medidasTela();
    void redesenhar(); // the chart of the choosers' problem and cause, from page 1
    // On screen, to a screen reader as the page's texts, and in the page buttons.
    void mostrarPagina(int pagina);
    void preencherCausas();
    // Draws the whole chart with the printer metrics; false when the device refuses.
    bool imprimirEm(QPagedPaintDevice &destino);

    Organograma desenho;
    int paginaAtual = 1;

    QScrollArea *sbImagem = nullptr;
    QWidget *conteudoImagem = nullptr;
    QWidget *imgVisualizacaoDiag = nullptr;
    QWidget *painelInferior = nullptr;
    QPushButton *btnAnterior = nullptr;
    QPushButton *btnProxima = nullptr;
    QLabel *lblProblema = nullptr;
    QComboBox *cbProblemas = nullptr;
    QLabel *lblCausa = nullptr;
    QComboBox *cbCausas = nullptr;
    QPushButton *btnSalvarPdf = nullptr;
    QPushButton *btnImprimir = nullptr;
    QPushButton *btnCancelar = nullptr;
};

extern TfmDiagrama *fmDiagrama;

#pragma once

// The plan's organisation chart for one problem and one cause, paged, printable and savable as
// PDF. The window owns the choosers and the page buttons; the drawing is an Organograma, made for
// the screen's device pixels. The bottom bar has two rows, the choosers above the buttons, so
// every caption and chooser stays whole down to the window's minimum width.

#include "documents/Organograma.h"

#include <QDialog>

class ListaNos;
class QComboBox;
class QLabel;
class QPagedPaintDevice;
class QPrinter;
class QPushButton;
class QScrollArea;
class QWidget;

class TfmDiagrama : public QDialog {
    Q_OBJECT
public:
    explicit TfmDiagrama(QWidget *pai = nullptr);
    void montarOrganograma(const ListaNos &secoes, const QString &nomePlano);

    const Organograma &organograma() const { return desenho; }

    // Test hook: while set, `impressora` stands for the one installed printer (its page, its
    // dialog through the interaction seam). nullptr: back to the system's printers.
    static void definirImpressoraDeTeste(QPrinter *impressora);

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
    void medidasTela();
    void redesenhar(); // count pass, then page 1, then the page buttons
    void desenharPagina(int pagina);
    void atualizarBotoesPagina();
    void mostrarPaginaDesenhada(); // on screen, and to a screen reader as the page's texts
    void preencherCausas();
    // Draws the whole chart with the printer metrics; false when the device refuses.
    bool imprimirEm(QPagedPaintDevice &destino);

    Organograma desenho;

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

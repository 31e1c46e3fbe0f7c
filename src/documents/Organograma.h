#pragma once

// The organisation chart of a saved plan, apart from any window, in three steps: the text of a
// surface broken into lines (QuebraLinhas), the layout of every page as plain values
// (leiauteOrganograma::montar) and the painting of one page (pinturaOrganograma::pintar).
// This class keeps them together for the chart window: the plan, the metrics of the on-screen
// picture (which it owns) or of a printer page, and the last layout. It reads the plan's
// sections again at every layout and writes nothing.

#include "data/ListaNos.h"
#include "documents/LeiauteOrganograma.h"
#include "documents/QuebraLinhas.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

class QPaintDevice;
class QPagedPaintDevice;

// What the screen metrics depend on.
struct TelaOrganograma {
    QSize tela;                 // screen size in logical pixels
    int pontosPorPolegada = 96; // the screen's logical resolution
    int impressoras = 0;        // installed printers
    QSize pagina;               // the current printer's page, used when a printer is installed
    qreal razaoPixels = 1;      // the screen's device pixels per logical pixel
};

// The metrics of the on-screen picture and of a printer page `pagina` device pixels large,
// whose texts `linhas` measures.
MedidasOrganograma medidasDaTela(const TelaOrganograma &tela, const QuebraLinhas &linhas);
MedidasOrganograma medidasDoPapel(QSize pagina, const QuebraLinhas &linhas);

class Organograma {
public:
    void definirPlano(const ListaNos &secoes, const QString &nomePlano);
    const ListaNos &secoes() const { return secoesPlano; }

    // The on-screen picture, sized by the metrics. The chart is laid out in logical pixels and
    // the picture holds the screen's device pixels, so it is shown at its logical size and stays
    // sharp at any scale.
    void medidasTela(const TelaOrganograma &tela);
    // The metrics of a printer page; the picture stays as it is.
    void medidasImpressora(const QPaintDevice &pagina);
    const MedidasOrganograma &medidas() const { return metricas; }

    // The chart of one problem and cause with the current metrics. A problem that is not in
    // the plan has no pages; an empty chooser stands for position 0.
    const LeiauteOrganograma &montar(int indiceProblema, int indiceCausa);
    const LeiauteOrganograma &leiaute() const { return ultimo; }
    int totalPaginas() const { return static_cast<int>(ultimo.paginas.size()); }
    QStringList textosDaPagina(int pagina) const; // in reading order

    // Page `pagina` (from 1) of the last layout onto the picture; another page leaves it as it is.
    void pintarPagina(int pagina);
    // Every page of the last layout on `destino`, in turn; false when the device fails.
    bool imprimir(QPagedPaintDevice &destino) const;

    const QImage &imagem() const { return quadro; }
    QSize tamanhoImagem() const { return tamanhoQuadro; } // in logical pixels

private:
    ListaNos secoesPlano;
    QString nomePlano = QStringLiteral("plano.xml");
    MedidasOrganograma metricas;
    QuebraLinhas linhas;
    QImage quadro;
    QSize tamanhoQuadro;
    LeiauteOrganograma ultimo;
};

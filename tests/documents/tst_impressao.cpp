#include "data/Regional.h"
#include "documents/ServicoImpressao.h"
#include "documents/TfmCedula.h"
#include "documents/TfmRelatorio.h"
#include "support/InteracaoRoteirizada.h"
#include "support/PlanoAmostra.h"
#include "support/Teste.h"
#include "support/documents/LeitorPdf.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QPrinter>
#include <QPushButton>
#include <memory>

using namespace amostra;

namespace {

enum class Documento { Cedula, Ata };

const QString semImpressora =
    QStringLiteral("O sistema não possui nenhuma impressora configurada!\nInstale e configure uma "
                   "impressora e tente novamente.");

// A4 as Qt writes it (595 × 842 points), in points as pdftotext measures; the margin is a
// twentieth of the width in whole device pixels at 600 dpi.
constexpr double larguraA4 = 595;
constexpr double alturaA4 = 842;
constexpr double margemA4 = (4958 / 20) * 72.0 / 600;

// One document window, filled from a plan, with its two print buttons.
struct JanelaDocumento {
    std::unique_ptr<QDialog> janela;
    QString botaoImprimir;
    QString titulo;

    JanelaDocumento(Documento tipo, const DocumentoXml &plano)
    {
        if (tipo == Documento::Cedula) {
            auto *cedula = new TfmCedula;
            cedula->gerarCedula(plano.secoes());
            janela.reset(cedula);
            botaoImprimir = QStringLiteral("Button1");
            titulo = QStringLiteral("cedula de votação");
        } else {
            auto *ata = new TfmRelatorio;
            ata->montarAta(plano.secoes());
            janela.reset(ata);
            botaoImprimir = QStringLiteral("btnImprimir");
            titulo = QStringLiteral("Planejamento Escolar");
        }
    }
    void clicar(const QString &nome) { janela->findChild<QPushButton *>(nome)->click(); }
    void imprimir() { clicar(botaoImprimir); }
    void salvarPdf() { clicar(QStringLiteral("btnSalvarPdf")); }
};

QString simplificado(const QString &texto)
{
    return texto.simplified();
}

QStringList linhasEsperadas(Documento tipo)
{
    if (tipo == Documento::Cedula) {
        return {QStringLiteral("- Cédula de Votação -"),
                QStringLiteral("Data: ") + formatarData(QDate::currentDate()) +
                    QStringLiteral(" Categoria :Pais Nome: Rita"),
                QStringLiteral("Problema Nota"),
                QStringLiteral("1) Evasão escolar : 1__ 2__ 3__ 4__ 5__ 6__ 7__ 8__ 9__ 10__"),
                QStringLiteral("3) Falta de manutenção nos banheiros e pias: 1__")};
    }
    return {QStringLiteral("- Ata de Reunião -"),    QStringLiteral("Escola:E. E. São Jorge"),
            QStringLiteral("3. Visitantes ( VIS )"), QStringLiteral("- Notas dos problemas -"),
            QStringLiteral("PAI2 - Nota: 6"),        QStringLiteral("Total de pontos: 28")};
}

} // namespace

Q_DECLARE_METATYPE(Documento)

// The print path of the text documents: margins, the message without printers, printing on the
// current printer and saving as PDF, read back from the PDF itself.
class TesteImpressao : public QObject {
    Q_OBJECT

    ServicoImpressao &servico = ServicoImpressao::instancia();

    void documentos()
    {
        QTest::addColumn<Documento>("tipo");
        QTest::newRow("cédula") << Documento::Cedula;
        QTest::newRow("ata") << Documento::Ata;
    }

private Q_SLOTS:
    void init() { apoio::usarPortugues(); }

    void cleanup()
    {
        servico.simularImpressorasParaTestes(std::nullopt);
        servico.impressora().setOutputFileName(QString());
    }

    void margensIguaisDeUmVigesimoDaLargura_data()
    {
        QTest::addColumn<QSize>("pagina");
        QTest::addColumn<int>("margem");
        QTest::newRow("A4 retrato a 600 dpi") << QSize(4960, 7016) << 248;
        QTest::newRow("A4 paisagem a 600 dpi") << QSize(7016, 4960) << 350;
        QTest::newRow("Carta a 600 dpi") << QSize(5100, 6600) << 255;
        QTest::newRow("largura não divisível: arredonda para baixo") << QSize(4999, 7000) << 249;
    }

    void margensIguaisDeUmVigesimoDaLargura()
    {
        QFETCH(QSize, pagina);
        QFETCH(int, margem);
        const QRect area = ServicoImpressao::areaComMargens(pagina);
        QCOMPARE(area.left(), margem);
        QCOMPARE(area.top(), margem);
        QCOMPARE(pagina.width() - (area.right() + 1), margem);
        QCOMPARE(pagina.height() - (area.bottom() + 1), margem);
    }

    void semImpressoraAPaginaEhA4A600Dpi()
    {
        servico.simularImpressorasParaTestes(0);
        // Within half a millimetre of 210 × 297 mm.
        QVERIFY(qAbs(servico.larguraPagina() - 210 / 25.4 * 600) <= 12);
        QVERIFY(qAbs(servico.alturaPagina() - 297 / 25.4 * 600) <= 12);
    }

    void imprimirSemImpressoraAvisaENaoImprime_data() { documentos(); }
    void imprimirSemImpressoraAvisaENaoImprime()
    {
        QFETCH(Documento, tipo);
        InteracaoRoteirizada roteiro;
        servico.simularImpressorasParaTestes(0);
        // Were it to print anyway, it would land here.
        const QString destino = QDir::current().absoluteFilePath(QStringLiteral("impressa.pdf"));
        servico.impressora().setOutputFormat(QPrinter::PdfFormat);
        servico.impressora().setOutputFileName(destino);

        JanelaDocumento janela(tipo, planoPadrao());
        janela.imprimir();
        QCOMPARE(roteiro.mensagens.size(), 1);
        QCOMPARE(roteiro.mensagens[0].icone, Icone::Informacao);
        QCOMPARE(roteiro.mensagens[0].texto, semImpressora);
        QVERIFY(!QFile::exists(destino));
    }

    void imprimirComImpressoraUsaATituloEMargens_data() { documentos(); }
    void imprimirComImpressoraUsaATituloEMargens()
    {
        EXIGIR_LEITOR_PDF();
        QFETCH(Documento, tipo);
        InteracaoRoteirizada roteiro;
        servico.simularImpressorasParaTestes(1);
        const QString destino = QDir::current().absoluteFilePath(QStringLiteral("impressora.pdf"));
        servico.impressora().setOutputFormat(QPrinter::PdfFormat);
        servico.impressora().setOutputFileName(destino);

        JanelaDocumento janela(tipo, planoPadrao());
        janela.imprimir();
        QVERIFY(roteiro.mensagens.isEmpty());
        QCOMPARE(leitorPdf::titulo(destino), janela.titulo);
        const QString texto = simplificado(leitorPdf::texto(destino));
        for (const QString &linha : linhasEsperadas(tipo))
            QVERIFY2(texto.contains(linha), qPrintable(linha));
    }

    void salvarPdfEscreveODocumento_data() { documentos(); }
    void salvarPdfEscreveODocumento()
    {
        EXIGIR_LEITOR_PDF();
        QFETCH(Documento, tipo);
        InteracaoRoteirizada roteiro;
        // Saving never depends on a printer.
        servico.simularImpressorasParaTestes(0);
        QFile::remove(QStringLiteral("documento.pdf")); // the other row's; replacing asks first
        roteiro.arquivos.enqueue(QStringLiteral("documento.pdf"));

        JanelaDocumento janela(tipo, planoPadrao());
        janela.salvarPdf();
        QVERIFY(roteiro.mensagens.isEmpty());
        QCOMPARE(roteiro.sugestoesArquivo.size(), 1);
        QVERIFY(roteiro.sugestoesArquivo[0].endsWith(QStringLiteral(".pdf")));
        QCOMPARE(leitorPdf::titulo(QStringLiteral("documento.pdf")), janela.titulo);
        const QString texto = simplificado(leitorPdf::texto(QStringLiteral("documento.pdf")));
        for (const QString &linha : linhasEsperadas(tipo))
            QVERIFY2(texto.contains(linha), qPrintable(linha));
    }

    // Text stays inside the margins on every page: one twentieth of the page width.
    void pdfRespeitaAsMargens_data() { documentos(); }
    void pdfRespeitaAsMargens()
    {
        EXIGIR_LEITOR_PDF();
        QFETCH(Documento, tipo);
        InteracaoRoteirizada roteiro;
        roteiro.arquivos.enqueue(QStringLiteral("margens.pdf"));
        JanelaDocumento janela(tipo, planoPadrao());
        janela.salvarPdf();

        const QList<leitorPdf::Palavra> palavras =
            leitorPdf::palavras(QStringLiteral("margens.pdf"));
        QVERIFY(!palavras.isEmpty());
        double esquerda = larguraA4;
        double topo = alturaA4;
        constexpr double folga = 0.5;
        for (const leitorPdf::Palavra &palavra : palavras) {
            esquerda = qMin(esquerda, palavra.caixa.left());
            if (palavra.pagina == 1)
                topo = qMin(topo, palavra.caixa.top());
            QVERIFY2(palavra.caixa.left() >= margemA4 - folga, qPrintable(palavra.texto));
            QVERIFY2(palavra.caixa.top() >= margemA4 - folga, qPrintable(palavra.texto));
            QVERIFY2(palavra.caixa.right() <= larguraA4 - margemA4 + folga,
                     qPrintable(palavra.texto));
            QVERIFY2(palavra.caixa.bottom() <= alturaA4 - margemA4 + folga,
                     qPrintable(palavra.texto));
        }
        // Left-aligned lines start at the margin, and the first line sits right below the top one.
        QVERIFY(qAbs(esquerda - margemA4) < 1.5);
        QVERIFY(topo < margemA4 + 10);
    }

    void nomeSemExtensaoGanhaPdf()
    {
        InteracaoRoteirizada roteiro;
        roteiro.arquivos.enqueue(QStringLiteral("ata"));
        JanelaDocumento janela(Documento::Ata, planoPadrao());
        janela.salvarPdf();
        QVERIFY(roteiro.mensagens.isEmpty());
        QVERIFY(QFile::exists(QStringLiteral("ata.pdf")));
        QVERIFY(!QFile::exists(QStringLiteral("ata")));
    }

    void salvarCanceladoNaoEscreveNada()
    {
        InteracaoRoteirizada roteiro;
        const QStringList antes = QDir::current().entryList(QDir::Files);
        JanelaDocumento janela(Documento::Cedula, planoPadrao());
        janela.salvarPdf();
        QVERIFY(roteiro.mensagens.isEmpty());
        QCOMPARE(QDir::current().entryList(QDir::Files), antes);
    }

    void salvarQueFalhaDizPorQue_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("pasta que não existe")
            << QStringLiteral("nao-existe/ata.pdf") << QStringLiteral("não existe");
        QTest::newRow("o nome é de uma pasta")
            << QStringLiteral("pasta.pdf") << QStringLiteral("permite gravação");
    }

    void salvarQueFalhaDizPorQue()
    {
        QFETCH(QString, arquivo);
        QFETCH(QString, motivo);
        QVERIFY(QDir::current().mkpath(QStringLiteral("pasta.pdf")));
        InteracaoRoteirizada roteiro;
        roteiro.arquivos.enqueue(arquivo);
        JanelaDocumento janela(Documento::Ata, planoPadrao());
        janela.salvarPdf();
        QCOMPARE(roteiro.mensagens.size(), 1);
        QCOMPARE(roteiro.mensagens[0].icone, Icone::Informacao);
        const QString texto = roteiro.mensagens[0].texto;
        QVERIFY2(texto.startsWith(QStringLiteral("Não foi possível salvar o PDF \"%1\"")
                                      .arg(QDir::toNativeSeparators(arquivo))),
                 qPrintable(texto));
        QVERIFY2(texto.contains(motivo), qPrintable(texto));
    }

    // The sample plan's ballots on A4: "Nota" stands over the first blank of every problem, the
    // ten blanks of a problem share one line, and every page holds whole ballots.
    void cedulasDoPlanoDeExemploNoPapel()
    {
        EXIGIR_LEITOR_PDF();
        DocumentoXml plano;
        plano.carregar(QStringLiteral(SORVANE_DIR_FONTES "/docs/exemplos/plano-exemplo.xml"));
        InteracaoRoteirizada roteiro;
        roteiro.arquivos.enqueue(QStringLiteral("exemplo.pdf"));
        JanelaDocumento janela(Documento::Cedula, plano);
        janela.salvarPdf();
        QVERIFY(leitorPdf::paginas(QStringLiteral("exemplo.pdf")) > 1);

        QList<double> coluna;                      // left of "Nota" and of every first blank
        QMap<QPair<int, int>, QStringList> linhas; // the blanks of each line, by page and top
        QMap<int, int> titulos;                    // per page
        QMap<int, int> hifens;                     // per page, in separator lines
        for (const leitorPdf::Palavra &p : leitorPdf::palavras(QStringLiteral("exemplo.pdf"))) {
            if (p.texto == QStringLiteral("Nota") || p.texto == QStringLiteral("1__"))
                coluna << p.caixa.left();
            if (p.texto.endsWith(QStringLiteral("__")))
                linhas[{p.pagina, qRound(p.caixa.top())}] << p.texto;
            if (p.texto == QStringLiteral("Cédula"))
                ++titulos[p.pagina];
            if (p.texto.size() > 2 && p.texto.count(u'-') == p.texto.size())
                hifens[p.pagina] += static_cast<int>(p.texto.size());
        }
        const auto [menor, maior] = std::minmax_element(coluna.cbegin(), coluna.cend());
        QCOMPARE(coluna.size(), 11 + 11 * 4);
        QVERIFY2(*maior - *menor < 1,
                 qPrintable(QStringLiteral("%1 a %2").arg(*menor).arg(*maior)));
        const QStringList dez{"1__", "2__", "3__", "4__", "5__",
                              "6__", "7__", "8__", "9__", "10__"};
        QCOMPARE(linhas.size(), 11 * 4);
        for (const QStringList &linha : linhas)
            QCOMPARE(linha, dez);
        QCOMPARE(hifens.keys(), titulos.keys());
        for (auto pagina = titulos.cbegin(); pagina != titulos.cend(); ++pagina)
            QCOMPARE(hifens[pagina.key()], 103 * pagina.value());
    }

    // 144 ballots run over many pages; every body line keeps 9 points, the titles stand above.
    void centoEQuarentaEQuatroCedulas()
    {
        EXIGIR_LEITOR_PDF();
        QList<Categoria> categorias;
        for (int c = 0; c < 12; ++c) {
            Categoria categoria{QStringLiteral("Categoria %1").arg(c + 1), QStringLiteral("C"), {}};
            for (int v = 0; v < 12; ++v)
                categoria.votantes << QStringLiteral("Votante%1").arg(c * 12 + v + 1);
            categorias << categoria;
        }
        DocumentoXml plano = novoPlano();
        adicionarProblemas(plano, {QStringLiteral("Merenda"), QStringLiteral("Evasão")});
        adicionarCategorias(plano, categorias);

        InteracaoRoteirizada roteiro;
        roteiro.arquivos.enqueue(QStringLiteral("cedulas.pdf"));
        JanelaDocumento janela(Documento::Cedula, plano);
        janela.salvarPdf();
        QVERIFY(roteiro.mensagens.isEmpty());
        QVERIFY(leitorPdf::paginas(QStringLiteral("cedulas.pdf")) > 10);

        QList<double> alturasCorpo;
        QList<double> alturasTitulo;
        QSet<QString> votantes;
        for (const leitorPdf::Palavra &palavra :
             leitorPdf::palavras(QStringLiteral("cedulas.pdf"))) {
            if (palavra.texto == QStringLiteral("Nota"))
                alturasCorpo << palavra.caixa.height();
            else if (palavra.texto == QStringLiteral("Cédula"))
                alturasTitulo << palavra.caixa.height();
            else if (palavra.texto.startsWith(QStringLiteral("Votante")))
                votantes.insert(palavra.texto);
        }
        QCOMPARE(alturasCorpo.size(), 144);
        QCOMPARE(alturasTitulo.size(), 144);
        QCOMPARE(votantes.size(), 144);
        const auto [menorCorpo, maiorCorpo] =
            std::minmax_element(alturasCorpo.begin(), alturasCorpo.end());
        const auto [menorTitulo, maiorTitulo] =
            std::minmax_element(alturasTitulo.begin(), alturasTitulo.end());
        QVERIFY(*maiorCorpo - *menorCorpo < 0.01);
        QVERIFY(*maiorTitulo - *menorTitulo < 0.01);
        // 10.5 against 9 points.
        QVERIFY(qAbs(*menorTitulo / *menorCorpo - 10.5 / 9) < 0.02);
    }
};

SORVANE_TESTE_MAIN(TesteImpressao)
#include "tst_impressao.moc"

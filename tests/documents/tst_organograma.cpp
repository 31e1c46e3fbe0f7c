#include "documents/DadosOrganograma.h"
#include "documents/Organograma.h"
#include "support/PlanoAmostra.h"
#include "support/Teste.h"

#include <QPainter>

using amostra::Causa;
using amostra::Problema;

// The chart's layout rules with known metrics, so that boxes, bars, labels and page breaks come
// out in exact pixels; and the metrics and the painting of the picture.
class TesteOrganograma : public QObject {
    Q_OBJECT

private:
    // 96 dpi: the 10-point font is 13 pixels high and lines are 15 pixels apart.
    static constexpr int passo = 15;
    static constexpr int recuo = 4;
    static constexpr int linha = passo + 2 * recuo; // a box of one line

    static MedidasOrganograma medidasConhecidas(int alturaUtil = 760, bool tela = true)
    {
        MedidasOrganograma m;
        m.proporcao = 0.7f;
        m.espessura = 2;
        m.recuo = recuo;
        m.espacoVertical = 10;
        m.espacoHorizontal = 10;
        m.colunaRotulos = 120;
        m.margem = 20;
        m.larguraUtil = 560;
        m.alturaUtil = alturaUtil;
        m.tela = tela;
        return m;
    }

    static QuebraLinhas linhasEm(int pontosPorPolegada)
    {
        QImage resolucao(1, 1, QImage::Format_RGB32);
        resolucao.setDotsPerMeterX(qRound(pontosPorPolegada / 0.0254));
        resolucao.setDotsPerMeterY(qRound(pontosPorPolegada / 0.0254));
        return QuebraLinhas(&resolucao);
    }

    QuebraLinhas linhas = linhasEm(96);
    const int h = linhas.alturaTexto();
    const int y0 = 20 + 2 * h; // below the title

    // One problem, one indicator, one cause with one operation: every box is one line.
    static Problema problemaCurto(QStringList indicadores = {QStringLiteral("ind")})
    {
        Problema problema;
        problema.nome = QStringLiteral("Evasão");
        problema.cor = 0x0000FF;
        problema.indicadores = indicadores;
        problema.causas = {Causa{QStringLiteral("Transporte"), {amostra::operacao("t")}, {}}};
        problema.revisao = QStringLiteral("rev");
        return problema;
    }

    LeiauteOrganograma montar(const QVector<Problema> &problemas, int problema = 0,
                              const MedidasOrganograma &medidas = medidasConhecidas())
    {
        const DocumentoXml documento = amostra::planoComAnalise(problemas);
        return leiauteOrganograma::montar(DadosOrganograma::ler(documento.secoes(), problema, 0),
                                          QStringLiteral("plano.xml"), medidas, linhas);
    }

    static QVector<PecaOrganograma> pecas(const PaginaOrganograma &pagina,
                                          PecaOrganograma::Tipo tipo)
    {
        QVector<PecaOrganograma> achadas;
        for (const PecaOrganograma &peca : pagina.pecas) {
            if (peca.tipo == tipo)
                achadas.append(peca);
        }
        return achadas;
    }
    static QVector<Retangulo> molduras(const PaginaOrganograma &pagina)
    {
        QVector<Retangulo> areas;
        for (const PecaOrganograma &peca : pecas(pagina, PecaOrganograma::Tipo::Moldura))
            areas.append(peca.area);
        return areas;
    }
    // The top-left corner of the first line `texto`, or (-1, -1).
    static QPoint canto(const PaginaOrganograma &pagina, const QString &texto)
    {
        for (const PecaOrganograma &peca : pecas(pagina, PecaOrganograma::Tipo::Texto)) {
            if (peca.texto == texto)
                return {peca.area.esquerda, peca.area.topo};
        }
        return {-1, -1};
    }

private Q_SLOTS:
    void passoDaLinhaSegueAResolucao_data()
    {
        QTest::addColumn<int>("pontosPorPolegada");
        QTest::addColumn<int>("alturaFonte");
        QTest::addColumn<int>("passoLinha");
        QTest::newRow("tela comum") << 96 << 13 << 15;
        QTest::newRow("tela ampliada") << 120 << 17 << 20;
        QTest::newRow("impressora de 600 dpi") << 600 << 83 << 99;
    }

    void passoDaLinhaSegueAResolucao()
    {
        QFETCH(int, pontosPorPolegada);
        QFETCH(int, alturaFonte);
        QFETCH(int, passoLinha);
        const QuebraLinhas medidas = linhasEm(pontosPorPolegada);
        QCOMPARE(medidas.alturaFontePixels(), alturaFonte);
        QCOMPARE(medidas.passoLinha(), passoLinha);
    }

    // The box's available width is the width of `referencia` plus `folga`.
    void textoQuebraNoUltimoDelimitador_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("referencia");
        QTest::addColumn<int>("folga");
        QTest::addColumn<QStringList>("linhas");

        QTest::newRow("vazio: nenhuma linha")
            << QString() << QStringLiteral("aaaa") << 0 << QStringList();
        QTest::newRow("um caractere") << QStringLiteral("a") << QStringLiteral("aaaa") << 0
                                      << QStringList{QStringLiteral("a")};
        QTest::newRow("cabe inteiro") << QStringLiteral("aa aa") << QStringLiteral("aaaaaaaa") << 0
                                      << QStringList{QStringLiteral("aa aa")};
        const QString delimitadores = QStringLiteral(" .!;:/-");
        for (const QChar d : delimitadores) {
            const QString parte = QStringLiteral("aa") + d;
            QTest::addRow("quebra depois de '%s'", QString(d).toUtf8().constData())
                << parte + parte + QStringLiteral("aa") << parte << 1
                << QStringList{parte, parte, QStringLiteral("aa")};
        }
        QTest::newRow("palavra mais larga que a caixa corta no caractere que alcança a largura")
            << QStringLiteral("aaaaaaaaaa") << QStringLiteral("aaaa") << 0
            << QStringList{QStringLiteral("aaaa"), QStringLiteral("aaaa"), QStringLiteral("aa")};
        QTest::newRow("delimitador só no início deixa uma linha com ele")
            << QStringLiteral(" aaaaaaa") << QStringLiteral("aaaa") << 0
            << QStringList{QStringLiteral(" "), QStringLiteral("aaaa"), QStringLiteral("aaa")};
        QTest::newRow("caixa sem largura útil: um caractere por linha")
            << QStringLiteral("abc") << QString() << 0
            << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    }

    void textoQuebraNoUltimoDelimitador()
    {
        QFETCH(QString, texto);
        QFETCH(QString, referencia);
        QFETCH(int, folga);
        QFETCH(QStringList, linhas);
        const int disponivel = this->linhas.largura(referencia) + folga;
        QCOMPARE(this->linhas.quebrar(texto, disponivel), linhas);
        QCOMPARE(this->linhas.quebrar(texto, disponivel), linhas); // as kept
    }

    // Rows of one-line items are 2D + one line high; a taller column sets the row's base, to
    // which every bar hangs.
    void linhaDeSecaoEmColunas_data()
    {
        QTest::addColumn<int>("operacoes");
        QTest::addColumn<int>("coluna");
        QTest::addColumn<int>("linhasAltas"); // of the second column's "who"
        QTest::newRow("uma operação") << 1 << 440 << 0;
        QTest::newRow("duas operações") << 2 << 220 << 0;
        QTest::newRow("três operações") << 3 << 146 << 0;
        QTest::newRow("três, a segunda mais alta") << 3 << 146 << 40;
    }

    void linhaDeSecaoEmColunas()
    {
        QFETCH(int, operacoes);
        QFETCH(int, coluna);
        QFETCH(int, linhasAltas);
        Problema problema = problemaCurto();
        problema.causas[0].operacoes.clear();
        for (int i = 0; i < operacoes; ++i)
            problema.causas[0].operacoes.append(amostra::operacao("t"));
        if (linhasAltas > 0)
            problema.causas[0].operacoes[1][5] = QStringLiteral("aaaa ").repeated(linhasAltas);
        const PaginaOrganograma pagina = montar({problema}).paginas.first();

        // The deadline row, whose first box holds "Prazo: t6".
        const int y = canto(pagina, QStringLiteral("Prazo: t6")).y() - recuo;
        QVector<Retangulo> caixas;
        for (const Retangulo &caixa : molduras(pagina)) {
            if (caixa.topo == y)
                caixas.append(caixa);
        }
        QCOMPARE(caixas.size(), operacoes);
        int base = 0;
        for (const Retangulo &caixa : caixas)
            base = std::max(base, caixa.base + 10);
        const ValorCor cores[] = {0xFF0000, 0x008000, 0x808080};
        for (int i = 0; i < operacoes; ++i) {
            const int esquerda = 120 + i * (coluna + 10);
            QCOMPARE(caixas[i].esquerda, esquerda);
            QCOMPARE(caixas[i].direita, esquerda + coluna);
            if (i == 1 && linhasAltas > 0)
                QVERIFY(caixas[i].base > y + linha);
            else
                QCOMPARE(caixas[i].base, y + linha);
            const int x = esquerda + coluna / 2;
            const PecaOrganograma barra{
                PecaOrganograma::Tipo::Barra, {x, caixas[i].base, x + 2, base}, cores[i], {}};
            QVERIFY2(pagina.pecas.contains(barra), qPrintable(QString::number(i)));
        }
        QCOMPARE(canto(pagina, QStringLiteral("Prazo Exec. >")),
                 QPoint(20, y + (base - y) / 2 - h));
    }

    void cabecalhoDaPrimeiraPagina()
    {
        const PaginaOrganograma pagina =
            montar({problemaCurto({QStringLiteral("um"), QStringLiteral("dois")})}).paginas[0];

        QCOMPARE(canto(pagina, QStringLiteral("Plano: plano.xml - Data: 07/12/2026")),
                 QPoint(20, 20));
        const QVector<Retangulo> caixas = molduras(pagina);
        const Retangulo problema{120, y0, 570, y0 + linha};
        QCOMPARE(caixas[0], problema);
        QCOMPARE(pecas(pagina, PecaOrganograma::Tipo::Moldura)[0].cor, 0x0000FF);
        QCOMPARE(canto(pagina, QStringLiteral("Problema >")), QPoint(20, y0 + (linha - h) / 2));
        // The indicators follow one another with no gap, inside one outline.
        const int y1 = problema.base + 2;
        QCOMPARE(caixas[1], (Retangulo{120, y1, 570, y1 + 2 * passo + 2 * recuo}));
        QCOMPARE(canto(pagina, QStringLiteral("I1: um")), QPoint(124, y1 + 4));
        QCOMPARE(canto(pagina, QStringLiteral("I2: dois")), QPoint(124, y1 + 4 + passo));
        const int y2 = caixas[1].base + 10;
        QCOMPARE(caixas[2], (Retangulo{130, y2, 560, y2 + linha}));
        QCOMPARE(pecas(pagina, PecaOrganograma::Tipo::Moldura)[2].cor, valorRgb(128, 128, 128));
        QCOMPARE(canto(pagina, QStringLiteral("C1: Transporte")), QPoint(134, y2 + 4));
        QCOMPARE(canto(pagina, QStringLiteral("Causas >")), QPoint(20, y2 + (linha - h) / 2));
        QCOMPARE(canto(pagina, QStringLiteral("O1: (QUEM) t1 (O QUE) t2")),
                 QPoint(124, y2 + linha + 10 + 4));
        // Read as the eye goes: each label before its boxes.
        QCOMPARE(pagina.textos.mid(0, 4),
                 (QStringList{QStringLiteral("Plano: plano.xml - Data: 07/12/2026"),
                              QStringLiteral("Problema >"), QStringLiteral("Evasão"),
                              QStringLiteral("Indicadores >")}));
    }

    void problemaSemIndicadoresTemContornoAchatado()
    {
        const PaginaOrganograma pagina = montar({problemaCurto({})}).paginas[0];
        const int baseProblema = y0 + linha;
        const int y1 = baseProblema + 2;
        // From P below the problem box up to its bottom.
        QCOMPARE(molduras(pagina)[1], (Retangulo{120, y1, 570, baseProblema}));
        QCOMPARE(canto(pagina, QStringLiteral("Indicadores >")),
                 QPoint(20, y1 + (baseProblema - y1 - h) / 2));
        QCOMPARE(molduras(pagina)[2].topo, baseProblema + 10);
    }

    void causaSemOperacoesVaiDiretoARevisao()
    {
        Problema problema = problemaCurto();
        problema.causas = {Causa{QStringLiteral("sem ações"), {}, {}}};
        const LeiauteOrganograma leiaute = montar({problema});
        const PaginaOrganograma &pagina = leiaute.paginas[0];

        for (const QString &rotulo :
             {QStringLiteral("Operações >"), QStringLiteral("Recursos >"),
              QStringLiteral("Prazo Exec. >"), QStringLiteral("Resultados >"),
              QStringLiteral("Avaliação >")})
            QVERIFY2(!pagina.textos.contains(rotulo), qPrintable(rotulo));
        const QVector<Retangulo> caixas = molduras(pagina);
        QCOMPARE(caixas.size(), 4);
        QCOMPARE(caixas[3],
                 (Retangulo{120, caixas[2].base + 10, 570, caixas[2].base + 10 + linha}));
        QVERIFY(pagina.textos.contains(QStringLiteral("Revisão Geral: rev")));
        QCOMPARE(leiaute.paginaDaSecao, (std::array<int, 6>{1, 1, 1, 1, 1, 1}));
    }

    // Header and two rows fit; the third row starts page 2 with the rest, below the title on
    // screen and at the margin on paper, which has the title on its first page only.
    void secoesSeguemParaAProximaPagina_data()
    {
        QTest::addColumn<bool>("tela");
        QTest::newRow("tela") << true;
        QTest::newRow("papel") << false;
    }

    void secoesSeguemParaAProximaPagina()
    {
        QFETCH(bool, tela);
        const LeiauteOrganograma leiaute =
            montar({problemaCurto()}, 0, medidasConhecidas(y0 + 170, tela));

        QCOMPARE(leiaute.paginas.size(), qsizetype(2));
        QCOMPARE(leiaute.paginaDaSecao, (std::array<int, 6>{1, 1, 2, 2, 2, 2}));
        QStringList segunda{QStringLiteral("Prazo: t6"),         QStringLiteral("Prazo Exec. >"),
                            QStringLiteral("Resultados: t7"),    QStringLiteral("Resultados >"),
                            QStringLiteral("Avaliação: t8"),     QStringLiteral("Avaliação >"),
                            QStringLiteral("Revisão Geral: rev")};
        // The label is read before its boxes.
        for (int i = 0; i < 6; i += 2)
            segunda.swapItemsAt(i, i + 1);
        if (tela)
            segunda.prepend(QStringLiteral("Plano: plano.xml - Data: 07/12/2026"));
        QCOMPARE(leiaute.paginas[1].textos, segunda);
        QVERIFY(!leiaute.paginas[0].textos.contains(QStringLiteral("Prazo: t6")));
        QCOMPARE(canto(leiaute.paginas[1], QStringLiteral("Prazo: t6")).y(),
                 (tela ? y0 : 20) + recuo);
    }

    // A row taller than a page is cut between its lines over as many pages as it needs, each
    // piece inside the usable height; the next block starts after it.
    void linhaMaisAltaQueAPaginaContinuaNasSeguintes()
    {
        Problema problema = problemaCurto();
        problema.causas[0].operacoes[0][5] = QStringLiteral("aaaa ").repeated(400);
        const int alturaUtil = y0 + 170;
        const LeiauteOrganograma leiaute = montar({problema}, 0, medidasConhecidas(alturaUtil));

        QVERIFY(leiaute.paginas.size() > 3);
        QCOMPARE(leiaute.paginaDaSecao[2], 2);
        QCOMPARE(leiaute.paginaDaSecao[5], static_cast<int>(leiaute.paginas.size()));
        QString caixas; // the texts of the boxes, in order
        for (const PaginaOrganograma &pagina : leiaute.paginas) {
            for (const PecaOrganograma &peca : pagina.pecas) {
                const bool texto = peca.tipo == PecaOrganograma::Tipo::Texto;
                QVERIFY(std::max(peca.area.topo, peca.area.base) + (texto ? passo + recuo : 0) <=
                        alturaUtil);
                if (texto && peca.area.esquerda == 124)
                    caixas += peca.texto;
            }
        }
        QVERIFY(caixas.contains(QStringLiteral("Prazo: ") + problema.causas[0].operacoes[0][5] +
                                QStringLiteral("Resultados: t7")));
    }

    void problemaForaDaListaNaoTemPaginas_data()
    {
        QTest::addColumn<int>("problema");
        QTest::newRow("negativo") << -1;
        QTest::newRow("depois do último") << 1;
    }

    void problemaForaDaListaNaoTemPaginas()
    {
        QFETCH(int, problema);
        const DocumentoXml documento = amostra::planoComAnalise({problemaCurto()});
        Organograma desenho;
        desenho.medidasTela({QSize(800, 600), 96, 0, QSize()});
        desenho.definirPlano(documento.secoes(), QStringLiteral("plano.xml"));
        desenho.montar(0, 0);
        desenho.pintarPagina(1);
        const QImage antes = desenho.imagem();

        QVERIFY(desenho.montar(problema, 0).paginas.isEmpty());
        desenho.pintarPagina(1);
        QCOMPARE(desenho.imagem(), antes);
    }

    void planoSemProblemasMostraSoOTitulo()
    {
        const LeiauteOrganograma leiaute = montar({});
        QCOMPARE(leiaute.paginas.size(), qsizetype(1));
        QCOMPARE(leiaute.paginas[0].textos,
                 QStringList{QStringLiteral("Plano: plano.xml - Data: 07/12/2026")});
        QVERIFY(molduras(leiaute.paginas[0]).isEmpty());
    }

    void problemaSemCausasMostraUmaCausaVazia()
    {
        Problema problema = problemaCurto();
        problema.causas.clear();
        const DocumentoXml documento = amostra::planoComAnalise({problema});
        Organograma desenho;
        desenho.definirPlano(documento.secoes(), QStringLiteral("plano.xml"));
        desenho.medidasTela({QSize(800, 600), 96, 0, QSize()});
        const QStringList textos = desenho.montar(0, -1).paginas[0].textos;
        QVERIFY(textos.contains(QStringLiteral("C1: ")));
        QVERIFY(!textos.contains(QStringLiteral("Operações >")));
        QVERIFY(textos.contains(QStringLiteral("Revisão Geral: rev")));
    }

    void medidasDeTela_data()
    {
        QTest::addColumn<QSize>("tela");
        QTest::addColumn<int>("impressoras");
        QTest::addColumn<QSize>("pagina");
        QTest::addColumn<int>("margem");
        QTest::addColumn<QSize>("imagem");

        QTest::newRow("sem impressora, tela de 1000")
            << QSize(1920, 1000) << 0 << QSize() << 25 << QSize(626, 899);
        QTest::newRow("sem impressora, tela de 768")
            << QSize(1366, 768) << 0 << QSize() << 19 << QSize(481, 691);
        QTest::newRow("página de retrato")
            << QSize(800, 600) << 1 << QSize(4961, 7016) << 15 << QSize(381, 539);
        QTest::newRow("página deitada")
            << QSize(1280, 1024) << 1 << QSize(7016, 4961) << 25 << QSize(1151, 813);
        QTest::newRow("página ignorada sem impressora")
            << QSize(800, 600) << 0 << QSize(7016, 4961) << 15 << QSize(375, 539);
    }

    void medidasDeTela()
    {
        QFETCH(QSize, tela);
        QFETCH(int, impressoras);
        QFETCH(QSize, pagina);
        QFETCH(int, margem);
        QFETCH(QSize, imagem);
        Organograma desenho;
        desenho.medidasTela({tela, 96, impressoras, pagina});

        const MedidasOrganograma &m = desenho.medidas();
        QCOMPARE(m.espessura, 2);
        QCOMPARE(m.espacoVertical, 10);
        QCOMPARE(m.espacoHorizontal, 10);
        QCOMPARE(m.recuo, 4);
        QCOMPARE(m.margem, margem);
        QCOMPARE(m.larguraUtil, imagem.width() - 2 * margem);
        QCOMPARE(m.alturaUtil, imagem.height() - 2 * margem);
        QVERIFY(m.tela);
        QCOMPARE(desenho.imagem().size(), imagem);
        QCOMPARE(desenho.imagem().logicalDpiY(), 96);
        QCOMPARE(m.colunaRotulos, linhas.largura(QStringLiteral("XXXXXXXXXXXX")) + margem);
        QVERIFY(m.colunaRotulos > margem + 12);
    }

    // Pages of any size get the printer metrics, even those at which the chart used to give up.
    void medidasDaImpressora_data()
    {
        QTest::addColumn<QSize>("pagina");
        QTest::addColumn<int>("margem");
        QTest::newRow("A4 a 600 dpi") << QSize(4961, 7016) << 350;
        QTest::newRow("página enorme") << QSize(12000, 16000) << 800;
    }

    void medidasDaImpressora()
    {
        QFETCH(QSize, pagina);
        QFETCH(int, margem);
        const QuebraLinhas impressora = linhasEm(600);
        const MedidasOrganograma m = medidasDoPapel(pagina, impressora);
        QCOMPARE(m.espessura, 16);
        QCOMPARE(m.espacoVertical, 60);
        QCOMPARE(m.espacoHorizontal, 80);
        QCOMPARE(m.recuo, 32);
        QCOMPARE(m.margem, margem);
        QCOMPARE(m.larguraUtil, pagina.width() - 2 * margem);
        QCOMPARE(m.alturaUtil, pagina.height() - 2 * margem);
        QVERIFY(!m.tela);
        const int xs = impressora.largura(QStringLiteral("XXXXXXXXXXXX"));
        QCOMPARE(m.colunaRotulos, xs + margem);
        // Twelve capitals of an 83-pixel font are several hundred pixels wide.
        QVERIFY(xs > 12 * 40);
    }

    // The picture is measured at the screen's resolution at every change of screen: what was
    // learnt at another resolution is not used again.
    void medidasSeguemAResolucaoDaTela_data()
    {
        QTest::addColumn<QList<int>>("resolucoes");
        QTest::newRow("comum, depois ampliada") << QList<int>{96, 120};
        QTest::newRow("ampliada, depois comum") << QList<int>{120, 96};
    }

    void medidasSeguemAResolucaoDaTela()
    {
        QFETCH(QList<int>, resolucoes);
        Problema problema = problemaCurto();
        problema.revisao =
            QStringLiteral("Reunião com as famílias — “busca ativa”; ônibus! ").repeated(6);
        const DocumentoXml documento = amostra::planoComAnalise({problema});
        Organograma desenho;
        desenho.definirPlano(documento.secoes(), QStringLiteral("plano.xml"));
        QList<QStringList> textos;
        for (const int resolucao : resolucoes) {
            desenho.medidasTela({QSize(800, 600), resolucao, 0, QSize()});
            Organograma novo;
            novo.definirPlano(documento.secoes(), QStringLiteral("plano.xml"));
            novo.medidasTela({QSize(800, 600), resolucao, 0, QSize()});
            QCOMPARE(desenho.montar(0, 0).paginas[0].pecas, novo.montar(0, 0).paginas[0].pecas);
            textos.append(desenho.leiaute().paginas[0].textos);
        }
        QVERIFY(textos[0] != textos[1]); // the resolutions really break the texts apart
    }

    void telaTemBordaPretaDaEspessuraDaCaneta()
    {
        Organograma desenho;
        desenho.medidasTela({QSize(800, 600), 96, 0, QSize()});
        const DocumentoXml documento = amostra::planoComAnalise({problemaCurto()});
        desenho.definirPlano(documento.secoes(), QStringLiteral("plano.xml"));
        desenho.montar(0, 0);
        desenho.pintarPagina(1);

        const QImage &imagem = desenho.imagem();
        const int meio = imagem.height() / 2;
        QCOMPARE(imagem.pixelColor(0, meio), QColor(Qt::black));
        QCOMPARE(imagem.pixelColor(1, meio), QColor(Qt::black));
        QCOMPARE(imagem.pixelColor(2, meio), QColor(Qt::white));
        QCOMPARE(imagem.pixelColor(imagem.width() - 2, meio), QColor(Qt::black));
        QCOMPARE(imagem.pixelColor(imagem.width() - 3, meio), QColor(Qt::white));
        // The problem box's outline, in the problem's colour, on the left edge at L.
        const int l = desenho.medidas().colunaRotulos;
        const int topo = desenho.medidas().margem + 2 * linhas.alturaTexto();
        QCOMPARE(imagem.pixelColor(l, topo + 5), QColor(255, 0, 0));
    }
};

SORVANE_TESTE_MAIN(TesteOrganograma)
#include "tst_organograma.moc"

#include "documents/Organograma.h"
#include "support/Teste.h"
#include "support/organograma/PlanoOrganograma.h"
#include "support/organograma/SuperficieGravadora.h"

#include <QFontMetrics>
#include <QGuiApplication>

using planoOrganograma::Causa;
using planoOrganograma::Problema;

// The chart's layout rules, drawn on a recording surface with known metrics, so that boxes,
// bars, labels and page breaks come out in exact pixels.
class TesteOrganograma : public QObject {
    Q_OBJECT

private:
    // 96 dpi: the 10-point font is 13 pixels high and lines are 15 pixels apart.
    static constexpr int passo = 15;
    static constexpr int recuo = 4;

    static MedidasOrganograma medidasConhecidas(int alturaUtil = 760)
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
        return m;
    }

    std::unique_ptr<SuperficieGravadora> superficie;
    std::unique_ptr<Organograma> organograma;

    void preparar(int alturaUtil = 760)
    {
        superficie = std::make_unique<SuperficieGravadora>(QSize(600, 800), 96);
        organograma = std::make_unique<Organograma>();
        organograma->definirMedidas(medidasConhecidas(alturaUtil), superficie.get(),
                                    [this] { return superficie->novaPagina(); });
    }

    int largura(const QString &texto) const { return organograma->larguraTexto(texto); }

    static QPolygon contorno(const Retangulo &r)
    {
        return QPolygon({QPoint(r.esquerda, r.topo), QPoint(r.direita, r.topo),
                         QPoint(r.direita, r.base), QPoint(r.esquerda, r.base),
                         QPoint(r.esquerda, r.topo)});
    }

    static Retangulo caixaDe(const LinhaGravada &linha)
    {
        const QRect area = linha.pontos.boundingRect();
        return {area.left(), area.top(), area.right(), area.bottom()};
    }

    // One problem, one indicator, one cause with one operation: every box is one line.
    static Problema problemaCurto(QStringList indicadores = {QStringLiteral("ind")})
    {
        Problema problema;
        problema.nome = QStringLiteral("Evasão");
        problema.cor = 0x0000FF;
        problema.indicadores = indicadores;
        problema.causas = {
            Causa{QStringLiteral("Transporte"), {planoOrganograma::operacao("t")}, {}}};
        problema.revisao = QStringLiteral("rev");
        return problema;
    }

    void desenharPlano(const QVector<Problema> &problemas, int problema, int causa, int pagina)
    {
        documento = planoOrganograma::montar(problemas);
        organograma->definirPlano(documento.secoes(), QStringLiteral("plano.xml"));
        organograma->desenharOrganograma(problema, causa, pagina);
    }

    DocumentoXml documento;

private Q_SLOTS:
    void init()
    {
        paginaDaSecao.fill(1);
        preparar();
    }

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
        SuperficieGravadora pagina(QSize(1000, 1000), pontosPorPolegada);
        Organograma desenho;
        desenho.definirMedidas(medidasConhecidas(), &pagina);
        QCOMPARE(desenho.alturaFontePixels(), alturaFonte);
        QCOMPARE(desenho.passoLinha(), passoLinha);
    }

    // The box's available width is the width of `referencia` plus `folga`.
    void textoQuebraNoUltimoDelimitador_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("referencia");
        QTest::addColumn<int>("folga");
        QTest::addColumn<QStringList>("linhas");

        QTest::newRow("vazio: só o recuo")
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
        const int caixa = largura(referencia) + folga + 2 * recuo;
        const int x = 37;
        const int y = 51;

        const Retangulo r = organograma->desenharTexto(x, y, caixa, texto);

        QCOMPARE(r, (Retangulo{x, y, x + caixa,
                               y + static_cast<int>(linhas.size()) * passo + 2 * recuo}));
        QCOMPARE(superficie->textosDaPagina(1), linhas);
        for (int i = 0; i < superficie->textos.size(); ++i)
            QCOMPARE(superficie->textos[i].canto, QPoint(x + recuo, y + recuo + i * passo));
        QVERIFY(superficie->linhas.isEmpty()); // no outline of its own
    }

    void linhaDeSecaoSemOperacoesNaoDesenhaNada()
    {
        const Retangulo r = organograma->desenharSecao(120, 100, {QStringLiteral("Operações >")});
        QCOMPARE(r, (Retangulo{120, 100, 560 - 120, 100}));
        QVERIFY(superficie->textos.isEmpty());
        QVERIFY(superficie->linhas.isEmpty());
        QVERIFY(superficie->retangulos.isEmpty());
    }

    // Single-line items: every box is 2D + one line high, so the row is fixed in pixels.
    void linhaDeSecaoEmColunas_data()
    {
        QTest::addColumn<int>("operacoes");
        QTest::addColumn<int>("coluna");
        QTest::newRow("uma operação") << 1 << 440;
        QTest::newRow("duas operações") << 2 << 220;
        QTest::newRow("três operações") << 3 << 146;
    }

    void linhaDeSecaoEmColunas()
    {
        QFETCH(int, operacoes);
        QFETCH(int, coluna);
        const int x = 120;
        const int y = 100;
        const QColor cores[] = {QColor(0, 0, 255), QColor(0, 128, 0), QColor(128, 128, 128)};
        QStringList textos;
        for (int i = 0; i < operacoes; ++i)
            textos.append(QStringLiteral("Prazo: %1").arg(i + 1));
        textos.append(QStringLiteral("Prazo Exec. >"));

        const Retangulo r = organograma->desenharSecao(x, y, textos);

        const int baseCaixa = y + passo + 2 * recuo; // 123
        const int base = baseCaixa + 10;             // 133
        const int ultimaDireita = x + (operacoes - 1) * (coluna + 10) + coluna;
        QCOMPARE(r, (Retangulo{x, y, ultimaDireita, base}));
        QCOMPARE(superficie->linhas.size(), operacoes);
        QCOMPARE(superficie->retangulos.size(), operacoes);
        for (int i = 0; i < operacoes; ++i) {
            const int esquerda = x + i * (coluna + 10);
            QCOMPARE(superficie->linhas[i].pontos,
                     contorno({esquerda, y, esquerda + coluna, baseCaixa}));
            QCOMPARE(superficie->linhas[i].cor, cores[i]);
            const int barra = x + coluna / 2 + i * (coluna + 10);
            QCOMPARE(superficie->retangulos[i].area, QRect(barra, baseCaixa, 2, base - baseCaixa));
            QCOMPARE(superficie->retangulos[i].cor, cores[i]);
        }
        const TextoGravado *rotulo = superficie->procurar(QStringLiteral("Prazo Exec. >"));
        QVERIFY(rotulo);
        QCOMPARE(rotulo->canto, QPoint(20, y + (base - y) / 2 - organograma->alturaTexto()));
    }

    void barrasDescemAteABaseComumDaLinha()
    {
        const QString longo = QStringLiteral("aaaa ").repeated(40);
        const Retangulo r = organograma->desenharSecao(
            120, 100,
            {QStringLiteral("a"), longo, QStringLiteral("a"), QStringLiteral("Rótulo >")});

        const Retangulo curta = caixaDe(superficie->linhas[0]);
        const Retangulo alta = caixaDe(superficie->linhas[1]);
        QVERIFY(alta.base > curta.base);
        QCOMPARE(r.base, alta.base + 10);
        for (int i = 0; i < 3; ++i) {
            const Retangulo caixa = caixaDe(superficie->linhas[i]);
            QCOMPARE(superficie->retangulos[i].area.top(), caixa.base);
            QCOMPARE(superficie->retangulos[i].area.bottom() + 1, r.base);
        }
        QCOMPARE(superficie->procurar(QStringLiteral("Rótulo >"))->canto.y(),
                 100 + (r.base - 100) / 2 - organograma->alturaTexto());
    }

    void verificarPaginaQuebraSoQuandoPassaDaAlturaUtil_data()
    {
        QTest::addColumn<bool>("imprimindo");
        QTest::addColumn<int>("base");
        QTest::addColumn<bool>("quebrou");
        QTest::newRow("na altura útil cabe") << false << 760 << false;
        QTest::newRow("um pixel além, na tela: continua abaixo do título") << false << 761 << true;
        QTest::newRow("um pixel além, no papel: nova página da margem") << true << 761 << true;
    }

    void verificarPaginaQuebraSoQuandoPassaDaAlturaUtil()
    {
        QFETCH(bool, imprimindo);
        QFETCH(int, base);
        QFETCH(bool, quebrou);
        if (imprimindo)
            QVERIFY(organograma->iniciarImpressao());
        organograma->paginaAtual = 2;
        organograma->totalPaginas = 3;

        const int topo = imprimindo ? 20 : 20 + 2 * organograma->alturaTexto();
        QCOMPARE(organograma->verificarPagina(700, base), quebrou ? topo : base);

        QCOMPARE(organograma->paginaAtual, quebrou ? 3 : 2);
        QCOMPARE(organograma->totalPaginas, quebrou ? 4 : 3);
        QCOMPARE(superficie->pagina, quebrou && imprimindo ? 2 : 1);
        // Nothing is painted over: what does not fit is never drawn there.
        QVERIFY(superficie->retangulos.isEmpty());
        organograma->concluirImpressao();
    }

    void cabecalhoDaPrimeiraPagina()
    {
        desenharPlano({problemaCurto({QStringLiteral("um"), QStringLiteral("dois")})}, 0, 0,
                      Organograma::paginaContagem);

        const int h = organograma->alturaTexto();
        const int y0 = 20 + 2 * h;
        const int linha = passo + 2 * recuo;
        QCOMPARE(superficie->procurar(QStringLiteral("Plano: plano.xml - Data: 07/12/2026"))->canto,
                 QPoint(20, 20));
        // Problem box, indicators outline, cause box: outlines 1, 2 and 3.
        const Retangulo problema{120, y0, 570, y0 + linha};
        QCOMPARE(superficie->linhas[0].pontos, contorno(problema));
        QCOMPARE(superficie->linhas[0].cor, QColor(255, 0, 0));
        QCOMPARE(superficie->procurar(QStringLiteral("Problema >"))->canto,
                 QPoint(20, y0 + (linha - h) / 2));
        // The indicators follow one another with no gap, inside one outline.
        const int y1 = problema.base + 2;
        QCOMPARE(superficie->linhas[1].pontos,
                 contorno({120, y1, 570, y1 + 2 * passo + 2 * recuo}));
        QCOMPARE(superficie->procurar(QStringLiteral("I1: um"))->canto, QPoint(124, y1 + 4));
        QCOMPARE(superficie->procurar(QStringLiteral("I2: dois"))->canto,
                 QPoint(124, y1 + 4 + passo));
        const int y2 = y1 + 2 * passo + 2 * recuo + 10;
        QCOMPARE(superficie->linhas[2].pontos, contorno({130, y2, 560, y2 + linha}));
        QCOMPARE(superficie->linhas[2].cor, QColor(128, 128, 128));
        QCOMPARE(superficie->procurar(QStringLiteral("C1: Transporte"))->canto,
                 QPoint(134, y2 + 4));
        QCOMPARE(superficie->procurar(QStringLiteral("Causas >"))->canto,
                 QPoint(20, y2 + (linha - h) / 2));
        // The first row starts V below the cause box.
        QCOMPARE(superficie->procurar(QStringLiteral("O1: (QUEM) t1 (O QUE) t2"))->canto,
                 QPoint(124, y2 + linha + 10 + 4));
    }

    void problemaSemIndicadoresTemContornoAchatado()
    {
        desenharPlano({problemaCurto({})}, 0, 0, Organograma::paginaContagem);
        const int h = organograma->alturaTexto();
        const int baseProblema = 20 + 2 * h + passo + 2 * recuo;
        const int y1 = baseProblema + 2;
        // From P below the problem box up to its bottom.
        QCOMPARE(superficie->linhas[1].pontos, contorno({120, y1, 570, baseProblema}));
        QCOMPARE(superficie->procurar(QStringLiteral("Indicadores >"))->canto,
                 QPoint(20, y1 + (baseProblema - y1 - h) / 2));
        QCOMPARE(caixaDe(superficie->linhas[2]).topo, baseProblema + 10);
    }

    void causaSemOperacoesVaiDiretoARevisao()
    {
        Problema problema = problemaCurto();
        problema.causas = {Causa{QStringLiteral("sem ações"), {}, {}}};
        desenharPlano({problema}, 0, 0, Organograma::paginaContagem);

        for (const QString &rotulo :
             {QStringLiteral("Operações >"), QStringLiteral("Recursos >"),
              QStringLiteral("Prazo Exec. >"), QStringLiteral("Resultados >"),
              QStringLiteral("Avaliação >")})
            QVERIFY2(!superficie->procurar(rotulo), qPrintable(rotulo));
        QCOMPARE(superficie->linhas.size(), 4);
        const Retangulo causa = caixaDe(superficie->linhas[2]);
        const Retangulo revisao = caixaDe(superficie->linhas[3]);
        QCOMPARE(revisao,
                 (Retangulo{120, causa.base + 10, 570, causa.base + 10 + passo + 2 * recuo}));
        QCOMPARE(superficie->linhas[3].cor, QColor(255, 0, 0));
        QVERIFY(superficie->procurar(QStringLiteral("Revisão Geral: rev")));
    }

    void contagemDistribuiSecoesPelasPaginas()
    {
        // Header and two rows fit; the third row goes to page 2 with the rest.
        const int y0 = 20 + 2 * TesteOrganograma::alturaX();
        preparar(y0 + 170);
        desenharPlano({problemaCurto()}, 0, 0, Organograma::paginaContagem);

        QCOMPARE(organograma->totalPaginas, 2);
        QCOMPARE(paginaDaSecao, (std::array<int, 6>{1, 1, 2, 2, 2, 2}));
        // Drawn once, below the title of page 2, never where it does not fit.
        QList<int> alturas;
        for (const TextoGravado &texto : superficie->textos) {
            if (texto.texto == QStringLiteral("Prazo: t6"))
                alturas.append(texto.canto.y());
        }
        QCOMPARE(alturas, QList<int>{y0 + 4});
    }

    void paginaDoisMostraSoOTituloESuasSecoes()
    {
        const int y0 = 20 + 2 * TesteOrganograma::alturaX();
        preparar(y0 + 170);
        desenharPlano({problemaCurto()}, 0, 0, Organograma::paginaContagem);
        superficie->limpar();

        organograma->desenharOrganograma(0, 0, 2);

        QCOMPARE(organograma->paginaAtual, 2);
        QCOMPARE(superficie->textosDaPagina(1),
                 (QStringList{QStringLiteral("Plano: plano.xml - Data: 07/12/2026"),
                              QStringLiteral("Prazo: t6"), QStringLiteral("Prazo Exec. >"),
                              QStringLiteral("Resultados: t7"), QStringLiteral("Resultados >"),
                              QStringLiteral("Avaliação: t8"), QStringLiteral("Avaliação >"),
                              QStringLiteral("Revisão Geral: rev")}));
        // The first section starts just below the title.
        QCOMPARE(superficie->procurar(QStringLiteral("Prazo: t6"))->canto.y(), y0 + 4);
    }

    void passagemDePaginaMostraAPaginaPedida()
    {
        // A page pass paints its page only, and the page shown and the count stay as counted,
        // so paging back and forth keeps working.
        preparar(20 + 2 * TesteOrganograma::alturaX() + 170);
        Problema problema = problemaCurto();
        problema.causas[0].operacoes[0][5] = QStringLiteral("aaaa ").repeated(400);
        desenharPlano({problema}, 0, 0, Organograma::paginaContagem);
        const int total = organograma->totalPaginas;
        QVERIFY(total > 3);
        superficie->limpar();

        organograma->desenharOrganograma(0, 0, total);

        QCOMPARE(organograma->paginaAtual, total);
        QCOMPARE(organograma->totalPaginas, total);
        QVERIFY(superficie->procurar(QStringLiteral("Revisão Geral: rev")));
        QVERIFY(!superficie->procurar(QStringLiteral("Evasão")));
    }

    void tituloImpressoSoNaPrimeiraPagina()
    {
        const int y0 = 20 + 2 * TesteOrganograma::alturaX();
        preparar(y0 + 170);
        documento = planoOrganograma::montar({problemaCurto()});
        organograma->definirPlano(documento.secoes(), QStringLiteral("plano.xml"));
        QVERIFY(organograma->iniciarImpressao());
        QVERIFY(organograma->imprimindo());
        organograma->desenharOrganograma(0, 0, Organograma::paginaContagem);
        QVERIFY(organograma->concluirImpressao());
        QVERIFY(!organograma->imprimindo());

        QCOMPARE(superficie->pagina, 2);
        QVERIFY(superficie->textosDaPagina(1).contains(
            QStringLiteral("Plano: plano.xml - Data: 07/12/2026")));
        QVERIFY(!superficie->textosDaPagina(2).join(QString()).contains(QStringLiteral("Plano:")));
        QVERIFY(superficie->textosDaPagina(2).contains(QStringLiteral("Revisão Geral: rev")));
    }

    void posicaoForaDaListaNaoDesenha_data()
    {
        QTest::addColumn<int>("problema");
        QTest::newRow("negativa") << -1;
        QTest::newRow("depois do último") << 1;
    }

    void posicaoForaDaListaNaoDesenha()
    {
        QFETCH(int, problema);
        organograma->paginaAtual = 4;
        desenharPlano({problemaCurto()}, problema, 0, 1);
        QVERIFY(superficie->textos.isEmpty());
        QVERIFY(superficie->retangulos.isEmpty());
        QCOMPARE(organograma->paginaAtual, 4);
    }

    void planoSemProblemasMostraSoOTitulo()
    {
        desenharPlano({}, 0, 0, Organograma::paginaContagem);
        QCOMPARE(superficie->textosDaPagina(1),
                 QStringList{QStringLiteral("Plano: plano.xml - Data: 07/12/2026")});
        QVERIFY(superficie->linhas.isEmpty());
    }

    void problemaSemCausasMostraUmaCausaVazia()
    {
        Problema problema = problemaCurto();
        problema.causas.clear();
        desenharPlano({problema}, 0, -1, Organograma::paginaContagem);
        QVERIFY(superficie->procurar(QStringLiteral("C1: ")));
        QVERIFY(!superficie->procurar(QStringLiteral("Operações >")));
        QVERIFY(superficie->procurar(QStringLiteral("Revisão Geral: rev")));
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
        QCOMPARE(desenho.imagem().size(), imagem);
        QCOMPARE(desenho.imagem().logicalDpiY(), 96);
        QCOMPARE(m.colunaRotulos, desenho.larguraTexto(QStringLiteral("XXXXXXXXXXXX")) + margem);
        QVERIFY(m.colunaRotulos > margem + 12);
    }

    void medidasDaImpressoraNumaPaginaA4De600Dpi()
    {
        SuperficieGravadora a4(QSize(4961, 7016), 600);
        Organograma desenho;
        desenho.medidasImpressora(a4, [] { return true; });

        const MedidasOrganograma &m = desenho.medidas();
        QCOMPARE(m.espessura, 16);
        QCOMPARE(m.espacoVertical, 60);
        QCOMPARE(m.espacoHorizontal, 80);
        QCOMPARE(m.recuo, 32);
        QCOMPARE(m.margem, 350);
        QCOMPARE(m.larguraUtil, 4261);
        QCOMPARE(m.alturaUtil, 6316);
        QCOMPARE(desenho.alturaFontePixels(), 83);
        QCOMPARE(desenho.passoLinha(), 99);
        const int xs =
            QFontMetrics(desenho.fonte(), &a4).horizontalAdvance(QStringLiteral("XXXXXXXXXXXX"));
        QCOMPARE(m.colunaRotulos, xs + 350);
        // Twelve capitals of an 83-pixel font are several hundred pixels wide.
        QVERIFY(xs > 12 * 40);
    }

    void paginasEnormesTambemRecebemAsMedidasDaImpressora()
    {
        SuperficieGravadora grande(QSize(12000, 16000), 600);
        Organograma desenho;
        desenho.medidasImpressora(grande, [] { return true; });
        QCOMPARE(desenho.medidas().margem, 800);
        QCOMPARE(desenho.medidas().larguraUtil, 10400);
        QCOMPARE(desenho.medidas().espessura, 16);

        documento = planoOrganograma::montar({problemaCurto()});
        desenho.definirPlano(documento.secoes(), QStringLiteral("plano.xml"));
        QVERIFY(desenho.iniciarImpressao());
        desenho.desenharOrganograma(0, 0, Organograma::paginaContagem);
        desenho.concluirImpressao();
        QVERIFY(grande.procurar(QStringLiteral("Revisão Geral: rev")));
    }

    void telaTemBordaPretaDaEspessuraDaCaneta()
    {
        Organograma desenho;
        desenho.medidasTela({QSize(800, 600), 96, 0, QSize()});
        documento = planoOrganograma::montar({problemaCurto()});
        desenho.definirPlano(documento.secoes(), QStringLiteral("plano.xml"));
        desenho.desenharOrganograma(0, 0, 1);

        const QImage &imagem = desenho.imagem();
        const int meio = imagem.height() / 2;
        QCOMPARE(imagem.pixelColor(0, meio), QColor(Qt::black));
        QCOMPARE(imagem.pixelColor(1, meio), QColor(Qt::black));
        QCOMPARE(imagem.pixelColor(2, meio), QColor(Qt::white));
        QCOMPARE(imagem.pixelColor(imagem.width() - 2, meio), QColor(Qt::black));
        QCOMPARE(imagem.pixelColor(imagem.width() - 3, meio), QColor(Qt::white));
        // The problem box's outline, in the problem's colour, on the left edge at L.
        const int l = desenho.medidas().colunaRotulos;
        const int y0 = desenho.medidas().margem + 2 * desenho.alturaTexto();
        QCOMPARE(imagem.pixelColor(l, y0 + 5), QColor(255, 0, 0));
    }

public:
    static int alturaX()
    {
        SuperficieGravadora tela(QSize(600, 800), 96);
        Organograma desenho;
        desenho.definirMedidas(medidasConhecidas(), &tela);
        return desenho.alturaTexto();
    }
};

SORVANE_TESTE_MAIN(TesteOrganograma)
#include "tst_organograma.moc"

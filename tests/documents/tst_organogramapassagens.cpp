#include "documents/Organograma.h"
#include "support/PlanoMaximo.h"
#include "support/Teste.h"
#include "support/organograma/PlanoOrganograma.h"
#include "support/organograma/SuperficieGravadora.h"

using planoOrganograma::Causa;
using planoOrganograma::Problema;

// The screen picture's passes: the count pass there only lays the chart out, and what it
// learns (pages, line breaks, character widths) must give the very pictures that a count pass
// painting everything gives, page after page, on any surface the chart moves between.
class TesteOrganogramaPassagens : public QObject {
    Q_OBJECT

private:
    static inline const QSize tela{800, 600};

    struct Paginas {
        int total = 0;
        std::array<int, secoesOrganograma> secoes{};
        QList<QImage> imagens;
    };

    // The count pass, then every page, as the page buttons show them.
    static Paginas percorrer(Organograma &desenho, const QImage &imagem, int causa)
    {
        Paginas resultado;
        desenho.desenharOrganograma(0, causa, Organograma::paginaContagem);
        resultado.total = desenho.totalPaginas;
        resultado.secoes = paginaDaSecao;
        for (int pagina = 1; pagina <= resultado.total; ++pagina) {
            desenho.desenharOrganograma(0, causa, pagina);
            resultado.imagens.append(imagem);
        }
        return resultado;
    }

    static Problema problemaComTextos(const QString &texto, int repeticoes)
    {
        Problema problema;
        problema.nome = QStringLiteral("Evasão escolar no turno da noite");
        problema.cor = 0x0000FF;
        problema.indicadores = {QStringLiteral("Faltas: 30% às sextas-feiras"),
                                QStringLiteral("Notas baixas/médias em Matemática")};
        QVector<QStringList> operacoes;
        for (int i = 0; i < 3; ++i) {
            QStringList op = planoOrganograma::operacao(QStringLiteral("op%1 ").arg(i));
            for (QString &campo : op)
                campo += texto.repeated(repeticoes);
            operacoes.append(op);
        }
        problema.causas = {Causa{QStringLiteral("Transporte escolar irregular"), operacoes, {}}};
        problema.revisao = texto.repeated(2 * repeticoes);
        return problema;
    }

    // A chart on an ordinary image: its count pass paints, as on paper.
    static Paginas referencia(const Organograma &tela, const ListaNos &secoes, int causa)
    {
        QImage imagem(tela.imagem().size(), QImage::Format_RGB32);
        imagem.setDotsPerMeterX(tela.imagem().dotsPerMeterX());
        imagem.setDotsPerMeterY(tela.imagem().dotsPerMeterY());
        imagem.fill(Qt::white);
        Organograma desenho;
        desenho.definirMedidas(tela.medidas(), &imagem);
        desenho.definirPlano(secoes, QStringLiteral("plano.xml"));
        return percorrer(desenho, imagem, causa);
    }

    // The lines `desenho` breaks `texto` into, in a box `largura` wide.
    static QStringList linhas(Organograma &desenho, SuperficieGravadora &superficie,
                              const QString &texto, int largura)
    {
        superficie.limpar();
        desenho.desenharTexto(0, 0, largura, texto);
        return superficie.textosDaPagina(1);
    }

    static MedidasOrganograma medidasFixas()
    {
        MedidasOrganograma m;
        m.espessura = 2;
        m.recuo = 4;
        m.espacoVertical = 10;
        m.espacoHorizontal = 10;
        m.colunaRotulos = 120;
        m.margem = 20;
        m.larguraUtil = 560;
        m.alturaUtil = 760;
        return m;
    }

private Q_SLOTS:
    void init() { paginaDaSecao.fill(1); }

    void paginasDaTelaIguaisAsDeUmaContagemPintada_data()
    {
        QTest::addColumn<QByteArray>("plano");
        QTest::addColumn<int>("causa");
        QTest::addColumn<int>("paginasMinimas");

        const auto plano = [](const QVector<Problema> &problemas) {
            return planoOrganograma::montar(problemas).paraBytes();
        };
        QTest::newRow("uma página")
            << plano({problemaComTextos(QStringLiteral(" curto"), 1)}) << 0 << 1;
        QTest::newRow("várias páginas, acentos e delimitadores")
            << plano({problemaComTextos(QStringLiteral(" ação: já/não-sim; fim! "), 12)}) << 0 << 3;
        QTest::newRow("palavras mais largas que as colunas")
            << plano({problemaComTextos(QStringLiteral("Wwwwwwwwwwwwwwwwwwwwwwwwwwwww"), 8)}) << 0
            << 2;
        Problema alta = problemaComTextos(QStringLiteral(" curto"), 1);
        alta.causas[0].operacoes[0][5] = QStringLiteral("aaaa ").repeated(1200);
        QTest::newRow("linha mais alta que a página") << plano({alta}) << 0 << 3;
        QTest::newRow("o maior plano, terceira causa") << planoMaximo() << 2 << 2;
    }

    void paginasDaTelaIguaisAsDeUmaContagemPintada()
    {
        QFETCH(QByteArray, plano);
        QFETCH(int, causa);
        QFETCH(int, paginasMinimas);
        DocumentoXml documento;
        documento.carregarBytes(plano);
        const ListaNos secoes = documento.secoes();

        Organograma desenho;
        desenho.medidasTela({tela, 96, 0, QSize()});
        desenho.definirPlano(secoes, QStringLiteral("plano.xml"));
        const Paginas naTela = percorrer(desenho, desenho.imagem(), causa);
        paginaDaSecao.fill(1);
        const Paginas pintadas = referencia(desenho, secoes, causa);

        QVERIFY2(naTela.total >= paginasMinimas, qPrintable(QString::number(naTela.total)));
        QCOMPARE(naTela.total, pintadas.total);
        QCOMPARE(naTela.secoes, pintadas.secoes);
        for (int i = 0; i < naTela.total; ++i)
            QVERIFY2(naTela.imagens[i] == pintadas.imagens[i],
                     qPrintable(QStringLiteral("página %1").arg(i + 1)));
    }

    void contagemNaTelaNaoPintaOQuadro()
    {
        // Page 1 repaints the whole picture at once; a count pass painting it would be thrown
        // away, and it is most of the time the chart takes to open.
        DocumentoXml documento;
        documento.carregarBytes(planoMaximo());
        Organograma desenho;
        desenho.medidasTela({tela, 96, 0, QSize()});
        desenho.definirPlano(documento.secoes(), QStringLiteral("plano.xml"));
        const QImage antes = desenho.imagem();

        desenho.desenharOrganograma(0, 0, Organograma::paginaContagem);

        QVERIFY(desenho.totalPaginas > 1);
        QCOMPARE(desenho.imagem(), antes);
    }

    // Breaks and widths found on one surface are never used on another: the same box width
    // holds different lines at another resolution.
    void quebrasSeguemASuperficie_data()
    {
        QTest::addColumn<QList<int>>("resolucoes");
        QTest::newRow("tela, papel, tela") << QList<int>{96, 600, 96};
        QTest::newRow("tela ampliada, depois comum") << QList<int>{120, 96};
        QTest::newRow("comum, depois ampliada") << QList<int>{96, 120};
    }

    void quebrasSeguemASuperficie()
    {
        QFETCH(QList<int>, resolucoes);
        const QString texto = QStringLiteral("Reunião com as famílias — “busca ativa” dos alunos "
                                             "faltosos; ônibus às 6h/7h: ≈∞ e ç-ã-õ! ")
                                  .repeated(3);
        const int largura = 300;
        const QSize folha(600, 100000); // tall enough for every line at 600 dpi

        Organograma desenho;
        std::vector<std::unique_ptr<SuperficieGravadora>> superficies;
        QList<QStringList> anteriores;
        for (const int resolucao : resolucoes) {
            superficies.push_back(std::make_unique<SuperficieGravadora>(folha, resolucao));
            SuperficieGravadora &superficie = *superficies.back();
            desenho.definirMedidas(medidasFixas(), &superficie);
            const QStringList obtidas = linhas(desenho, superficie, texto, largura);

            SuperficieGravadora nova(folha, resolucao);
            Organograma novo;
            novo.definirMedidas(medidasFixas(), &nova);
            QCOMPARE(obtidas, linhas(novo, nova, texto, largura));
            QVERIFY(obtidas.join(QString()) == texto);
            anteriores.append(obtidas);
        }
        // The resolutions really give different lines, so a reused break would show.
        QVERIFY(anteriores.first() != anteriores[1]);
    }
};

SORVANE_TESTE_MAIN(TesteOrganogramaPassagens)
#include "tst_organogramapassagens.moc"

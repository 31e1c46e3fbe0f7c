#include "documents/Organograma.h"
#include "documents/ServicoImpressao.h"
#include "documents/TfmDiagrama.h"
#include "support/InteracaoRoteirizada.h"
#include "support/PlanoAmostra.h"
#include "support/Teste.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QtMath>

using amostra::Causa;
using amostra::Problema;

// The chart window: choosers, paging, printing and PDF, with plans built in memory.
class TesteOrganogramaJanela : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<InteracaoRoteirizada> roteiro;
    std::unique_ptr<TfmDiagrama> janela;
    DocumentoXml documento;

    template <typename T> T *componente(const char *nome) const
    {
        T *achado = janela->findChild<T *>(QString::fromLatin1(nome));
        if (!achado)
            qFatal("componente %s não encontrado", nome);
        return achado;
    }
    QPushButton *botao(const char *nome) const { return componente<QPushButton>(nome); }
    QComboBox *escolha(const char *nome) const { return componente<QComboBox>(nome); }
    QWidget *quadro() const { return componente<QWidget>("imgVisualizacaoDiag"); }
    QImage imagem() const { return quadro()->grab().toImage(); }
    // The page shown and the number of pages, as a screen reader hears them.
    QPair<int, int> pagina() const
    {
        static const QRegularExpression nome(
            QStringLiteral("^Organograma, página (\\d+) de (\\d+)$"));
        const QRegularExpressionMatch achado = nome.match(quadro()->accessibleName());
        if (!achado.hasMatch())
            qFatal("nome acessível inesperado: %s", qPrintable(quadro()->accessibleName()));
        return {achado.captured(1).toInt(), achado.captured(2).toInt()};
    }

    static Problema problema(const QString &nome, const QStringList &causas, int repeticoes)
    {
        Problema novo;
        novo.nome = nome;
        novo.cor = 0x0000FF;
        novo.indicadores = {QStringLiteral("indicador")};
        for (const QString &causa : causas) {
            QStringList op = amostra::operacao(causa + QStringLiteral(" "));
            for (QString &texto : op)
                texto += QStringLiteral(" texto").repeated(repeticoes);
            novo.causas.append(Causa{causa, {op}, {}});
        }
        novo.revisao = QStringLiteral("revisão");
        return novo;
    }

    // Long enough for several pages on screen and on paper, each row shorter than a page.
    static QVector<Problema> planoLongo()
    {
        return {problema(QStringLiteral("Evasão"), {QStringLiteral("transporte")}, 100)};
    }

    static QVector<Problema> planoCurto()
    {
        return {problema(QStringLiteral("Evasão"),
                         {QStringLiteral("transporte"), QStringLiteral("horário")}, 0),
                problema(QStringLiteral("Faltas"), {QStringLiteral("saúde")}, 0)};
    }

    void montar(const QVector<Problema> &problemas)
    {
        documento = amostra::planoComAnalise(problemas);
        janela->montarOrganograma(documento.secoes(), QStringLiteral("plano.xml"));
    }

    TelaOrganograma telaAtual(int impressoras, QSize pagina) const
    {
        const QScreen *tela = QGuiApplication::primaryScreen();
        return {tela->size(), qRound(tela->logicalDotsPerInchY()), impressoras, pagina};
    }

    // The pages a chart takes with the printer metrics on a page like `modelo`.
    int paginasImpressas(const QPrinter &modelo) const
    {
        Organograma desenho;
        desenho.definirPlano(documento.secoes(), QStringLiteral("plano.xml"));
        desenho.medidasImpressora(modelo);
        return static_cast<int>(desenho.montar(0, 0).paginas.size());
    }

    static QString executar(const QString &programa, const QStringList &argumentos)
    {
        QProcess processo;
        processo.start(programa, argumentos);
        processo.waitForFinished();
        return QString::fromUtf8(processo.readAllStandardOutput());
    }

    static int paginasDoPdf(const QString &arquivo)
    {
        const QString info = executar(QStringLiteral("pdfinfo"), {arquivo});
        for (const QString &linha : info.split(u'\n')) {
            if (linha.startsWith(QStringLiteral("Pages:")))
                return linha.mid(6).trimmed().toInt();
        }
        return -1;
    }

    static QString textoDaPagina(const QString &arquivo, int pagina)
    {
        return executar(QStringLiteral("pdftotext"),
                        {QStringLiteral("-f"), QString::number(pagina), QStringLiteral("-l"),
                         QString::number(pagina), arquivo, QStringLiteral("-")});
    }

    static void exigirPoppler()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdfinfo/pdftotext (poppler-utils) não estão instalados");
    }

    // One printer installed, which prints to `arquivo`.
    static QPrinter &usarImpressoraFalsa(const QString &arquivo)
    {
        ServicoImpressao &servico = ServicoImpressao::instancia();
        servico.simularImpressorasParaTestes(1);
        servico.impressora().setOutputFormat(QPrinter::PdfFormat);
        servico.impressora().setOutputFileName(QDir::current().absoluteFilePath(arquivo));
        return servico.impressora();
    }

private Q_SLOTS:
    void init()
    {
        roteiro = std::make_unique<InteracaoRoteirizada>();
        janela = std::make_unique<TfmDiagrama>();
    }

    void cleanup()
    {
        janela.reset();
        ServicoImpressao &servico = ServicoImpressao::instancia();
        servico.simularImpressorasParaTestes(std::nullopt);
        servico.impressora().setOutputFileName(QString());
        servico.impressora().setPageOrientation(QPageLayout::Portrait);
        roteiro.reset();
    }

    void janelaComSeusComponentes()
    {
        QCOMPARE(janela->objectName(), QStringLiteral("fmDiagrama"));
        QCOMPARE(janela->windowTitle(), QStringLiteral("Organograma do Plano"));
        QVERIFY(janela->findChild<QScrollArea *>(QStringLiteral("sbImagem")));
        QVERIFY(janela->findChild<QWidget *>(QStringLiteral("imgVisualizacaoDiag")));
        QVERIFY(janela->findChild<QLabel *>(QStringLiteral("lblProblema")));
        QVERIFY(janela->findChild<QLabel *>(QStringLiteral("lblCausa")));
        QVERIFY(!botao("btnAnterior")->isEnabled());
        QVERIFY(!botao("btnProxima")->isEnabled());
        // Choice only: a position is never lost to typed text.
        QVERIFY(!escolha("cbProblemas")->isEditable());
        QVERIFY(!escolha("cbCausas")->isEditable());
    }

    void montarPreencheEscolhasEMedeATela()
    {
        montar(planoCurto());
        QCOMPARE(escolha("cbProblemas")->count(), 2);
        QCOMPARE(escolha("cbProblemas")->itemText(1), QStringLiteral("Faltas"));
        QCOMPARE(escolha("cbProblemas")->currentIndex(), 0);
        QCOMPARE(escolha("cbCausas")->count(), 2);
        QCOMPARE(escolha("cbCausas")->itemText(1), QStringLiteral("horário"));
        QCOMPARE(escolha("cbCausas")->currentIndex(), 0);

        Organograma esperado;
        esperado.medidasTela(telaAtual(ServicoImpressao::instancia().quantidadeImpressoras(),
                                       QSize(ServicoImpressao::instancia().larguraPagina(),
                                             ServicoImpressao::instancia().alturaPagina())));
        QCOMPARE(imagem().size(), esperado.imagem().size());
        QCOMPARE(quadro()->size(), esperado.imagem().size());
    }

    void proporcaoVemDaPaginaDaImpressora()
    {
        QPrinter &impressora = usarImpressoraFalsa(QStringLiteral("nao-usado.pdf"));
        impressora.setPageOrientation(QPageLayout::Landscape); // far from the default proportion
        montar(planoCurto());
        const QSize pagina(impressora.width(), impressora.height());
        Organograma esperado;
        esperado.medidasTela(telaAtual(1, pagina));
        QCOMPARE(esperado.medidas().proporcao,
                 static_cast<float>(double(pagina.width()) / pagina.height()));
        QCOMPARE(imagem().size(), esperado.imagem().size());
    }

    void umaPaginaDeixaOsDoisBotoesDesligados()
    {
        montar(planoCurto());
        QCOMPARE(pagina(), qMakePair(1, 1));
        QVERIFY(!botao("btnAnterior")->isEnabled());
        QVERIFY(!botao("btnProxima")->isEnabled());
    }

    void paginasLongasSePercorremComOsBotoes()
    {
        montar(planoLongo());
        const int total = pagina().second;
        QVERIFY2(total >= 3, qPrintable(QString::number(total)));
        QVERIFY(botao("btnProxima")->isEnabled());
        QVERIFY(!botao("btnAnterior")->isEnabled());

        QList<QImage> paginas{imagem()};
        for (int numero = 2; numero <= total; ++numero) {
            botao("btnProxima")->click();
            QCOMPARE(pagina(), qMakePair(numero, total));
            QVERIFY(botao("btnAnterior")->isEnabled());
            QCOMPARE(botao("btnProxima")->isEnabled(), numero < total);
            QVERIFY(imagem() != paginas.last());
            paginas.append(imagem());
        }
        for (int numero = total - 1; numero >= 1; --numero) {
            botao("btnAnterior")->click();
            QCOMPARE(pagina(), qMakePair(numero, total));
            QCOMPARE(imagem(), paginas[numero - 1]);
        }
        QVERIFY(!botao("btnAnterior")->isEnabled());
        QVERIFY(botao("btnProxima")->isEnabled());
        QCOMPARE(pagina(), qMakePair(1, total));
    }

    void escolherOutroProblemaRecarregaAsCausas()
    {
        montar(planoCurto());
        const QImage antes = imagem();
        escolha("cbProblemas")->setCurrentIndex(1);
        QCOMPARE(escolha("cbCausas")->count(), 1);
        QCOMPARE(escolha("cbCausas")->itemText(0), QStringLiteral("saúde"));
        QCOMPARE(escolha("cbCausas")->currentIndex(), 0);
        QVERIFY(imagem() != antes);
    }

    void escolherOutraCausaRedesenhaDoInicio()
    {
        montar(planoLongo() + planoCurto());
        botao("btnProxima")->click();
        const QImage primeira = imagem();
        escolha("cbProblemas")->setCurrentIndex(1);
        escolha("cbCausas")->setCurrentIndex(1);
        QCOMPARE(pagina().first, 1);
        QVERIFY(!botao("btnAnterior")->isEnabled());
        QVERIFY(!botao("btnProxima")->isEnabled());
        QVERIFY(imagem() != primeira);
    }

    void planoSemProblemasContinuaUsavel()
    {
        montar({});
        QCOMPARE(escolha("cbProblemas")->count(), 0);
        QCOMPARE(escolha("cbCausas")->count(), 0);
        QVERIFY(!botao("btnProxima")->isEnabled());
        // The title is drawn: the picture is not all white inside its border.
        const QImage quadro = imagem();
        const int margem = QGuiApplication::primaryScreen()->size().height() / 40;
        bool escrito = false;
        for (int x = margem; x < quadro.width() / 2 && !escrito; ++x) {
            for (int y = margem; y < margem + 15 && !escrito; ++y)
                escrito = quadro.pixelColor(x, y) != QColor(Qt::white);
        }
        QVERIFY(escrito);
        roteiro->arquivos.enqueue(QStringLiteral("vazio.pdf"));
        botao("btnSalvarPdf")->click();
        QVERIFY(roteiro->mensagens.isEmpty());
        QVERIFY(QFile::exists(QStringLiteral("vazio.pdf")));
    }

    void imprimirSemImpressoraAvisa()
    {
        ServicoImpressao::instancia().simularImpressorasParaTestes(0);
        montar(planoCurto());
        const QImage antes = imagem();
        botao("btnImprimir")->click();
        QCOMPARE(roteiro->mensagens.size(), 1);
        QCOMPARE(roteiro->mensagens[0].icone, Icone::Informacao);
        QCOMPARE(roteiro->mensagens[0].texto,
                 QStringLiteral("O sistema não possui nenhuma impressora configurada!\n"
                                "Instale e configure uma impressora e tente novamente."));
        QCOMPARE(roteiro->dialogosImpressora, 0);
        QCOMPARE(imagem(), antes);
    }

    void impressaoCanceladaNaoImprime()
    {
        usarImpressoraFalsa(QStringLiteral("cancelada.pdf"));
        montar(planoCurto());
        const QImage antes = imagem();
        botao("btnImprimir")->click();
        QCOMPARE(roteiro->dialogosImpressora, 1);
        QCOMPARE(roteiro->textosMensagens(), QStringList{QStringLiteral("Impressão cancelada")});
        QCOMPARE(roteiro->mensagens[0].icone, Icone::Informacao);
        QVERIFY(!QFile::exists(QStringLiteral("cancelada.pdf")));
        QCOMPARE(imagem(), antes);
    }

    void imprimirUsaAsMedidasDaImpressoraETituloSoNaPrimeiraPagina()
    {
        exigirPoppler();
        const QString arquivo = QStringLiteral("impresso.pdf");
        usarImpressoraFalsa(arquivo);
        montar(planoLongo());
        const int paginasTela = pagina().second;
        const int esperadas = paginasImpressas(ServicoImpressao::instancia().impressora());
        QVERIFY(esperadas >= 2);
        roteiro->impressoras.enqueue(true);

        botao("btnImprimir")->click();

        QVERIFY2(roteiro->mensagens.isEmpty(), qPrintable(roteiro->textosMensagens().join(u'|')));
        QCOMPARE(paginasDoPdf(arquivo), esperadas);
        QVERIFY(executar(QStringLiteral("pdfinfo"), {arquivo})
                    .contains(QStringLiteral("Organograma Planejamento Escolar")));
        QVERIFY(textoDaPagina(arquivo, 1).contains(QStringLiteral("Plano: plano.xml")));
        QVERIFY(textoDaPagina(arquivo, 1).contains(QStringLiteral("Problema >")));
        QVERIFY(!textoDaPagina(arquivo, 2).contains(QStringLiteral("Plano:")));
        QVERIFY(textoDaPagina(arquivo, esperadas).contains(QStringLiteral("Revisão Geral")));
        // Back on screen afterwards, at page 1.
        QCOMPARE(pagina(), qMakePair(1, paginasTela));
        QVERIFY(!botao("btnAnterior")->isEnabled());
        QVERIFY(botao("btnProxima")->isEnabled());
    }

    void salvarPdfGravaTodasAsPaginas()
    {
        exigirPoppler();
        montar(planoLongo());
        const auto modelo = ServicoImpressao::impressoraPdf(QString());
        const int esperadas = paginasImpressas(*modelo);
        QVERIFY(esperadas >= 2);
        roteiro->arquivos.enqueue(QStringLiteral("organograma salvo.pdf"));

        botao("btnSalvarPdf")->click();

        QVERIFY(roteiro->mensagens.isEmpty());
        QCOMPARE(roteiro->sugestoesArquivo, QStringList{QStringLiteral("organograma.pdf")});
        QCOMPARE(paginasDoPdf(QStringLiteral("organograma salvo.pdf")), esperadas);
    }

    void salvarPdfCanceladoOuImpossivel_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<QStringList>("mensagens");
        QTest::newRow("cancelado") << QString() << QStringList();
        const QString impossivel = QStringLiteral("pasta-que-nao-existe/organograma.pdf");
        QTest::newRow("pasta inexistente")
            << impossivel
            << QStringList{QStringLiteral("Não foi possível salvar o PDF \"%1\".\n"
                                          "A pasta \"%2\" não existe.")
                               .arg(impossivel, QDir::current().absoluteFilePath(
                                                    QStringLiteral("pasta-que-nao-existe")))};
    }

    void salvarPdfCanceladoOuImpossivel()
    {
        QFETCH(QString, arquivo);
        QFETCH(QStringList, mensagens);
        montar(planoCurto());
        const QImage antes = imagem();
        if (!arquivo.isEmpty())
            roteiro->arquivos.enqueue(arquivo);
        botao("btnSalvarPdf")->click();
        QCOMPARE(roteiro->textosMensagens(), mensagens);
        QCOMPARE(imagem(), antes);
    }

    // Every field at 512 characters, three operations: on paper and on an 800-pixel screen
    // each text is drawn once, whole and in order, above the page's usable height; every page
    // shows text, and the pages counted are the pages printed.
    void textosLongosInteirosEmOrdem()
    {
        exigirPoppler();
        QStringList palavras; // "cNNpMM": word MM of field NN, each field 64 words long
        auto campo = [&palavras] {
            QString texto;
            for (int p = 0; p < 64; ++p) {
                palavras << QStringLiteral("c%1p%2")
                                .arg(palavras.size() / 64, 2, 10, QChar(u'0'))
                                .arg(p, 2, 10, QChar(u'0'));
                texto += palavras.last() + u' ';
            }
            return texto;
        };
        Problema problema{campo(), 0x0000FF, {campo(), campo(), campo(), campo(), campo()}, {}, {}};
        problema.causas = {Causa{campo(), {}, {}}};
        for (int o = 0; o < 3; ++o)
            problema.causas[0].operacoes << QStringList{campo(), campo(), campo(), campo(),
                                                        campo(), campo(), campo(), campo()};
        problema.revisao = campo();
        documento = amostra::planoComAnalise({problema});
        // Each field's words, in the order drawn: all of them, once each, in order.
        auto emOrdem = [&palavras](const QString &texto) {
            static const QRegularExpression palavra(QStringLiteral("c\\d\\dp\\d\\d"));
            QStringList achadas;
            for (auto achado = palavra.globalMatch(texto); achado.hasNext();)
                achadas << achado.next().captured();
            std::stable_sort(
                achadas.begin(), achadas.end(),
                [](const QString &a, const QString &b) { return a.left(3) < b.left(3); });
            return achadas == palavras;
        };

        const auto pdf = ServicoImpressao::impressoraPdf(QStringLiteral("longo.pdf"));
        Organograma papel;
        papel.definirPlano(documento.secoes(), QStringLiteral("plano.xml"));
        papel.medidasImpressora(*pdf);
        papel.montar(0, 0);
        QVERIFY(papel.imprimir(*pdf));
        const QString impresso = executar(QStringLiteral("pdftotext"), {"longo.pdf", "-"});
        QVERIFY(emOrdem(impresso));
        QCOMPARE(paginasDoPdf(QStringLiteral("longo.pdf")), papel.totalPaginas());
        for (const QString &pagina : impresso.split(u'\f').mid(0, papel.totalPaginas()))
            QVERIFY(!pagina.trimmed().isEmpty());

        Organograma tela;
        tela.medidasTela({QSize(1280, 800), 96, 0, QSize()});
        tela.definirPlano(documento.secoes(), QStringLiteral("plano.xml"));
        const int passo = QuebraLinhas(&tela.imagem()).passoLinha();
        QString naTela;
        for (const PaginaOrganograma &pagina : tela.montar(0, 0).paginas) {
            QVERIFY(pagina.textos.size() > 1); // more than the title
            naTela += pagina.textos.join(u' ') + u' ';
            for (const PecaOrganograma &peca : pagina.pecas) // no line below the usable height
                QVERIFY(peca.area.topo + (peca.tipo == PecaOrganograma::Tipo::Texto ? passo : 0) +
                            tela.medidas().recuo <=
                        tela.medidas().alturaUtil);
        }
        QVERIFY(emOrdem(naTela));
    }

    // On screens scaled by 1, 1.5 and 2 (each in a process of its own: the scale is read at
    // start-up) the picture holds the screen's device pixels and the title leaves the right
    // margin blank.
    void graficoEmTelaAmpliada_data()
    {
        QTest::addColumn<QByteArray>("fator");
        for (const char *fator : {"1", "1.5", "2"})
            QTest::newRow(fator) << QByteArray(fator);
    }

    void graficoEmTelaAmpliada()
    {
        QFETCH(QByteArray, fator);
        const QByteArray escala = qgetenv("SORVANE_ESCALA");
        if (escala.isEmpty()) {
            QProcess filho;
            filho.setProcessChannelMode(QProcess::MergedChannels);
            QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
            ambiente.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(fator));
            ambiente.insert(QStringLiteral("SORVANE_ESCALA"), QString::fromLatin1(fator));
            filho.setProcessEnvironment(ambiente);
            filho.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("graficoEmTelaAmpliada:") + QString::fromLatin1(fator)});
            QVERIFY(filho.waitForFinished(120000));
            QVERIFY2(filho.exitCode() == 0, filho.readAll().constData());
            return;
        }
        montar(planoCurto());
        const QImage imagem = this->imagem();
        const double razao = escala.toDouble();
        const QSize logico = quadro()->size();
        QCOMPARE(imagem.devicePixelRatio(), razao);
        QVERIFY(qAbs(imagem.width() - logico.width() * razao) < 1);
        Organograma esperado;
        esperado.medidasTela(telaAtual(ServicoImpressao::instancia().quantidadeImpressoras(),
                                       QSize(ServicoImpressao::instancia().larguraPagina(),
                                             ServicoImpressao::instancia().alturaPagina())));
        const MedidasOrganograma &m = esperado.medidas();
        const int ate = m.margem + 2 * QuebraLinhas(&esperado.imagem()).alturaTexto();
        for (int y = qCeil(m.margem * razao); y < ate * razao; ++y)
            for (int x = qCeil((m.margem + m.larguraUtil + 1) * razao);
                 x < (logico.width() - m.espessura) * razao - 1; ++x)
                QVERIFY2(imagem.pixel(x, y) == qRgb(255, 255, 255),
                         qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
    }

    // At the window's minimum size every caption, chooser and button of the bottom bar shows
    // whole, inside the window, and none covers another.
    void barraInferiorInteiraNoTamanhoMinimo()
    {
        montar(planoCurto());
        janela->show();
        janela->resize(janela->minimumSize());
        janela->layout()->activate();
        QList<QRect> ocupados;
        for (QWidget *controle : componente<QWidget>("painelInferior")->findChildren<QWidget *>()) {
            if (controle->layout() != nullptr || !controle->isVisible()) // the bar's rows
                continue;
            const QRect area(controle->mapTo(janela.get(), QPoint(0, 0)), controle->size());
            QVERIFY2(janela->rect().contains(area) &&
                         controle->width() >= controle->minimumSizeHint().width(),
                     qPrintable(controle->objectName()));
            for (const QRect &outro : ocupados)
                QVERIFY(!outro.intersects(area));
            ocupados << area;
        }
        QCOMPARE(ocupados.size(), 9);
    }

    void imagemCentralizadaNaCaixaDeRolagem()
    {
        montar(planoCurto());
        janela->show();
        auto *caixa = componente<QScrollArea>("sbImagem");
        QWidget *imagem = componente<QWidget>("imgVisualizacaoDiag");

        janela->resize(2400, 2000);
        janela->layout()->activate();
        const QSize area = caixa->viewport()->size();
        QVERIFY(area.width() > imagem->width());
        QCOMPARE(imagem->pos(), QPoint((area.width() - imagem->width()) / 2,
                                       (area.height() - imagem->height()) / 2));

        janela->resize(janela->minimumSize());
        janela->layout()->activate();
        QCOMPARE(imagem->pos(), QPoint(imagem->width() > caixa->viewport()->width()
                                           ? 0
                                           : (caixa->viewport()->width() - imagem->width()) / 2,
                                       0));
    }
};

SORVANE_TESTE_MAIN(TesteOrganogramaJanela)
#include "tst_organogramajanela.moc"

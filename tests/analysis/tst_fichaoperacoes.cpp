#include "analysis/OperacoesCausa.h"
#include "analysis/TfmOperacoes.h"
#include "analysis/TfrOperacao.h"
#include "data/DocumentoXml.h"
#include "data/Erros.h"
#include "support/Teste.h"
#include "widgets/MemoLimitado.h"

#include <QPushButton>
#include <QTabWidget>

// The operations sheet: its tabs and their rules, its eight texts per operation, and the
// elements it writes and reads.
class TesteFichaOperacoes : public QObject {
    Q_OBJECT

private:
    static QStringList abas(const TfmOperacoes &ficha)
    {
        QStringList textos;
        for (int i = 0; i < ficha.pgControle->count(); ++i)
            textos.append(ficha.pgControle->tabText(i));
        return textos;
    }

    static void preencher(TfrOperacao &frame, const QString &marca)
    {
        for (int campo = 0; campo < TfrOperacao::numCampos; ++campo)
            frame.definirTexto(campo, QStringLiteral("%1 %2").arg(marca).arg(campo));
    }

    // The `problema` element of a fresh document, for the writer to fill.
    static ElementoXml problemaVazio(DocumentoXml &documento)
    {
        return documento.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"))
            .adicionarFilho(QStringLiteral("operacoes"))
            .adicionarFilho(QStringLiteral("problema"));
    }

    static ListaNos filhosDe(DocumentoXml &documento, const QByteArray &operacao)
    {
        documento.carregarBytes(operacao);
        return documento.raiz().filhos();
    }

private Q_SLOTS:
    void fichaNovaSoGanhaOperacaoAoSerMostrada()
    {
        TfmOperacoes ficha;
        QCOMPARE(ficha.numOperacoes(), 0);
        QCOMPARE(ficha.pgControle->count(), 0);
        QCOMPARE(ficha.windowTitle(), QStringLiteral("Ficha de Operações"));

        ficha.show();
        QCOMPARE(ficha.numOperacoes(), 1);
        QCOMPARE(abas(ficha), QStringList{QStringLiteral("Operação 1")});
        ficha.hide();
        ficha.show();
        QCOMPARE(ficha.numOperacoes(), 1);
    }

    void adicionarERemoverRespeitamOsLimites()
    {
        TfmOperacoes ficha;
        for (int vez = 0; vez < 5; ++vez)
            ficha.btnAdicionar->click();
        QCOMPARE(ficha.numOperacoes(), 3);
        QCOMPARE(abas(ficha),
                 (QStringList{QStringLiteral("Operação 1"), QStringLiteral("Operação 2"),
                              QStringLiteral("Operação 3")}));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(ficha.operacao(i)->objectName(), QStringLiteral("operacao%1").arg(i));
            QCOMPARE(ficha.pgControle->widget(i)->findChild<TfrOperacao *>(), ficha.operacao(i));
        }

        for (int vez = 0; vez < 5; ++vez)
            ficha.btnRemover->click();
        QCOMPARE(ficha.numOperacoes(), 1);
        QCOMPARE(abas(ficha), QStringList{QStringLiteral("Operação 1")});
        QVERIFY(ficha.operacao(1) == nullptr);
    }

    void terceiraOperacaoRemovidaVoltaVazia()
    {
        TfmOperacoes ficha;
        for (int vez = 0; vez < 3; ++vez)
            ficha.btnAdicionarClick();
        preencher(*ficha.operacao(0), QStringLiteral("primeira"));
        preencher(*ficha.operacao(2), QStringLiteral("terceira"));
        ficha.btnRemoverClick();
        ficha.btnAdicionarClick();
        QCOMPARE(ficha.pgControle->tabText(2), QStringLiteral("Operação 3"));
        for (int campo = 0; campo < TfrOperacao::numCampos; ++campo) {
            QCOMPARE(ficha.operacao(2)->texto(campo), QString());
            QCOMPARE(ficha.operacao(0)->texto(campo), QStringLiteral("primeira %1").arg(campo));
        }
    }

    void cadaCampoTemSeuLimiteESeuElemento_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<int>("campo");
        QTest::addColumn<int>("limite");
        QTest::addColumn<QString>("elemento");
        QTest::newRow("quem") << "memoQuem" << 0 << 512 << "quem";
        QTest::newRow("o que") << "memoOQue" << 1 << 512 << "oque";
        QTest::newRow("físicos") << "memoRecFisicos" << 2 << 512 << "fisico";
        QTest::newRow("humanos") << "memoRecHumanos" << 3 << 512 << "humano";
        QTest::newRow("financeiros") << "memoRecFinanceiros" << 4 << 512 << "financeiro";
        QTest::newRow("prazo") << "memoPrazo" << 5 << 256 << "prazo";
        QTest::newRow("resultados") << "memoResultados" << 6 << 512 << "resultado";
        QTest::newRow("avaliação") << "memoAvaliacao" << 7 << 512 << "avaliacao";
    }

    void cadaCampoTemSeuLimiteESeuElemento()
    {
        QFETCH(QString, memo);
        QFETCH(int, campo);
        QFETCH(int, limite);
        QFETCH(QString, elemento);
        TfrOperacao frame;
        auto *alvo = frame.findChild<MemoLimitado *>(memo);
        QVERIFY(alvo);
        QCOMPARE(frame.memo(campo), alvo);

        alvo->definirTexto(QString(limite - 1, u'a'));
        alvo->moveCursor(QTextCursor::End);
        QTest::keyClicks(alvo, QStringLiteral("bc"));
        QCOMPARE(frame.texto(campo), QString(limite - 1, u'a') + u'b');

        DocumentoXml documento;
        OperacoesCausa operacoes;
        operacoes.adicionar();
        operacoes.definirTextos(0, frame.textos());
        ElementoXml problema = problemaVazio(documento);
        operacoes.gravar(problema, 1);
        const ElementoXml operacao = problema.filhos().item(0);
        QCOMPARE(operacao.filhos().item(campo).nome(), elemento);
        QCOMPARE(operacao.filhos().item(campo).texto(), frame.texto(campo));
    }

    void gravaAsOperacoesDaCausaComOsOitoCamposEmOrdem()
    {
        TfmOperacoes ficha;
        ficha.btnAdicionarClick();
        ficha.btnAdicionarClick();
        ficha.operacao(0)->memoQuem->definirTexto(QStringLiteral("Direção\ne professores"));
        ficha.operacao(0)->memoPrazo->definirTexto(QStringLiteral("março"));
        ficha.operacao(1)->memoAvaliacao->definirTexto(QStringLiteral("mensal"));

        DocumentoXml documento;
        QCOMPARE(ficha.gravarOperacoes(problemaVazio(documento), 2), 2);
        const QByteArray vazios = "                <oque />\r\n"
                                  "                <fisico />\r\n"
                                  "                <humano />\r\n"
                                  "                <financeiro />\r\n";
        const QByteArray esperado = "<planejamento xmlns=\"xmlns\">\r\n"
                                    "    <operacoes>\r\n"
                                    "        <problema>\r\n"
                                    "            <op2c1>\r\n"
                                    "                <quem>Dire\xC3\xA7\xC3\xA3o\r\n"
                                    "e professores</quem>\r\n" +
                                    vazios +
                                    "                <prazo>mar\xC3\xA7o</prazo>\r\n"
                                    "                <resultado />\r\n"
                                    "                <avaliacao />\r\n"
                                    "            </op2c1>\r\n"
                                    "            <op2c2>\r\n"
                                    "                <quem />\r\n" +
                                    vazios +
                                    "                <prazo />\r\n"
                                    "                <resultado />\r\n"
                                    "                <avaliacao>mensal</avaliacao>\r\n"
                                    "            </op2c2>\r\n"
                                    "        </problema>\r\n"
                                    "    </operacoes>\r\n"
                                    "</planejamento>\r\n";
        QCOMPARE(documento.paraBytes(), esperado);
    }

    void lerOperacaoPorPosicaoETextosInteiros()
    {
        TfmOperacoes ficha;
        ficha.btnAdicionarClick();
        ficha.btnAdicionarClick();
        const QString longo = QString(700, u'p');
        QByteArray campos;
        for (int campo = 0; campo < 8; ++campo)
            campos += "<x>" + QByteArray::number(campo) + "</x>";
        campos.replace("<x>5</x>", "<x>" + longo.toUtf8() + "</x>");
        campos.replace("<x>0</x>", "<x>linha 1\r\nlinha 2</x>");

        DocumentoXml documento;
        ficha.lerOperacao(filhosDe(documento, "<qualquer>" + campos + "</qualquer>"), 1);
        const TfrOperacao &segunda = *ficha.operacao(1);
        QCOMPARE(segunda.texto(0), QStringLiteral("linha 1\nlinha 2"));
        QCOMPARE(segunda.texto(5), longo);
        QCOMPARE(segunda.texto(7), QStringLiteral("7"));
        QCOMPARE(ficha.operacao(0)->texto(7), QString());

        // Outside the sheet's operations nothing is read, not even a field.
        for (const int fora : {-1, 2})
            ficha.lerOperacao(filhosDe(documento, "<op><a>x</a></op>"), fora);
        QCOMPARE(ficha.operacao(0)->texto(0), QString());
    }

    // A field read is written back as its text would be: as read when that gives the same bytes,
    // with its line end and its ill-formed character mended otherwise.
    void operacaoLidaGravaOQueSeuTextoGravaria_data()
    {
        QTest::addColumn<QByteArray>("noArquivo");
        QTest::addColumn<QByteArray>("gravado");
        QTest::newRow("acentos") << QByteArray("a\xC3\xA7\xC3\xA3o")
                                 << QByteArray("a\xC3\xA7\xC3\xA3o");
        QTest::newRow("CR por referência") << QByteArray("a&#13;b") << QByteArray("a\nb");
        QTest::newRow("metade de par")
            << QByteArray("&#xD800;x") << QByteArray("\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDx");
    }

    void operacaoLidaGravaOQueSeuTextoGravaria()
    {
        QFETCH(QByteArray, noArquivo);
        QFETCH(QByteArray, gravado);
        DocumentoXml lido;
        OperacoesCausa operacoes;
        operacoes.adicionar();
        operacoes.ler(
            filhosDe(lido, "<op><a>" + noArquivo + "</a><b/><c/><d/><e/><f/><g/><h/></op>"), 0);
        DocumentoXml saida;
        ElementoXml problema = problemaVazio(saida);
        operacoes.gravar(problema, 1);
        const ElementoXml campo = problema.filhos().item(0).filhos().item(0);
        QCOMPARE(campo.textoUtf8(), gravado);
        DocumentoXml outro;
        ElementoXml comoTexto = problemaVazio(outro);
        comoTexto.definirTexto(operacoes.textos(0)[0]);
        QCOMPARE(comoTexto.textoUtf8(), gravado);
    }

    void operacaoCurtaFalhaDepoisDeLerOQueHavia()
    {
        TfmOperacoes ficha;
        ficha.btnAdicionarClick();
        DocumentoXml documento;
        const ListaNos curta = filhosDe(documento, "<op><a>um</a><b>dois</b></op>");
        QVERIFY_THROWS_EXCEPTION(ErroSorvane, ficha.lerOperacao(curta, 0));
        QCOMPARE(ficha.operacao(0)->texto(0), QStringLiteral("um"));
        QCOMPARE(ficha.operacao(0)->texto(1), QStringLiteral("dois"));
        QCOMPARE(ficha.operacao(0)->texto(2), QString());
    }
};

SORVANE_TESTE_MAIN(TesteFichaOperacoes)
#include "tst_fichaoperacoes.moc"

#include "data/DocumentoXml.h"
#include "documents/DadosOrganograma.h"
#include "support/Teste.h"

// What the chart reads of a plan, including plans whose sections are missing or whose counts
// do not match what is stored: nothing is read out of range, missing texts read as empty.
class TesteOrganogramaDados : public QObject {
    Q_OBJECT

private:
    static QByteArray plano(const QByteArray &secoes)
    {
        return "<planejamento xmlns=\"xmlns\"><escola nome=\"E\" diretor=\"D\" "
               "data=\"01/02/2026\"/>" +
               secoes + "</planejamento>";
    }

    static QByteArray operacao(const QByteArray &nome, const QByteArray &prefixo, int campos = 8)
    {
        static const char *const nomes[] = {"quem",       "oque",  "fisico",    "humano",
                                            "financeiro", "prazo", "resultado", "avaliacao"};
        QByteArray xml = "<" + nome + ">";
        for (int i = 0; i < campos; ++i)
            xml += QByteArray("<") + nomes[i] + ">" + prefixo + QByteArray::number(i + 1) + "</" +
                   nomes[i] + ">";
        return xml + "</" + nome + ">";
    }

    static const QByteArray &problemas()
    {
        static const QByteArray xml = "<problemas maximo=\"10\" total=\"2\">"
                                      "<problema nome=\"Evasão\" cor=\"255\">descrição</problema>"
                                      "<problema nome=\"Faltas\" cor=\"32768\">descrição</problema>"
                                      "</problemas>";
        return xml;
    }

    static QByteArray causas(const QByteArray &primeiro)
    {
        return "<causas>" + primeiro +
               "<problema><causa operacoes=\"1\">outra</causa></problema></causas>";
    }

    static QByteArray operacoes(const QByteArray &primeiro)
    {
        return "<operacoes><problema>" + primeiro + "</problema><problema>" +
               operacao("op1c1", "z") + "<revisao>rev2</revisao></problema></operacoes>";
    }

private Q_SLOTS:
    void init() { apoio::usarPortugues(); }

    void leOQueExisteSemSairDosLimites_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<int>("causa");
        QTest::addColumn<QString>("textoCausa");
        QTest::addColumn<QStringList>("prazos");
        QTest::addColumn<QString>("revisao");

        const QByteArray indicadores = "<indicadores><problema><indicador>i1</indicador></problema>"
                                       "<problema/></indicadores>";
        QTest::newRow("plano completo, segunda causa começa depois da primeira")
            << plano(problemas() + indicadores +
                     causas("<problema><causa operacoes=\"2\">c1</causa>"
                            "<causa operacoes=\"1\">c2</causa></problema>") +
                     operacoes(operacao("op1c1", "a") + operacao("op1c2", "b") +
                               operacao("op2c1", "c") + "<revisao>rev</revisao>"))
            << 1 << QStringLiteral("c2") << QStringList{QStringLiteral("c6")}
            << QStringLiteral("rev");
        QTest::newRow("contagem maior que as operações guardadas")
            << plano(problemas() + indicadores +
                     causas("<problema><causa operacoes=\"3\">c1</causa></problema>") +
                     operacoes(operacao("op1c1", "a") + "<revisao>rev</revisao>"))
            << 0 << QStringLiteral("c1") << QStringList{QStringLiteral("a6")}
            << QStringLiteral("rev");
        QTest::newRow("contagem que não é número")
            << plano(problemas() + indicadores +
                     causas("<problema><causa operacoes=\"três\">c1</causa></problema>") +
                     operacoes(operacao("op1c1", "a") + "<revisao>rev</revisao>"))
            << 0 << QStringLiteral("c1") << QStringList{QStringLiteral("a6")}
            << QStringLiteral("rev");
        QTest::newRow("contagem negativa")
            << plano(problemas() + indicadores +
                     causas("<problema><causa operacoes=\"-4\">c1</causa></problema>") +
                     operacoes(operacao("op1c1", "a") + "<revisao>rev</revisao>"))
            << 0 << QStringLiteral("c1") << QStringList{QStringLiteral("a6")}
            << QStringLiteral("rev");
        QTest::newRow("operação com só cinco textos")
            << plano(problemas() + indicadores +
                     causas("<problema><causa operacoes=\"1\">c1</causa></problema>") +
                     operacoes(operacao("op1c1", "a", 5) + "<revisao>rev</revisao>"))
            << 0 << QStringLiteral("c1") << QStringList{QString()} << QStringLiteral("rev");
        QTest::newRow("elemento de operações sem filhos")
            << plano(problemas() + indicadores +
                     causas("<problema><causa operacoes=\"2\">c1</causa></problema>") +
                     operacoes(QByteArray()))
            << 0 << QStringLiteral("c1") << QStringList() << QString();
        QTest::newRow("causa além das guardadas")
            << plano(problemas() + indicadores +
                     causas("<problema><causa operacoes=\"1\">c1</causa></problema>") +
                     operacoes(operacao("op1c1", "a") + "<revisao>rev</revisao>"))
            << 2 << QString() << QStringList() << QStringLiteral("rev");
        QTest::newRow("sem as seções de análise")
            << plano(problemas()) << 0 << QString() << QStringList() << QString();
    }

    void leOQueExisteSemSairDosLimites()
    {
        QFETCH(QByteArray, xml);
        QFETCH(int, causa);
        QFETCH(QString, textoCausa);
        QFETCH(QStringList, prazos);
        QFETCH(QString, revisao);
        DocumentoXml documento;
        documento.carregarBytes(xml);

        const DadosOrganograma dados = DadosOrganograma::ler(documento.secoes(), 0, causa);

        QVERIFY(dados.existeProblema);
        QCOMPARE(dados.quantidadeProblemas, 2);
        QCOMPARE(dados.nomeProblema, QStringLiteral("Evasão"));
        QCOMPARE(dados.cor, 255);
        QCOMPARE(dados.data, QStringLiteral("01/02/2026"));
        QCOMPARE(dados.causa, textoCausa);
        QStringList lidos;
        for (const QStringList &op : dados.operacoes) {
            QCOMPARE(op.size(), DadosOrganograma::camposOperacao);
            lidos.append(op[DadosOrganograma::Prazo]);
        }
        QCOMPARE(lidos, prazos);
        QCOMPARE(dados.revisao, revisao);
    }

    void problemaForaDaListaNaoExiste_data()
    {
        QTest::addColumn<int>("problema");
        QTest::newRow("negativo") << -1;
        QTest::newRow("depois do último") << 2;
    }

    void problemaForaDaListaNaoExiste()
    {
        QFETCH(int, problema);
        DocumentoXml documento;
        documento.carregarBytes(plano(problemas()));
        const DadosOrganograma dados = DadosOrganograma::ler(documento.secoes(), problema, 0);
        QVERIFY(!dados.existeProblema);
        QCOMPARE(dados.quantidadeProblemas, 2);
        QCOMPARE(dados.data, QStringLiteral("01/02/2026"));
    }

    void atributosAusentesLeemVazioEPreto()
    {
        DocumentoXml documento;
        documento.carregarBytes("<planejamento xmlns=\"xmlns\"><escola/>"
                                "<problemas><problema/></problemas></planejamento>");
        const DadosOrganograma dados = DadosOrganograma::ler(documento.secoes(), 0, 0);
        QVERIFY(dados.existeProblema);
        QCOMPARE(dados.nomeProblema, QString());
        QCOMPARE(dados.cor, corPreta);
        QCOMPARE(dados.data, QString());
        QVERIFY(dados.indicadores.isEmpty());
        QVERIFY(dados.operacoes.isEmpty());
    }

    void escolhasListamProblemasECausas()
    {
        DocumentoXml documento;
        documento.carregarBytes(
            plano(problemas() + causas("<problema><causa operacoes=\"0\">c1"
                                       "</causa><causa>c2</causa></problema>")));
        QCOMPARE(DadosOrganograma::nomesProblemas(documento.secoes()),
                 (QStringList{QStringLiteral("Evasão"), QStringLiteral("Faltas")}));
        QCOMPARE(DadosOrganograma::textosCausas(documento.secoes(), 0),
                 (QStringList{QStringLiteral("c1"), QStringLiteral("c2")}));
        QCOMPARE(DadosOrganograma::textosCausas(documento.secoes(), 1),
                 QStringList{QStringLiteral("outra")});
        QVERIFY(DadosOrganograma::textosCausas(documento.secoes(), 5).isEmpty());
        QVERIFY(DadosOrganograma::nomesProblemas(ListaNos()).isEmpty());
    }
};

SORVANE_TESTE_MAIN(TesteOrganogramaDados)
#include "tst_organogramadados.moc"

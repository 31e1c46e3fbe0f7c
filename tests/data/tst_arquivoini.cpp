#include "data/ArquivoIni.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"

// The INI file that remembers the current plan: plain text, read back as written.
class TesteArquivoIni : public QObject {
    Q_OBJECT

private:
    const QString arquivo = QStringLiteral("teste.ini");
    const QString secao = QStringLiteral("arquivos");
    const QString chave = QStringLiteral("planejamento");
    const QString padrao = QStringLiteral("./plano.xml");

#ifdef Q_OS_WIN
    static constexpr const char *fim = "\r\n";
#else
    static constexpr const char *fim = "\n";
#endif

private Q_SLOTS:
    void init()
    {
        QFile::remove(arquivo);
    }

    void leituraComPadrao_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("chave presente")
            << QByteArray("[arquivos]\nplanejamento=meu.xml\n") << QStringLiteral("meu.xml");
        QTest::newRow("sem a chave") << QByteArray("[arquivos]\noutra=x\n") << padrao;
        QTest::newRow("chave em outra seção")
            << QByteArray("[outros]\nplanejamento=errado.xml\n[arquivos]\n") << padrao;
        QTest::newRow("arquivo vazio") << QByteArray() << padrao;
        QTest::newRow("valor vazio") << QByteArray("[arquivos]\nplanejamento=\n") << QString();
        QTest::newRow("CR LF, espaços e caixa diferente")
            << QByteArray("[ Arquivos ]\r\n  Planejamento = ../x/plano.xml  \r\n")
            << QStringLiteral("../x/plano.xml");
        QTest::newRow("sinal de igual no valor")
            << QByteArray("[arquivos]\nplanejamento=a=b.xml\n") << QStringLiteral("a=b.xml");
        QTest::newRow("acentos em UTF-8 com BOM")
            << QByteArray("\xEF\xBB\xBF[arquivos]\nplanejamento=plano de ação.xml\n")
            << QStringLiteral("plano de ação.xml");
        QTest::newRow("acentos em Windows-1252")
            << QByteArray("[arquivos]\r\nplanejamento=plano de a\xE7\xE3o.xml\r\n")
            << QStringLiteral("plano de ação.xml");
        QTest::newRow("primeira ocorrência vence")
            << QByteArray("[arquivos]\nplanejamento=a.xml\nplanejamento=b.xml\n")
            << QStringLiteral("a.xml");
    }

    void leituraComPadrao()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, esperado);
        apoio::gravarBytes(arquivo, conteudo);
        QCOMPARE(ArquivoIni(arquivo).ler(secao, chave, padrao), esperado);
    }

    void arquivoAusenteDaOPadrao()
    {
        QCOMPARE(ArquivoIni(QStringLiteral("não existe.ini")).ler(secao, chave, padrao), padrao);
    }

    void escritaCriaOArquivoEmTextoSimples()
    {
        ArquivoIni ini(arquivo);
        const QString nome = QStringLiteral("../Planos da Direção/plano de ação.xml");
        ini.escrever(secao, chave, nome);
        QVERIFY(ini.gravar());
        const QByteArray esperado = QByteArray("[arquivos]") + fim +
                                    "planejamento=../Planos da Dire\xC3\xA7\xC3\xA3o/plano de "
                                    "a\xC3\xA7\xC3\xA3o.xml" +
                                    fim;
        QCOMPARE(apoio::lerBytes(arquivo), esperado);
        QCOMPARE(ArquivoIni(arquivo).ler(secao, chave, padrao), nome);
    }

    void escritaPreservaOResto_data()
    {
        QTest::addColumn<QByteArray>("antes");
        QTest::addColumn<QByteArray>("depois");
        QTest::newRow("substitui o valor")
            << QByteArray("; nota\n[arquivos]\nplanejamento=velho.xml\nextra=1\n\n[outros]\na=b\n")
            << QByteArray("; nota\n[arquivos]\nplanejamento=novo.xml\nextra=1\n\n[outros]\na=b\n");
        QTest::newRow("chave nova no fim da seção")
            << QByteArray("[arquivos]\nextra=1\n\n[outros]\na=b\n")
            << QByteArray("[arquivos]\nextra=1\nplanejamento=novo.xml\n\n[outros]\na=b\n");
        QTest::newRow("seção nova no fim")
            << QByteArray("[outros]\na=b\n")
            << QByteArray("[outros]\na=b\n[arquivos]\nplanejamento=novo.xml\n");
    }

    void escritaPreservaOResto()
    {
        QFETCH(QByteArray, antes);
        QFETCH(QByteArray, depois);
        apoio::gravarBytes(arquivo, antes);
        ArquivoIni ini(arquivo);
        ini.escrever(secao, chave, QStringLiteral("novo.xml"));
        QVERIFY(ini.gravar());
        QCOMPARE(apoio::lerBytes(arquivo), depois.replace("\n", fim));
    }

    void falhaDeGravacaoInformaEPreserva()
    {
        ArquivoIni ini(QStringLiteral("pasta que não existe/config.ini"));
        ini.escrever(secao, chave, QStringLiteral("x.xml"));
        QVERIFY(!ini.gravar());
        QVERIFY(!ini.erro().isEmpty());
    }
};

SORVANE_TESTE_MAIN(TesteArquivoIni)
#include "tst_arquivoini.moc"

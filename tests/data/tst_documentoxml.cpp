#include "data/DocumentoXml.h"
#include "data/Erros.h"
#include "data/Texto.h"
#include "support/Teste.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

// The plan file's form: exact bytes, attribute order, accents, line ends, lookups and errors.
class TesteDocumentoXml : public QObject {
    Q_OBJECT

private:
    static DocumentoXml pequeno()
    {
        DocumentoXml documento;
        ElementoXml raiz =
            documento.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));
        ElementoXml problemas = raiz.adicionarFilho(QStringLiteral("problemas"));
        problemas.definirAtributo(QStringLiteral("maximo"), QStringLiteral("10"));
        problemas.definirAtributo(QStringLiteral("total"), QStringLiteral("1"));
        ElementoXml problema = problemas.adicionarFilho(QStringLiteral("problema"));
        problema.definirAtributo(QStringLiteral("nome"), QStringLiteral("Evasão & \"faltas\""));
        problema.definirAtributo(QStringLiteral("cor"), QStringLiteral("-16777201"));
        problema.definirTexto(QStringLiteral("descrição"));
        raiz.adicionarFilho(QStringLiteral("notas"));
        return documento;
    }

private Q_SLOTS:
    void bytesExatosDeUmDocumentoPequeno()
    {
        const QByteArray esperado =
            "<planejamento xmlns=\"xmlns\">\r\n"
            "    <problemas maximo=\"10\" total=\"1\">\r\n"
            "        <problema nome=\"Evas\xC3\xA3o &amp; &quot;faltas&quot;\" "
            "cor=\"-16777201\">descri\xC3\xA7\xC3\xA3o</problema>\r\n"
            "    </problemas>\r\n"
            "    <notas />\r\n"
            "</planejamento>\r\n";
        QCOMPARE(pequeno().paraBytes(), esperado);
    }

    void atributosGuardamAOrdemDaPrimeiraDefinicao()
    {
        DocumentoXml documento;
        ElementoXml raiz = documento.criarRaiz(QStringLiteral("r"), QStringLiteral("xmlns"));
        ElementoXml e = raiz.adicionarFilho(QStringLiteral("e"));
        e.definirAtributo(QStringLiteral("z"), QStringLiteral("1"));
        e.definirAtributo(QStringLiteral("a"), QStringLiteral("2"));
        e.definirAtributo(QStringLiteral("z"), QStringLiteral("3"));
        QVERIFY(documento.paraBytes().contains("<e z=\"3\" a=\"2\" />"));
    }

    void salvarECarregarPreservaTudo()
    {
        const QString arquivo = QStringLiteral("ida-e-volta.xml");
        DocumentoXml original = pequeno();
        original.salvar(arquivo);
        DocumentoXml lido;
        lido.carregar(arquivo);
        QCOMPARE(lido.paraBytes(), original.paraBytes());
        const ElementoXml problema =
            lido.secoes().porNome(QStringLiteral("problemas")).filhos().item(0);
        QCOMPARE(problema.atributo(QStringLiteral("nome")).texto(),
                 QStringLiteral("Evasão & \"faltas\""));
        QCOMPARE(problema.atributo(QStringLiteral("cor")).inteiro(), -16777201);
        QCOMPARE(problema.texto(), QStringLiteral("descrição"));
    }

    void textoComQuebrasDeLinhaVaiComoCrLf_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("CR LF") << QStringLiteral("uma\r\nduas\r\ntrês");
        QTest::newRow("LF") << QStringLiteral("uma\nduas\ntrês");
        QTest::newRow("CR") << QStringLiteral("uma\rduas\rtrês");
    }

    void textoComQuebrasDeLinhaVaiComoCrLf()
    {
        QFETCH(QString, texto);
        DocumentoXml documento;
        documento.criarRaiz(QStringLiteral("r"), QStringLiteral("xmlns"))
            .adicionarFilho(QStringLiteral("quem"))
            .definirTexto(texto);
        const QByteArray bytes = documento.paraBytes();
        QVERIFY(bytes.contains("<quem>uma\r\nduas\r\ntr\xC3\xAAs</quem>"));
        QVERIFY(!bytes.contains("\r\r"));
        DocumentoXml lido;
        lido.carregarBytes(bytes);
        QCOMPARE(lido.secoes().item(0).texto(), QStringLiteral("uma\nduas\ntrês"));
        QCOMPARE(lido.paraBytes(), bytes);
    }

    void atributoAusenteEhNuloEFalhaAoConverter()
    {
        DocumentoXml documento = pequeno();
        const ElementoXml problema =
            documento.secoes().porNome(QStringLiteral("problemas")).filhos().item(0);
        const ValorAtributo ausente = problema.atributo(QStringLiteral("inexistente"));
        QVERIFY(ausente.nulo());
        QVERIFY_THROWS_EXCEPTION(ErroXml, ausente.texto());
        QVERIFY_THROWS_EXCEPTION(ErroXml, ausente.inteiro());
        QVERIFY(!problema.atributo(QStringLiteral("nome")).nulo());
    }

    void conversaoDeInteiros_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<int>("valor");
        QTest::newRow("zero") << "0" << true << 0;
        QTest::newRow("negativo de sistema") << "-16777201" << true << -16777201;
        QTest::newRow("espacos em volta") << " 42 " << true << 42;
        QTest::newRow("letras") << "vermelho" << false << 0;
        QTest::newRow("vazio") << "" << false << 0;
        QTest::newRow("decimal") << "7.5" << false << 0;
        QTest::newRow("acima de 32 bits") << "4294967296" << false << 0;
        QTest::newRow("hexadecimal") << "0xFF" << false << 0;
    }

    void conversaoDeInteiros()
    {
        QFETCH(QString, texto);
        QFETCH(bool, valido);
        QFETCH(int, valor);
        if (valido)
            QCOMPARE(converterInteiro(texto), valor);
        else
            QVERIFY_THROWS_EXCEPTION(ErroConversao, converterInteiro(texto));
    }

    void buscasQueFalhamNomeiamOQueFalta()
    {
        DocumentoXml documento = pequeno();
        const ListaNos secoes = documento.secoes();
        QCOMPARE(secoes.quantidade(), 2);
        try {
            secoes.porNome(QStringLiteral("categorias"));
            QFAIL("a busca deveria falhar");
        } catch (const ErroXml &erro) {
            QVERIFY(erro.mensagem().contains(QStringLiteral("categorias")));
        }
        QVERIFY_THROWS_EXCEPTION(ErroXml, secoes.item(2));
        QVERIFY_THROWS_EXCEPTION(ErroXml, secoes.item(-1));
        // A lookup never creates what it did not find.
        QCOMPARE(documento.secoes().quantidade(), 2);
    }

    void espacosEntreElementosNaoContamComoFilhos()
    {
        DocumentoXml documento;
        documento.carregarBytes(
            "<planejamento xmlns=\"xmlns\">\n\n  <a/>\n\t<b>  </b>\n  <c>x</c>\n"
            "</planejamento>");
        const ListaNos secoes = documento.secoes();
        QCOMPARE(secoes.quantidade(), 3);
        QCOMPARE(secoes.item(1).nome(), QStringLiteral("b"));
        // Text that is only blanks, alone in its element, is a text and stays.
        QCOMPARE(secoes.item(1).texto(), QStringLiteral("  "));
        QCOMPARE(secoes.item(2).texto(), QStringLiteral("x"));
    }

    void codificacoesDeEntrada_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-8") << QByteArray("<r><e n=\"Jo\xC3\xA3o \xE2\x82\xAC\"/></r>");
        QTest::newRow("UTF-8 com BOM")
            << QByteArray("\xEF\xBB\xBF<r><e n=\"Jo\xC3\xA3o \xE2\x82\xAC\"/></r>");
        QTest::newRow("Windows-1252") << QByteArray("<r><e n=\"Jo\xE3o \x80\"/></r>");
        QTest::newRow("Windows-1252 declarado Latin-1") << QByteArray(
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r><e n=\"Jo\xE3o \x80\"/></r>");
    }

    void codificacoesDeEntrada()
    {
        QFETCH(QByteArray, bytes);
        DocumentoXml documento;
        documento.carregarBytes(bytes);
        QCOMPARE(documento.secoes().item(0).atributo(QStringLiteral("n")).texto(),
                 QStringLiteral("João €"));
    }

    // What is not valid UTF-8 is read as Windows-1252, so the check must refuse every
    // ill-formed sequence, even one a lenient decoder would pass.
    void deteccaoDeUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valido");
        QTest::newRow("ASCII") << QByteArray("<r>abc</r>") << true;
        QTest::newRow("vazio") << QByteArray() << true;
        QTest::newRow("quatro bytes") << QByteArray("\xF0\x9F\x98\x80") << true;
        QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBFx") << true;
        QTest::newRow("Windows-1252") << QByteArray("Jo\xE3o") << false;
        QTest::newRow("forma longa") << QByteArray("\xC0\xAF") << false;
        QTest::newRow("metade de par") << QByteArray("\xED\xA0\x80") << false;
        QTest::newRow("além de U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
        QTest::newRow("cortado no fim") << QByteArray("abc\xE2\x82") << false;
        QTest::newRow("continuação solta") << QByteArray("a\x80"
                                                         "b")
                                           << false;
    }

    void deteccaoDeUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valido);
        QCOMPARE(ehUtf8Valido(bytes), valido);
    }

    // Every lead byte before the values around each bound of the continuation bytes: at the
    // start, inside and at each edge of the runs checked eight and sixteen bytes at a time,
    // cut at the end and followed by more.
    void utf8ComoOQt()
    {
        const unsigned char bordas[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90,
                                        0x9F, 0xA0, 0xBF, 0xC0, 0xC2, 0xF4};
        const QByteArray pares = QByteArray("\xC3\xA9").repeated(8);
        const QByteArray prefixos[] = {QByteArray(),        QByteArray(7, 'a'), QByteArray(9, 'b'),
                                       QByteArray(15, 'c'), pares + 'd',        pares};
        const QByteArray sufixos[] = {QByteArray(), QByteArray("\xC3\xA9"),
                                      QByteArray(20, 'e') + pares};
        int diferencas = 0;
        for (const QByteArray &prefixo : prefixos) {
            for (int lider = 0; lider < 256; ++lider) {
                for (unsigned char a : bordas) {
                    for (unsigned char b : bordas) {
                        for (const QByteArray &sufixo : sufixos) {
                            const QByteArray caso =
                                prefixo + char(lider) + char(a) + char(b) + sufixo;
                            if (ehUtf8Valido(caso) != QByteArrayView(caso).isValidUtf8())
                                ++diferencas;
                            QStringDecoder utf8(QStringConverter::Utf8,
                                                QStringConverter::Flag::ConvertInitialBom);
                            if (prefixo.size() < 8 &&
                                utf8ParaTexto(caso) != QString(utf8.decode(caso)))
                                ++diferencas;
                        }
                    }
                }
            }
        }
        QCOMPARE(diferencas, 0);
    }

    // Once saved, the document reads as the file it wrote, whatever the parser makes of what
    // the screens gave.
    void depoisDeGravarLeComoOArquivo_data()
    {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<bool>("comFilho");
        QTest::newRow("tabulação") << QStringLiteral("a\tb") << false;
        QTest::newRow("quebras") << QStringLiteral("a\r\nb\rc\n") << false;
        QTest::newRow("só espaços") << QStringLiteral("   ") << false;
        QTest::newRow("só espaços, antes de um filho") << QStringLiteral("   ") << true;
        QTest::newRow("espaços nas pontas") << QStringLiteral(" a ") << true;
        QTest::newRow("NUL") << QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b") << false;
        QTest::newRow("controle") << QStringLiteral("a\x01b") << false;
    }

    void depoisDeGravarLeComoOArquivo()
    {
        QFETCH(QString, valor);
        QFETCH(bool, comFilho);
        DocumentoXml documento;
        ElementoXml elemento = documento.criarRaiz(QStringLiteral("r"), QStringLiteral("x"))
                                   .adicionarFilho(QStringLiteral("e"));
        elemento.definirAtributo(QStringLiteral("a"), valor);
        elemento.definirTexto(valor);
        if (comFilho)
            elemento.adicionarFilho(QStringLiteral("f"));
        const QByteArray bytes = documento.paraBytes();
        documento.adotarGravados(bytes);
        DocumentoXml lido;
        lido.carregarBytes(bytes);
        const ElementoXml depois = documento.secoes().item(0);
        const ElementoXml noArquivo = lido.secoes().item(0);
        QCOMPARE(depois.atributo(QStringLiteral("a")).texto(),
                 noArquivo.atributo(QStringLiteral("a")).texto());
        QCOMPARE(depois.texto(), noArquivo.texto());
        QCOMPARE(documento.bytesDoArquivo(), std::optional<QByteArray>(bytes));
    }

    void xmlMalFormadoDizOndeFalhouEMantemODocumento_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("posicao");
        QTest::newRow("tag sem fim") << QByteArray("<r>\r\n  <a>\r\n</r>") << "linha 3";
        QTest::newRow("vazio") << QByteArray() << "";
        QTest::newRow("lixo binario") << QByteArray("\x00\x01\x02\xff", 4) << "";
        QTest::newRow("truncado") << QByteArray("<planejamento xmlns=\"xmlns\"><escola nome=\"a")
                                  << "linha 1";
    }

    void xmlMalFormadoDizOndeFalhouEMantemODocumento()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, posicao);
        DocumentoXml documento = pequeno();
        const QByteArray antes = documento.paraBytes();
        try {
            documento.carregarBytes(bytes);
            QFAIL("o carregamento deveria falhar");
        } catch (const ErroXml &erro) {
            QVERIFY2(erro.mensagem().contains(posicao), qPrintable(erro.mensagem()));
        }
        QCOMPARE(documento.paraBytes(), antes);
    }

    void erroDeArquivoNomeiaOArquivo()
    {
        DocumentoXml documento;
        try {
            documento.carregar(QStringLiteral("nao-existe.xml"));
            QFAIL("deveria falhar");
        } catch (const ErroXml &erro) {
            QVERIFY(erro.mensagem().contains(QStringLiteral("nao-existe.xml")));
        }
    }

    void gravacaoQueFalhaNaoEstragaOArquivoAnterior_data()
    {
        QTest::addColumn<QString>("destino");
        QTest::newRow("pasta inexistente") << QStringLiteral("nao/existe/plano.xml");
        QTest::newRow("destino é pasta") << QStringLiteral("uma-pasta");
    }

    void gravacaoQueFalhaNaoEstragaOArquivoAnterior()
    {
        QFETCH(QString, destino);
        QDir().mkpath(QStringLiteral("uma-pasta"));
        QVERIFY_THROWS_EXCEPTION(ErroXml, pequeno().salvar(destino));
        QVERIFY(!QFileInfo(destino).isFile());
    }

    void novaRaizMantemListasAntigas()
    {
        DocumentoXml documento = pequeno();
        const ListaNos antigas = documento.secoes();
        ElementoXml raiz =
            documento.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));
        QCOMPARE(documento.secoes().quantidade(), 0);
        QCOMPARE(antigas.quantidade(), 2);
        QCOMPARE(antigas.item(0).nome(), QStringLiteral("problemas"));
        raiz.adicionarFilho(QStringLiteral("escola"));
        QCOMPARE(
            documento.paraBytes(),
            QByteArray("<planejamento xmlns=\"xmlns\">\r\n    <escola />\r\n</planejamento>\r\n"));
    }

    void arquivoGrandeDemaisEhRecusadoAntesDeLer()
    {
        QFile grande(QStringLiteral("grande.xml"));
        QVERIFY(grande.open(QIODevice::WriteOnly));
        QVERIFY(grande.resize(DocumentoXml::tamanhoMaximoArquivo + 1));
        grande.close();
        DocumentoXml documento;
        try {
            documento.carregar(QStringLiteral("grande.xml"));
            QFAIL("deveria recusar");
        } catch (const ErroXml &erro) {
            QVERIFY(erro.mensagem().contains(QStringLiteral("limite")));
        }
    }
    // Read whole up to the limit, refused one byte past it, whatever size the file claims:
    // the kernel's own files say 0.
    void leituraAteOLimite_data()
    {
        QTest::addColumn<qint64>("tamanho");
        QTest::addColumn<qint64>("limite");
        QTest::newRow("vazio") << qint64(0) << qint64(10);
        QTest::newRow("no limite") << qint64(10) << qint64(10);
        QTest::newRow("um byte além") << qint64(11) << qint64(10);
        QTest::newRow("vários blocos") << qint64(200'003) << qint64(300'000);
        QTest::newRow("vários blocos, além") << qint64(200'003) << qint64(200'002);
        QTest::newRow("tamanho dito 0") << qint64(-1) << qint64(1'000'000);
    }

    void leituraAteOLimite()
    {
        QFETCH(qint64, tamanho);
        QFETCH(qint64, limite);
        QString nome = QStringLiteral("/proc/self/status");
        QByteArray conteudo;
        if (tamanho >= 0) {
            for (qint64 i = 0; i < tamanho; ++i)
                conteudo.append(static_cast<char>('a' + i % 26));
            nome = QStringLiteral("lido.txt");
            QFile arquivo(nome);
            QVERIFY(arquivo.open(QIODevice::WriteOnly) && arquivo.write(conteudo) == tamanho);
        }
        const ArquivoLido lido = lerArquivoComum(nome, limite);
        if (tamanho > limite) {
            QVERIFY(lido.falha == ArquivoLido::Falha::grandeDemais);
            QVERIFY(lido.bytes.isEmpty());
        } else {
            QVERIFY(lido.falha == ArquivoLido::Falha::nenhuma);
            if (tamanho >= 0)
                QCOMPARE(lido.bytes, conteudo);
            else
                QVERIFY(lido.bytes.contains("Name:"));
        }
    }
};

SORVANE_TESTE_MAIN(TesteDocumentoXml)
#include "tst_documentoxml.moc"

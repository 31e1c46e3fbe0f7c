#include "analysis/TfmICProblema.h"
#include "analysis/TfmOperacoes.h"
#include "app/TfmPrincipal.h"
#include "data/DocumentoXml.h"
#include "data/Erros.h"
#include "data/TdmDados.h"
#include "data/TfmDadosEscola.h"
#include "documents/DadosOrganograma.h"
#include "documents/TextoAta.h"
#include "documents/TfmCedula.h"
#include "documents/TfmDiagrama.h"
#include "documents/TfmRelatorio.h"
#include "grading/ControleNotas.h"
#include "grading/TfrClassificacao.h"
#include "problems/ControleProblemas.h"
#include "problems/TfrProblema.h"
#include "support/Componentes.h"
#include "support/PlanoMaximo.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"
#include "support/integracao/PlanoCompleto.h"
#include "voters/ControleVotantes.h"
#include "voters/TfrCategoria.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QRandomGenerator>
#include <QTextDocument>
#include <QTextEdit>
#include <cmath>
#include <memory>
#include <sys/stat.h>
#include <tuple>

// Plan files made to hurt: damaged, enormous, deep, lying or stuffed. Each gets a message in
// Portuguese or a fallback, the plan already on screen survives a file that is refused, and
// whatever is shown stays a readable value.
class TesteArquivosHostis : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Programa> programa;
    const QString hostil = QStringLiteral("hostil.xml");
    const QString atual = QStringLiteral("atual.xml");

    // A small sound plan whose pieces a row may replace: %TOTAL% (problems' total), %COR%
    // (first problem's colour), %N1% and %N2% (the first problem's two grades), %OPS% (the
    // first cause's operation count).
    static QByteArray modelo(const QMap<QString, QString> &trocas = {})
    {
        QString texto = QStringLiteral(
            "<planejamento xmlns=\"xmlns\">"
            "<escola nome=\"Escola\" diretor=\"Diretora\" data=\"16/03/2026\"/>"
            "<problemas maximo=\"10\" total=\"%TOTAL%\">"
            "<problema nome=\"P1\" cor=\"%COR%\">descrição</problema>"
            "<problema nome=\"P2\" cor=\"255\">descrição</problema></problemas>"
            "<categorias maximo=\"12\" total=\"1\"><categoria titulo=\"Professores\" id=\"PRO\" "
            "cor=\"32768\"><votante>Ana</votante><votante>Bia</votante></categoria></categorias>"
            "<notas><problema nome=\"P1\"><categoria nome=\"Professores\"><nota>%N1%</nota>"
            "<nota>%N2%</nota></categoria></problema><problema nome=\"P2\"><categoria "
            "nome=\"Professores\"><nota>3</nota><nota>4</nota></categoria></problema></notas>"
            "<indicadores><problema><indicador>I1</indicador></problema>"
            "<problema><indicador>I2</indicador></problema></indicadores>"
            "<causas><problema><causa operacoes=\"%OPS%\">C1</causa></problema>"
            "<problema><causa operacoes=\"1\">C2</causa></problema></causas>"
            "<operacoes><problema><op1c1><quem>Q1</quem><oque>O1</oque>%CAMPOS%</op1c1>"
            "<revisao>R1</revisao></problema><problema><op1c1><quem>Q2</quem><oque>O2</oque>"
            "%CAMPOS%</op1c1><revisao>R2</revisao></problema></operacoes></planejamento>");
        texto.replace(QStringLiteral("%CAMPOS%"),
                      QStringLiteral("<fisico/><humano/><financeiro/><prazo/><resultado/>"
                                     "<avaliacao/>"));
        const QMap<QString, QString> padrao = {{QStringLiteral("%TOTAL%"), QStringLiteral("2")},
                                               {QStringLiteral("%COR%"), QStringLiteral("0")},
                                               {QStringLiteral("%N1%"), QStringLiteral("7")},
                                               {QStringLiteral("%N2%"), QStringLiteral("8")},
                                               {QStringLiteral("%OPS%"), QStringLiteral("1")}};
        for (auto troca = padrao.begin(); troca != padrao.end(); ++troca)
            texto.replace(troca.key(), trocas.value(troca.key(), troca.value()));
        return texto.toUtf8();
    }

    // Starts the program on a sound plan of its own, as a user who had one open.
    void iniciarComPlanoAtual()
    {
        apoio::gravarBytes(atual, modelo());
        QVERIFY(programa->iniciar(apoio::pressionarOk({{}, {}, {}, atual})));
        programa->interacao.limpar();
    }

    // "&Abrir plano" with the hostile bytes.
    void abrir(const QByteArray &bytes)
    {
        apoio::gravarBytes(hostil, bytes);
        programa->interacao.arquivos.enqueue(hostil);
        fmPrincipal->mItemAbrirClick();
    }

    static QStringList nomesProblemas()
    {
        QStringList nomes;
        for (int i = 0; i < controleProblemas->total(); ++i)
            nomes << controleProblemas->nomeProblema(i);
        return nomes;
    }

    // "Gerar &Ata de reunião": the minutes' text as the window shows it.
    QString gerarAta()
    {
        QString texto;
        programa->interacao.modais.enqueue([&texto](QDialog &janela) {
            texto = janela.findChild<QTextEdit *>(QStringLiteral("relatorio"))->toPlainText();
            return int(QDialog::Rejected);
        });
        fmPrincipal->mItemGerarAtaClick();
        return texto;
    }

    static bool ehNumeroFinito(const QString &texto, const QLocale &local)
    {
        bool ok = false;
        const double valor = local.toDouble(texto, &ok);
        return ok && std::isfinite(valor);
    }

    static QByteArray aninhado(int niveis)
    {
        QByteArray texto = "<planejamento xmlns=\"xmlns\"><problemas><problema nome=\"Fundo\" "
                           "cor=\"0\">";
        texto.reserve(niveis * 7 + 200);
        for (int i = 0; i < niveis; ++i)
            texto += "<a>";
        for (int i = 0; i < niveis; ++i)
            texto += "</a>";
        return texto + "</problema></problemas></planejamento>";
    }

private Q_SLOTS:
    void init() { programa = std::make_unique<Programa>(); }
    void cleanup() { programa.reset(); }

    void arquivoRecusadoNaoCustaOPlanoAberto_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("motivo");
        QRandomGenerator gerador(20261208);
        QByteArray lixo(4096, Qt::Uninitialized);
        for (char &byte : lixo)
            byte = static_cast<char>(gerador.bounded(256));
        const QByteArray maximo = planoMaximo();
        QTest::newRow("arquivo vazio") << QByteArray() << "o arquivo está vazio";
        QTest::newRow("lixo binário") << lixo << "XML inválido (linha";
        QTest::newRow("plano truncado")
            << maximo.left(maximo.size() / 2) << "o arquivo pode estar incompleto";
        QTest::newRow("só espaços") << QByteArray("  \r\n\t ") << "não tem elemento raiz";
        QTest::newRow("XML de outro programa")
            << QByteArray("<project><modelVersion>4.0.0</modelVersion></project>")
            << "não é um plano escolar (o elemento principal é <project>";
        QTest::newRow("canal (FIFO)") << QByteArray() << "não é um arquivo comum";
        QTest::newRow("acima do limite de tamanho")
            << QByteArray() // made on disk by the test, sparse
            << "tem 33 MB, mais que o limite de 32 MB de um plano; ele não foi lido.";
    }

    // Refused by "&Abrir plano" with its message and the plan on screen intact; refused at
    // start-up by the school data dialog with the reason, so the user learns what is wrong.
    void arquivoRecusadoNaoCustaOPlanoAberto()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, motivo);
        const bool grande = QByteArray(QTest::currentDataTag()).startsWith("acima");
        auto preparar = [&] {
            QFile::remove(hostil);
            if (QByteArray(QTest::currentDataTag()).startsWith("canal")) {
                QCOMPARE(mkfifo(qPrintable(hostil), 0600), 0);
                return;
            }
            apoio::gravarBytes(hostil, bytes);
            if (grande) {
                QFile arquivo(hostil);
                QVERIFY(arquivo.open(QIODevice::ReadWrite));
                QVERIFY(arquivo.resize(DocumentoXml::tamanhoMaximoArquivo + 1));
            }
        };

        preparar();
        QVERIFY(!programa->iniciar(apoio::pressionarOk({{}, {}, {}, hostil})));
        QCOMPARE(programa->interacao.mensagens.size(), 1);
        QCOMPARE(programa->interacao.mensagens[0].icone, Icone::Erro);
        QVERIFY2(programa->interacao.mensagens[0].texto.contains(motivo),
                 qPrintable(programa->interacao.mensagens[0].texto));
        QVERIFY(fmDadosEscola->parteDoPlanoHabilitada());

        programa.reset();
        programa = std::make_unique<Programa>();
        iniciarComPlanoAtual();
        preparar();
        programa->interacao.arquivos.enqueue(hostil);
        fmPrincipal->mItemAbrirClick();
        QCOMPARE(programa->interacao.textosMensagens(),
                 QStringList{QStringLiteral("Problemas durante leitura de dados do arquivo:\n") +
                             hostil});
        QCOMPARE(nomesProblemas(), (QStringList{QStringLiteral("P1"), QStringLiteral("P2")}));
        QCOMPARE(dmDados->arquivoPlano, atual);
    }

    // A million levels: parsing, reading and freeing the tree must not recurse. The program
    // never writes a tree it read (every save rebuilds the plan from the screens), so only the
    // plan's own four levels are ever written.
    void umMilhaoDeNiveis()
    {
        iniciarComPlanoAtual();
        QElapsedTimer relogio;
        relogio.start();
        abrir(aninhado(1000000));
        // The sections the file lacks: one warning per grade reader, as for any such plan.
        QCOMPARE(programa->interacao.mensagens.size(), 3);
        programa->interacao.limpar();
        QCOMPARE(nomesProblemas(), QStringList{QStringLiteral("Fundo")});
        programa->interacao.arquivos.enqueue(QStringLiteral("salvo.xml"));
        fmPrincipal->mItemSalvarClick();
        QVERIFY(!apoio::lerBytes(QStringLiteral("salvo.xml")).contains("<a>"));
        QCOMPARE(programa->interacao.mensagens.size(), 0);
        QVERIFY2(relogio.elapsed() < 60000, qPrintable(QString::number(relogio.elapsed())));
    }

    void entidadesNuncaSaoExpandidas_data()
    {
        QTest::addColumn<QByteArray>("prologo");
        QTest::addColumn<QString>("nome");
        QByteArray bomba = "<!DOCTYPE planejamento [\n<!ENTITY l0 \"ha\">\n";
        for (int i = 1; i <= 9; ++i) {
            bomba += "<!ENTITY l" + QByteArray::number(i) + " \"";
            for (int j = 0; j < 10; ++j)
                bomba += "&l" + QByteArray::number(i - 1) + ";";
            bomba += "\">\n";
        }
        bomba += "]>\n";
        const QByteArray segredo = QDir::current().absoluteFilePath("segredo.txt").toUtf8();
        QTest::newRow("bomba de entidades") << bomba << "&l9;";
        QTest::newRow("entidade externa")
            << "<!DOCTYPE planejamento [<!ENTITY x SYSTEM \"file://" + segredo + "\">]>"
            << "&x;";
        QTest::newRow("entidade de parâmetro externa")
            << "<!DOCTYPE planejamento [<!ENTITY % p SYSTEM \"file://" + segredo + "\"> %p;]>"
            << "&x;";
        QTest::newRow("subconjunto externo")
            << "<!DOCTYPE planejamento SYSTEM \"file://" + segredo + "\">"
            << "&x;";
    }

    // An entity reference stays the text it is: the name shows it literally and the file
    // writes it back escaped; no file named by the document is ever read.
    void entidadesNuncaSaoExpandidas()
    {
        QFETCH(QByteArray, prologo);
        QFETCH(QString, nome);
        apoio::gravarBytes(QStringLiteral("segredo.txt"), "<!ENTITY x \"SEGREDO\">SEGREDO");
        iniciarComPlanoAtual();
        QByteArray bytes = modelo();
        bytes.replace("nome=\"P1\"", "nome=\"" + nome.toUtf8() + "\"");
        abrir(prologo + bytes);
        QCOMPARE(programa->interacao.mensagens.size(), 0);
        QCOMPARE(nomesProblemas(), (QStringList{nome, QStringLiteral("P2")}));
        programa->interacao.arquivos.enqueue(QStringLiteral("salvo.xml"));
        fmPrincipal->mItemSalvarClick();
        const QByteArray salvo = apoio::lerBytes(QStringLiteral("salvo.xml"));
        QVERIFY(salvo.contains("nome=\"&amp;" + nome.mid(1).toUtf8() + "\""));
        QVERIFY(!salvo.contains("SEGREDO") && !salvo.contains("haha"));
        QVERIFY(salvo.size() < 10000);
    }

    void contagensQueMentem_data()
    {
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("operacoes");
        QTest::addColumn<int>("operacoesLidas");
        QTest::addColumn<bool>("avisoCausas");
        QTest::newRow("total negativo") << "-5"
                                        << "1" << 1 << false;
        QTest::newRow("total enorme") << "99999999999999999999"
                                      << "1" << 1 << false;
        QTest::newRow("total não numérico") << "muitos"
                                            << "1" << 1 << false;
        // An unreadable count takes the one operation the file holds.
        QTest::newRow("operações negativas") << "2"
                                             << "-1" << 1 << false;
        QTest::newRow("operações no máximo de 32 bits") << "2"
                                                        << "2147483647" << 1 << true;
        QTest::newRow("operações além de 32 bits") << "2"
                                                   << "99999999999" << 1 << false;
        QTest::newRow("operações não numéricas") << "2"
                                                 << "três" << 1 << false;
    }

    // The lists count what the file holds, never what it claims; the minutes, built from the
    // plan as saved, say the real count.
    void contagensQueMentem()
    {
        QFETCH(QString, total);
        QFETCH(QString, operacoes);
        QFETCH(int, operacoesLidas);
        QFETCH(bool, avisoCausas);
        iniciarComPlanoAtual();
        abrir(modelo({{QStringLiteral("%TOTAL%"), total}, {QStringLiteral("%OPS%"), operacoes}}));
        QCOMPARE(nomesProblemas(), (QStringList{QStringLiteral("P1"), QStringLiteral("P2")}));
        const QStringList avisos = programa->interacao.textosMensagens();
        QCOMPARE(avisos.size(), avisoCausas ? 1 : 0);
        if (avisoCausas)
            QVERIFY(avisos[0].startsWith(QStringLiteral("Problemas durante a leitura das causas")));
        const TfmICProblema *janela = controleNotas->linhaClassificacao(0)->janelaIC();
        QCOMPARE(janela->numCausas(), 1);
        QCOMPARE(janela->numOperacoes(0), operacoesLidas);

        QVERIFY(gerarAta().contains(QStringLiteral("Total de problemas apontados: 2\n")));
    }

    void secaoDanificadaPerdeSoOIlegivel_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QByteArray>("danificado");
        QTest::addColumn<bool>("aviso");
        QTest::newRow("contagem não numérica")
            << QByteArray("operacoes=\"2\"") << QByteArray("operacoes=\"dois\"") << false;
        QTest::newRow("contagem ausente")
            << QByteArray(" operacoes=\"2\"") << QByteArray() << false;
        QTest::newRow("contagem negativa")
            << QByteArray("operacoes=\"2\"") << QByteArray("operacoes=\"-2\"") << false;
        QTest::newRow("operação anunciada a mais")
            << QByteArray("operacoes=\"1\"") << QByteArray("operacoes=\"2\"") << true;
        QTest::newRow("operação sem um campo")
            << QByteArray("<avaliacao />") << QByteArray() << true;
    }

    // Opening a damaged variant of the sample plan and saving it gives the plan back byte for
    // byte, later problems included; the chart reads the damaged file as the analysis did.
    void secaoDanificadaPerdeSoOIlegivel()
    {
        QFETCH(QByteArray, original);
        QFETCH(QByteArray, danificado);
        QFETCH(bool, aviso);
        const QByteArray amostra = plano::bytesEsperados();
        const QByteArray bytes =
            QByteArray(amostra).replace(amostra.indexOf(original), original.size(), danificado);
        iniciarComPlanoAtual();
        abrir(bytes);
        QCOMPARE(programa->interacao.mensagens.size(), aviso ? 1 : 0);
        programa->interacao.arquivos.enqueue(QStringLiteral("salvo.xml"));
        fmPrincipal->mItemSalvarClick();
        QCOMPARE(apoio::lerBytes(QStringLiteral("salvo.xml")), amostra);
        DocumentoXml lido;
        lido.carregarBytes(bytes);
        DocumentoXml salvo;
        salvo.carregarBytes(amostra);
        for (int i = 0; i < 9; ++i) {
            const auto grafico = DadosOrganograma::ler(lido.secoes(), i / 3, i % 3);
            const auto analise = DadosOrganograma::ler(salvo.secoes(), i / 3, i % 3);
            QVERIFY(std::tie(grafico.causa, grafico.operacoes, grafico.revisao) ==
                    std::tie(analise.causa, analise.operacoes, analise.revisao));
        }
    }

    // A thousand of everything: each list stops at its limit, with the list's own message
    // where the list has one, and the save writes no more than the limits.
    void milFilhosEmCadaLista()
    {
        constexpr int mil = 1000;
        QByteArray votantes, notas, indicadores, causas, operacoes;
        for (int i = 0; i < mil; ++i) {
            votantes += "<votante>V" + QByteArray::number(i) + "</votante>";
            notas += "<nota>1</nota>";
            indicadores += "<indicador>I</indicador>";
            causas += "<causa operacoes=\"1000\">C</causa>";
            operacoes += "<op><quem/><oque/><fisico/><humano/><financeiro/><prazo/><resultado/>"
                         "<avaliacao/></op>";
        }
        QByteArray problemas, categorias, secaoNotas, secaoIndicadores, secaoCausas, secaoOperacoes;
        for (int i = 0; i < mil; ++i) {
            problemas += "<problema nome=\"P" + QByteArray::number(i) + "\" cor=\"0\">d</problema>";
            categorias += "<categoria titulo=\"C\" id=\"C\" cor=\"0\">" + votantes + "</categoria>";
        }
        const QByteArray categoriaNotas = "<categoria>" + notas + "</categoria>";
        for (int i = 0; i < 12; ++i) {
            QByteArray linha;
            for (int c = 0; c < 20; ++c)
                linha += categoriaNotas;
            secaoNotas += "<problema>" + linha + "</problema>";
            secaoIndicadores += "<problema>" + indicadores + "</problema>";
            secaoCausas += "<problema>" + causas + "</problema>";
            secaoOperacoes += "<problema>" + operacoes + "<revisao>R</revisao></problema>";
        }
        iniciarComPlanoAtual();
        abrir("<planejamento xmlns=\"xmlns\"><problemas>" + problemas + "</problemas><categorias>" +
              categorias + "</categorias><notas>" + secaoNotas + "</notas><indicadores>" +
              secaoIndicadores + "</indicadores><causas>" + secaoCausas + "</causas><operacoes>" +
              secaoOperacoes + "</operacoes></planejamento>");
        // The first cause's thousand operations fill the section: the others find none.
        QCOMPARE(programa->interacao.textosMensagens(),
                 (QStringList{QStringLiteral("Número Máximo de Problemas atingido!"),
                              QStringLiteral("Número Máximo de Categorias de votantes atingido!"),
                              QStringLiteral("Problemas durante a leitura das causas dos "
                                             "problemas!\nO arquivo de dados xml pode estar "
                                             "corrompido.")}));
        QCOMPARE(controleProblemas->total(), 10);
        QCOMPARE(controleVotantes->total(), 12);
        for (int c = 0; c < 12; ++c)
            QCOMPARE(controleVotantes->quantidadeVotantes(c), 12);
        const TfmICProblema *janela = controleNotas->linhaClassificacao(9)->janelaIC();
        QCOMPARE(janela->numIndicadores(), 5);
        QCOMPARE(janela->numCausas(), 3);
        for (int k = 0; k < 3; ++k)
            QCOMPARE(janela->numOperacoes(k), k == 0 ? 3 : 0);
        // Every grade of every voter read: 12 categories of 12 ones.
        controleNotas->atualizar(false);
        QCOMPARE(controleNotas->totalProblema(0), 144.0f);

        programa->interacao.arquivos.enqueue(QStringLiteral("salvo.xml"));
        fmPrincipal->mItemSalvarClick();
        const QByteArray salvo = apoio::lerBytes(QStringLiteral("salvo.xml"));
        QCOMPARE(salvo.count("<problema nome="), 20); // problems and their grades
        QCOMPARE(salvo.count("<votante>"), 144);
        QCOMPARE(salvo.count("<nota>"), 1440);
        QCOMPARE(salvo.count("<indicador>"), 50);
        QCOMPARE(salvo.count("<causa "), 30);
        QCOMPARE(salvo.count("<avaliacao"), 30);
    }

    void coresForaDoIntervalo_data()
    {
        QTest::addColumn<QString>("cor");
        QTest::addColumn<bool>("aceita");
        QTest::newRow("menor inteiro de 32 bits") << "-2147483648" << true;
        QTest::newRow("maior inteiro de 32 bits") << "2147483647" << true;
        QTest::newRow("2^32") << "4294967296" << false;
        QTest::newRow("abaixo de 32 bits") << "-2147483649" << false;
        QTest::newRow("vinte dígitos") << "99999999999999999999" << false;
        QTest::newRow("hexadecimal") << "0xFF" << false;
        QTest::newRow("expoente") << "1e3" << false;
        QTest::newRow("vazia") << "" << false;
    }

    // A colour that fits in 32 bits is kept and written back as it came; any other ends the
    // problem list's reading as a damaged section does: what was read stays, with its colour
    // at the default, and one empty problem marks the spot.
    void coresForaDoIntervalo()
    {
        QFETCH(QString, cor);
        QFETCH(bool, aceita);
        iniciarComPlanoAtual();
        abrir(modelo({{QStringLiteral("%COR%"), cor}}));
        QCOMPARE(programa->interacao.mensagens.size(), 0);
        programa->interacao.arquivos.enqueue(QStringLiteral("salvo.xml"));
        fmPrincipal->mItemSalvarClick();
        const QByteArray salvo = apoio::lerBytes(QStringLiteral("salvo.xml"));
        if (aceita) {
            QCOMPARE(nomesProblemas(), (QStringList{QStringLiteral("P1"), QStringLiteral("P2")}));
            QVERIFY(salvo.contains("nome=\"P1\" cor=\"" + cor.toUtf8() + "\""));
        } else {
            QCOMPARE(controleProblemas->total(), 2);
            QCOMPARE(controleProblemas->nomeProblema(0), QStringLiteral("P1"));
            QVERIFY(controleProblemas->nomeProblema(1) != QStringLiteral("P2"));
            QVERIFY(!salvo.contains("cor=\"" + cor.toUtf8() + "\""));
        }
    }

    void notasQueNaoSaoNumerosFinitos_data()
    {
        QTest::addColumn<QString>("n1");
        QTest::addColumn<QString>("n2");
        QTest::addColumn<bool>("lidas");
        QTest::newRow("nan") << "nan"
                             << "8" << false;
        QTest::newRow("inf") << "inf"
                             << "8" << false;
        QTest::newRow("-inf") << "-inf"
                              << "8" << false;
        QTest::newRow("1e309") << "1e309"
                               << "8" << false;
        QTest::newRow("além do float") << "3.5e38"
                                       << "8" << false;
        QTest::newRow("3e38 + 3e38") << "3e38"
                                     << "3e38" << true;
        QTest::newRow("-3e38 - 3e38") << "-3e38"
                                      << "-3e38" << true;
        QTest::newRow("3e38 - 3e38") << "3e38"
                                     << "-3e38" << true;
    }

    // A grade that is not a finite 32-bit number is not read, and grades that are read never
    // add up to infinity: the ranking and the minutes show numbers.
    void notasQueNaoSaoNumerosFinitos()
    {
        QFETCH(QString, n1);
        QFETCH(QString, n2);
        QFETCH(bool, lidas);
        iniciarComPlanoAtual();
        abrir(modelo({{QStringLiteral("%N1%"), n1}, {QStringLiteral("%N2%"), n2}}));
        QCOMPARE(programa->interacao.mensagens.size(), 0);
        controleNotas->atualizar(false);
        const float total = controleNotas->totalProblema(0);
        QVERIFY2(std::isfinite(total), qPrintable(QString::number(total)));
        if (!lidas)
            QCOMPARE(total, 0.0f);
        apoio::montarQuadros(); // as the ranking tab shows them
        const TfrClassificacao *linha = controleNotas->linhaClassificacao(0);
        for (int k = 0; k < 2; ++k) {
            const auto *rotulo = linha->findChild<QLabel *>(QStringLiteral("rotuloValor%1").arg(k));
            QVERIFY(rotulo);
            QVERIFY2(ehNumeroFinito(rotulo->text(), QLocale()), qPrintable(rotulo->text()));
        }

        const QString ata = gerarAta();
        const qsizetype inicio = ata.indexOf(QStringLiteral("Total de pontos: "));
        QVERIFY(inicio >= 0);
        const QString pontos = ata.mid(inicio + 17).section(u'\n', 0, 0);
        QVERIFY2(ehNumeroFinito(pontos, QLocale::c()), qPrintable(pontos));
    }

    // The minutes' own sum, for grades as a file from elsewhere may bring them.
    void ataNuncaSomaAteOInfinito()
    {
        DocumentoXml documento;
        documento.carregarBytes(
            "<planejamento><problemas><problema nome=\"P\"/></problemas><notas><problema>"
            "<categoria><nota>1e308</nota><nota>1.7e308</nota></categoria><categoria>"
            "<nota>-1e308</nota></categoria></problema></notas></planejamento>");
        QTextDocument texto;
        textoAta::montar(texto, documento.secoes());
        const QString pontos = texto.toPlainText()
                                   .section(QStringLiteral("Total de pontos: "), 1)
                                   .section(u'\n', 0, 0);
        QVERIFY2(ehNumeroFinito(pontos, QLocale::c()), qPrintable(pontos));
    }

    // Names and texts of 100,000 characters open in reasonable time, survive a save whole
    // and go into every document.
    void textosDeCemMilCaracteres()
    {
        const QByteArray longo(100000, 'x');
        const QByteArray comEspacos = QByteArray("palavra ").repeated(12500);
        QByteArray bytes = modelo();
        bytes.replace("nome=\"Escola\"", "nome=\"" + longo + "\"");
        bytes.replace("nome=\"P1\" cor", "nome=\"" + longo + "\" cor");
        bytes.replace("titulo=\"Professores\"", "titulo=\"" + longo + "\"");
        bytes.replace("<votante>Ana</votante>", "<votante>" + longo + "</votante>");
        bytes.replace("<indicador>I1</indicador>", "<indicador>" + comEspacos + "</indicador>");
        bytes.replace(">C1</causa>", ">" + longo + "</causa>");
        bytes.replace("<quem>Q1</quem>", "<quem>" + comEspacos + "</quem>");
        bytes.replace("<revisao>R1</revisao>", "<revisao>" + longo + "</revisao>");
        iniciarComPlanoAtual();
        QElapsedTimer relogio;
        relogio.start();
        abrir(bytes);
        QCOMPARE(programa->interacao.mensagens.size(), 0);
        QCOMPARE(controleProblemas->nomeProblema(0).size(), 100000);
        QCOMPARE(fmDadosEscola->nomeEscola().size(), 100000);
        QCOMPARE(controleVotantes->tituloCategoria(0).size(), 100000);
        QCOMPARE(controleVotantes->nomeVotante(0, 0).size(), 100000);

        programa->interacao.arquivos.enqueue(QStringLiteral("salvo.xml"));
        fmPrincipal->mItemSalvarClick();
        const QByteArray salvo = apoio::lerBytes(QStringLiteral("salvo.xml"));
        QVERIFY(salvo.contains("<escola nome=\"" + longo + "\""));
        QVERIFY(salvo.contains("<problema nome=\"" + longo + "\" cor="));
        QVERIFY(salvo.contains("<categoria titulo=\"" + longo + "\""));
        QVERIFY(salvo.contains("<votante>" + longo + "</votante>"));
        QVERIFY(salvo.contains("<causa operacoes=\"1\">" + longo + "</causa>"));
        QVERIFY(salvo.contains("<revisao>" + longo + "</revisao>"));

        fmPrincipal->mItemGerarCedulaClick();
        QVERIFY(gerarAta().contains(QString::fromLatin1(longo)));
        int paginas = 0;
        programa->interacao.modais.enqueue([&paginas](QDialog &janela) {
            // "Organograma, página 1 de N", as a screen reader hears the picture.
            const auto *quadro = janela.findChild<QWidget *>(QStringLiteral("imgVisualizacaoDiag"));
            paginas = quadro->accessibleName().section(u' ', -1).toInt();
            return int(QDialog::Rejected);
        });
        fmPrincipal->mItemGerarOrganogramaClick();
        QVERIFY(paginas >= 1);
        QVERIFY2(relogio.elapsed() < 60000, qPrintable(QString::number(relogio.elapsed())));
    }
};

SORVANE_TESTE_MAIN(TesteArquivosHostis)
#include "tst_arquivoshostis.moc"

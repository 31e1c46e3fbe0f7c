#include "app/TfmPrincipal.h"
#include "data/DocumentoXml.h"
#include "data/TfmDadosEscola.h"
#include "grading/ControleNotas.h"
#include "problems/ControleProblemas.h"
#include "problems/TfrProblema.h"
#include "support/Componentes.h"
#include "support/PlanoAmostra.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "voters/ControleVotantes.h"
#include "widgets/CaixaCor.h"
#include "widgets/CaixaRolagem.h"

#include <QLabel>
#include <QLineEdit>

// The problem list: its limit, selection, layout and renumbering, and its plan file section.
class TesteControleProblemas : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Programa> programa;

    static void adicionarVarios(int quantos)
    {
        for (int i = 0; i < quantos; ++i)
            controleProblemas->adicionar();
        controleProblemas->atualizar(false);
    }

    static QStringList numerosMostrados()
    {
        QStringList numeros;
        for (int i = 0; i < controleProblemas->total(); ++i)
            numeros << controleProblemas->quadro(i)->lblNumero->text();
        return numeros;
    }

    static QStringList nomesDeComponente()
    {
        QStringList nomes;
        for (int i = 0; i < controleProblemas->total(); ++i)
            nomes << controleProblemas->quadro(i)->objectName();
        return nomes;
    }

    static QByteArray secaoGravada()
    {
        DocumentoXml documento;
        documento.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));
        controleProblemas->gravarProblemas(documento);
        return documento.paraBytes();
    }

private Q_SLOTS:
    void init() { programa = std::make_unique<Programa>(); }
    void cleanup() { programa.reset(); }

    void umDecimoPrimeiroProblemaEhRecusadoComMensagem()
    {
        adicionarVarios(10);
        QCOMPARE(controleNotas->total(), 10);
        QVERIFY(programa->interacao.mensagens.isEmpty());
        QVERIFY(!controleProblemas->adicionar());
        QCOMPARE(controleProblemas->total(), 10);
        QCOMPARE(controleNotas->total(), 10);
        QCOMPARE(programa->interacao.mensagens.size(), 1);
        QCOMPARE(programa->interacao.mensagens[0].icone, Icone::Informacao);
        QCOMPARE(programa->interacao.mensagens[0].texto,
                 QStringLiteral("Número Máximo de Problemas atingido!"));
    }

    void remocaoSelecionaOVizinhoCerto_data()
    {
        QTest::addColumn<int>("removido");
        QTest::addColumn<int>("selecionadoDepois");
        QTest::addColumn<QString>("nomeSelecionado");
        QTest::newRow("o de baixo: sobe para o anterior") << 3 << 2 << "C";
        QTest::newRow("um do meio: fica o que subiu") << 1 << 1 << "C";
        QTest::newRow("o primeiro: fica o que subiu") << 0 << 0 << "B";
    }

    void remocaoSelecionaOVizinhoCerto()
    {
        QFETCH(int, removido);
        QFETCH(int, selecionadoDepois);
        QFETCH(QString, nomeSelecionado);
        adicionarVarios(4);
        const QStringList nomes = {"A", "B", "C", "D"};
        for (int i = 0; i < 4; ++i)
            controleProblemas->quadro(i)->definirNome(nomes[i]);
        controleProblemas->selecionar(removido);
        QVERIFY(controleProblemas->remover());
        controleProblemas->atualizar(true);
        QCOMPARE(controleProblemas->total(), 3);
        QCOMPARE(controleNotas->total(), 3);
        QCOMPARE(controleProblemas->posicaoSelecionada(), selecionadoDepois);
        QCOMPARE(controleNotas->linhaSelecionada(), selecionadoDepois);
        QCOMPARE(controleProblemas->nomeProblema(selecionadoDepois), nomeSelecionado);
        QCOMPARE(numerosMostrados(), QStringList({"1.", "2.", "3."}));
    }

    void linhasEmpilhadasDeCimaParaBaixo()
    {
        adicionarVarios(3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(controleProblemas->quadro(i)->y(), i * TfrProblema::altura);
            QCOMPARE(controleProblemas->quadro(i)->posicao, i);
            QCOMPARE(controleProblemas->quadro(i)->numero, i + 1);
        }
        QCOMPARE(fmPrincipal->sbProblemas->alturaConteudo(), 3 * TfrProblema::altura);
    }

    void nomesDeComponenteContinuamContando()
    {
        adicionarVarios(3);
        controleProblemas->selecionar(1);
        controleProblemas->remover();
        controleProblemas->adicionar();
        QCOMPARE(nomesDeComponente(), QStringList({"Problema0", "Problema2", "Problema3"}));
    }

    void destaqueSegueASelecao()
    {
        adicionarVarios(3);
        controleProblemas->selecionar(1);
        for (int i = 0; i < 3; ++i) {
            const QFrame *painel = controleProblemas->quadro(i)->painel;
            QCOMPARE(painel->lineWidth(), i == 1 ? 3 : 1);
            QCOMPARE(painel->palette().color(QPalette::Window) == QColor(192, 192, 192), i == 1);
        }
        // An invalid position keeps the selection and paints the highlight again.
        QVERIFY(controleProblemas->selecionar(-1));
        QCOMPARE(controleProblemas->posicaoSelecionada(), 1);
        QCOMPARE(controleProblemas->quadro(1)->painel->lineWidth(), 3);
    }

    void entrarNaLinhaASeleciona()
    {
        adicionarVarios(3);
        controleProblemas->quadro(0)->painelEnter();
        QCOMPARE(controleProblemas->posicaoSelecionada(), 0);
        QCOMPARE(controleNotas->linhaSelecionada(), 0);
    }

    void listaVaziaRecusaSelecaoERemocao()
    {
        QVERIFY(!controleProblemas->selecionar(0));
        QVERIFY(!controleProblemas->remover());
        QCOMPARE(programa->interacao.textosMensagens(),
                 QStringList({"Selecione um problema para exclusão!"}));
        QCOMPARE(controleProblemas->nomeProblema(0), QStringLiteral("(Não disponível)"));
    }

    void esvaziarRemoveTudoETambemAsLinhasDeNotas()
    {
        adicionarVarios(4);
        controleProblemas->esvaziar();
        QCOMPARE(controleProblemas->total(), 0);
        QCOMPARE(controleNotas->total(), 0);
        QVERIFY(programa->interacao.mensagens.isEmpty());
        // The highlight went with the frames: a new one takes it.
        controleProblemas->adicionar();
        QCOMPARE(controleProblemas->quadro(0)->painel->lineWidth(), 3);
    }

    void secaoGravadaExata()
    {
        adicionarVarios(2);
        controleProblemas->quadro(0)->definirNome(QStringLiteral("Evasão escolar"));
        controleProblemas->quadro(0)->definirCor(0x0000FF);
        QCOMPARE(secaoGravada(),
                 QByteArray("<planejamento xmlns=\"xmlns\">\r\n"
                            "    <problemas maximo=\"10\" total=\"2\">\r\n"
                            "        <problema nome=\"Evas\xC3\xA3o escolar\" cor=\"255\">"
                            "descri\xC3\xA7\xC3\xA3o</problema>\r\n"
                            "        <problema nome=\"Problema\" cor=\"0\">"
                            "descri\xC3\xA7\xC3\xA3o</problema>\r\n"
                            "    </problemas>\r\n"
                            "</planejamento>\r\n"));
    }

    void nomeVazioGravaAtributoVazio()
    {
        adicionarVarios(1);
        controleProblemas->quadro(0)->definirNome(QString());
        QVERIFY(secaoGravada().contains("<problema nome=\"\" cor=\"0\">"));
    }

    void leituraDaSecao_data()
    {
        QTest::addColumn<QByteArray>("corpo");
        QTest::addColumn<QStringList>("nomes");
        QTest::addColumn<QList<int>>("cores");
        QTest::addColumn<int>("mensagens");

        QTest::newRow("dois problemas")
            << QByteArray("<problemas maximo=\"10\" total=\"9\"><problema nome=\"A\" "
                          "cor=\"255\">x</problema>"
                          "<problema nome=\"B\" cor=\"-16777201\"/></problemas>")
            << QStringList{"A", "B"} << QList<int>{255, -16777201} << 0;
        QTest::newRow("sem a seção: um problema padrão")
            << QByteArray("<escola/>") << QStringList{"Problema"} << QList<int>{0} << 0;
        QTest::newRow("seção vazia: lista vazia")
            << QByteArray("<problemas/>") << QStringList{} << QList<int>{} << 0;
        QTest::newRow("cor com letras no terceiro")
            << QByteArray(
                   "<problemas><problema nome=\"A\" cor=\"1\"/><problema nome=\"B\" cor=\"2\"/>"
                   "<problema nome=\"C\" cor=\"azul\"/><problema nome=\"D\" "
                   "cor=\"4\"/></problemas>")
            << QStringList{"A", "B", "C", "Problema"} << QList<int>{1, 2, 0, 0} << 0;
        QTest::newRow("sem nome no segundo")
            << QByteArray(
                   "<problemas><problema nome=\"A\" cor=\"1\"/><problema cor=\"2\"/></problemas>")
            << QStringList{"A", "Problema", "Problema"} << QList<int>{1, 0, 0} << 0;
        QTest::newRow("sem cor no primeiro: nome já lido fica")
            << QByteArray("<problemas><problema nome=\"A\"/></problemas>")
            << QStringList{"A", "Problema"} << QList<int>{0, 0} << 0;
        QTest::newRow("cor fora de 32 bits")
            << QByteArray("<problemas><problema nome=\"A\" cor=\"99999999999\"/></problemas>")
            << QStringList{"A", "Problema"} << QList<int>{0, 0} << 0;
        QTest::newRow("qualquer nome de elemento conta")
            << QByteArray("<problemas><outro nome=\"A\" cor=\"3\"/></problemas>")
            << QStringList{"A"} << QList<int>{3} << 0;

        QByteArray onze = "<problemas>";
        QStringList dez;
        QList<int> coresDez;
        for (int i = 0; i < 11; ++i) {
            onze += "<problema nome=\"P" + QByteArray::number(i) + "\" cor=\"" +
                    QByteArray::number(i) + "\"/>";
            if (i < 10) {
                dez << QStringLiteral("P%1").arg(i);
                coresDez << i;
            }
        }
        onze += "</problemas>";
        QTest::newRow("onze filhos: dez e a mensagem") << onze << dez << coresDez << 1;
    }

    void leituraDaSecao()
    {
        QFETCH(QByteArray, corpo);
        QFETCH(QStringList, nomes);
        QFETCH(QList<int>, cores);
        QFETCH(int, mensagens);
        controleProblemas->lerProblemas(amostra::secoesDe(corpo));
        QCOMPARE(controleProblemas->total(), static_cast<int>(nomes.size()));
        QCOMPARE(controleNotas->total(), static_cast<int>(nomes.size()));
        for (int i = 0; i < nomes.size(); ++i) {
            QCOMPARE(controleProblemas->nomeProblema(i), nomes[i]);
            QCOMPARE(controleProblemas->quadro(i)->corProblema(), cores[i]);
            // The frame selected last holds the highlight, and it alone.
            QCOMPARE(controleProblemas->quadro(i)->painel->lineWidth(),
                     i == nomes.size() - 1 ? 3 : 1);
        }
        QCOMPARE(programa->interacao.mensagens.size(), mensagens);
    }

    void nomeLongoDoArquivoFicaInteiroEVoltaInteiro()
    {
        const QString longo(300, u'x');
        controleProblemas->lerProblemas(amostra::secoesDe(
            "<problemas><problema nome=\"" + longo.toUtf8() + "\" cor=\"0\"/></problemas>"));
        QCOMPARE(controleProblemas->nomeProblema(0), longo);
        QVERIFY(secaoGravada().contains("nome=\"" + longo.toUtf8() + "\""));
    }

    void digitacaoParaEm128Caracteres()
    {
        adicionarVarios(1);
        QLineEdit *edicao = controleProblemas->quadro(0)->edProblema;
        edicao->clear();
        QTest::keyClicks(edicao, QString(130, u'a'));
        QCOMPARE(edicao->text().size(), 128);
    }

    // Every edit with a limit: a read text stays whole and as read; typing only shortens it.
    void textoLidoFicaInteiroEDigitacaoNaoPassaDoLimite_data()
    {
        QTest::addColumn<QString>("edicao");
        QTest::addColumn<int>("limite");
        QTest::newRow("problema") << "edProblema" << 128;
        QTest::newRow("título") << "edCategoria" << 32;
        QTest::newRow("identificador") << "edIdentificador" << 3;
        QTest::newRow("escola") << "edNomeEscola" << 64;
        QTest::newRow("diretor") << "edNomeDiretor" << 64;
    }

    void textoLidoFicaInteiroEDigitacaoNaoPassaDoLimite()
    {
        QFETCH(QString, edicao);
        QFETCH(int, limite);
        const QString lido = QStringLiteral("pai") + QString(200, u'x');
        const QByteArray t = lido.toUtf8();
        const ListaNos secoes =
            amostra::secoesDe("<escola nome=\"" + t + "\" diretor=\"" + t +
                              "\" data=\"\"/><problemas><problema nome=\"" + t +
                              "\" cor=\"0\"/></problemas><categorias><categoria titulo=\"" + t +
                              "\" id=\"" + t + "\" cor=\"0\"/></categorias>");
        fmDadosEscola->lerEscola(secoes);
        controleProblemas->lerProblemas(secoes);
        controleVotantes->lerCategorias(secoes);
        apoio::montarQuadros();
        auto *campo = fmPrincipal->findChild<QLineEdit *>(edicao);
        campo = campo ? campo : fmDadosEscola->findChild<QLineEdit *>(edicao);
        QCOMPARE(campo->text(), lido);
        campo->end(false);
        QTest::keyClicks(campo, QStringLiteral("yz"));
        QTest::keyClick(campo, Qt::Key_Backspace);
        QTest::keyClicks(campo, QStringLiteral("yz"));
        QCOMPARE(campo->text(), lido.chopped(1));
        campo->selectAll();
        QTest::keyClicks(campo, QString(limite + 1, u'b'));
        QCOMPARE(campo->text().size(), limite);
    }

    void corLidaPintaONomeEFicaNoSeletor_data()
    {
        QTest::addColumn<int>("cor");
        QTest::newRow("vermelho da lista") << 0x0000FF;
        QTest::newRow("fora da lista") << 0x123456;
        QTest::newRow("cor de sistema") << static_cast<int>(0xFF00000F);
    }

    void corLidaPintaONomeEFicaNoSeletor()
    {
        QFETCH(int, cor);
        controleProblemas->lerProblemas(amostra::secoesDe("<problemas><problema nome=\"A\" cor=\"" +
                                                          QByteArray::number(cor) +
                                                          "\"/></problemas>"));
        const TfrProblema *quadro = controleProblemas->quadro(0);
        QCOMPARE(quadro->cBoxCorProblema->corSelecionada(), cor);
        QCOMPARE(quadro->edProblema->palette().color(QPalette::Text), paraQColor(cor));
        QVERIFY(secaoGravada().contains("cor=\"" + QByteArray::number(cor) + "\""));
    }

    void escolherCorPintaONome()
    {
        adicionarVarios(1);
        TfrProblema *quadro = controleProblemas->quadro(0);
        const int azul = quadro->cBoxCorProblema->findText(QStringLiteral("Azul"));
        QVERIFY(azul >= 0);
        quadro->cBoxCorProblema->setCurrentIndex(azul);
        QCOMPARE(quadro->corProblema(), 0xFF0000);
        QCOMPARE(quadro->edProblema->palette().color(QPalette::Text), QColor(0, 0, 255));
    }

    // A removed row is given to the next problem added: it must be what a new row is.
    void linhaReaproveitadaComoNova_data()
    {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<int>("cor");
        QTest::newRow("nome digitado") << "Evasao escolar" << 0x0000FF;
        QTest::newRow("nome longo e cor fora da lista") << QString(150, u'x') << 0x010203;
        QTest::newRow("cor de sistema") << "" << static_cast<int>(0xFF00000F);
    }

    void linhaReaproveitadaComoNova()
    {
        QFETCH(QString, digitado);
        QFETCH(int, cor);
        adicionarVarios(2);
        TfrProblema *usada = controleProblemas->quadro(1);
        QTest::keyClicks(usada->edProblema, digitado);
        usada->definirCor(cor);
        controleProblemas->selecionar(1);
        controleProblemas->remover();
        adicionarVarios(1);
        QCOMPARE(controleProblemas->quadro(1), usada);

        const TfrProblema nova;
        QCOMPARE(usada->nome(), nova.nome());
        QCOMPARE(usada->edProblema->isUndoAvailable(), false);
        QCOMPARE(usada->edProblema->maxLength(), nova.edProblema->maxLength());
        QCOMPARE(usada->corProblema(), nova.corProblema());
        QCOMPARE(usada->cBoxCorProblema->count(), nova.cBoxCorProblema->count());
        QCOMPARE(usada->cBoxCorProblema->currentIndex(), nova.cBoxCorProblema->currentIndex());
        QCOMPARE(usada->edProblema->palette().color(QPalette::Text),
                 nova.edProblema->palette().color(QPalette::Text));
        QCOMPARE(usada->painel->lineWidth(), 3); // selected, as the row added is
        QCOMPARE(controleProblemas->quadro(0)->painel->lineWidth(), 1);
    }

    // Tab goes through the rows in the order they are shown, whenever each row was made.
    void tabSegueAOrdemMostrada_data()
    {
        QTest::addColumn<int>("removida"); // -1: none
        QTest::addColumn<int>("inserida");
        QTest::newRow("posta de volta no início") << 0 << 0;
        QTest::newRow("reaproveitada no fim") << 1 << -1;
        QTest::newRow("inserida no meio") << -1 << 1;
    }

    void tabSegueAOrdemMostrada()
    {
        QFETCH(int, removida);
        QFETCH(int, inserida);
        adicionarVarios(3);
        if (removida >= 0) {
            controleProblemas->selecionar(removida);
            controleProblemas->remover();
        }
        if (inserida >= 0)
            controleProblemas->inserir(inserida);
        else
            controleProblemas->adicionar();
        controleProblemas->atualizar(false);

        QList<QWidget *> esperada;
        for (int i = 0; i < controleProblemas->total(); ++i)
            esperada << controleProblemas->quadro(i)->edProblema
                     << controleProblemas->quadro(i)->cBoxCorProblema;
        QList<QWidget *> percorrida;
        QWidget *atual = esperada.first();
        do {
            if (esperada.contains(atual))
                percorrida << atual;
            atual = atual->nextInFocusChain();
        } while (atual != esperada.first());
        QCOMPARE(percorrida, esperada);
    }
};

SORVANE_TESTE_MAIN(TesteControleProblemas)
#include "tst_controleproblemas.moc"

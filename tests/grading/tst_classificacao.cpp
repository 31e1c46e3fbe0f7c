#include "analysis/TfmICProblema.h"
#include "analysis/TfmOperacoes.h"
#include "analysis/TfrOperacao.h"
#include "app/TfmPrincipal.h"
#include "grading/ControleNotas.h"
#include "grading/TfrClassificacao.h"
#include "grading/TfrNotas.h"
#include "problems/ControleProblemas.h"
#include "problems/TfrProblema.h"
#include "support/Componentes.h"
#include "support/PlanoAmostra.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "voters/ControleVotantes.h"
#include "widgets/CaixaRolagem.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <memory>

using namespace amostra;
using apoio::achar;

// The ranking tab: totals and subtotals, their text and places, the order of the rows, the
// header's columns, and the button that opens each problem's indicators and causes.
class TesteClassificacao : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Programa> programa;

    static QLabel *valor(int p, int k)
    {
        apoio::montarQuadros(); // as the ranking tab shows them
        return controleNotas->linhaClassificacao(p)->findChild<QLabel *>(
            QStringLiteral("rotuloValor%1").arg(k));
    }
    static QLabel *coluna(int k) { return achar<QLabel>(QStringLiteral("rotuloColuna%1").arg(k)); }
    static void mostrarClassificacao()
    {
        apoio::montarQuadros();
        fmPrincipal->pcControlePaginas->setCurrentIndex(0);
        fmPrincipal->pcControlePaginas->setCurrentIndex(3);
    }

private Q_SLOTS:
    void init()
    {
        apoio::usarPortugues();
        programa = std::make_unique<Programa>();
    }
    void cleanup() { programa.reset(); }

    void ordemPorTotalDescendente()
    {
        // Totals 15, 22, 15, 30 for problems 1 to 4 give the order 4, 2, 1, 3.
        adicionarCategoria(QStringLiteral("Pais"), QStringLiteral("PAI"), azul, {"a", "b", "c"});
        const int notas[4][3] = {{5, 5, 5}, {10, 10, 2}, {7, 8, 0}, {10, 10, 10}};
        for (int p = 0; p < 4; ++p) {
            adicionarProblema(QStringLiteral("P%1").arg(p + 1));
            for (int v = 0; v < 3; ++v)
                darNota(p, 0, v, notas[p][v]);
        }
        mostrarClassificacao();
        const QStringList totais{"15,0", "22,0", "15,0", "30,0"};
        const int topos[4] = {96, 48, 144, 0};
        for (int p = 0; p < 4; ++p) {
            QCOMPARE(valor(p, 0)->text(), totais.at(p));
            QCOMPARE(valor(p, 1)->text(), totais.at(p));
            QCOMPARE(controleNotas->linhaClassificacao(p)->y(), topos[p]);
        }
        QCOMPARE(fmPrincipal->sbClassificacao->alturaConteudo(), 192);
        // A grade changed on the "Notas" tab shows the next time the ranking is shown.
        darNota(2, 0, 2, 10);
        QCOMPARE(controleNotas->linhaClassificacao(2)->y(), 144);
        mostrarClassificacao();
        QCOMPARE(valor(2, 0)->text(), QStringLiteral("25,0"));
        QCOMPARE(controleNotas->linhaClassificacao(2)->y(), 48);
    }

    void rotulosDeDuasCategorias()
    {
        adicionarCategoria(QStringLiteral("Professores"), QStringLiteral("PRO"), vermelho,
                           {"a", "b"});
        adicionarCategoria(QStringLiteral("Pais"), QStringLiteral("PAI"), azul, {"c"});
        adicionarProblema(QStringLiteral("Evasão"));
        darNota(0, 0, 0, 3);
        darNota(0, 0, 1, 4);
        darNota(0, 1, 0, 9);
        mostrarClassificacao();
        const QStringList textos{"16,0", "7,0", "9,0"};
        for (int k = 0; k < 13; ++k) {
            QCOMPARE(valor(0, k)->isHidden(), k > 2);
            QCOMPARE(coluna(k)->isHidden(), k > 2);
            if (k > 2)
                continue;
            QCOMPARE(valor(0, k)->pos(), QPoint(262 + 56 * k, 14));
            QCOMPARE(valor(0, k)->text(), textos.at(k));
        }
        QCOMPARE(coluna(0)->text(), QStringLiteral("Total"));
        QCOMPARE(coluna(0)->pos(), QPoint(256, 14));
        QCOMPARE(coluna(1)->pos(), QPoint(318, 14));
        QCOMPARE(coluna(2)->pos(), QPoint(374, 14));
        QCOMPARE(coluna(1)->text(), QStringLiteral("PRO"));
        QCOMPARE(coluna(2)->text(), QStringLiteral("PAI"));
        QCOMPARE(coluna(1)->toolTip(), QStringLiteral("Professores"));
        QCOMPARE(coluna(2)->toolTip(), QStringLiteral("Pais"));
        QCOMPARE(coluna(1)->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(coluna(2)->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(achar<QLabel>(QStringLiteral("lblProblema"))->text(), QStringLiteral("Problema"));
    }

    void totaisNoFormatoDoLocal_data()
    {
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("texto");
        QTest::newRow("português") << "pt_BR"
                                   << "1,5";
        QTest::newRow("inglês") << "en_US"
                                << "1.5";
    }

    void totaisNoFormatoDoLocal()
    {
        QFETCH(QString, local);
        QFETCH(QString, texto);
        QLocale::setDefault(QLocale(local));
        adicionarCategoria(QStringLiteral("Pais"), QStringLiteral("PAI"), azul, {"a", "b"});
        adicionarProblema(QStringLiteral("A"));
        controleNotas->linhaNotas(0)->tabela.definirNota(0, 0, 0.25f);
        controleNotas->linhaNotas(0)->tabela.definirNota(0, 1, 1.25f);
        controleNotas->classificar();
        QCOMPARE(valor(0, 0)->text(), texto);
    }

    void dozeParaOnzeCategorias()
    {
        adicionarProblema(QStringLiteral("A"));
        for (int c = 0; c < 12; ++c)
            adicionarCategoria(QStringLiteral("C%1").arg(c), QStringLiteral("C%1").arg(c), azul,
                               {"x"});
        mostrarClassificacao();
        QVERIFY(!coluna(12)->isHidden());
        QVERIFY(!valor(0, 12)->isHidden());
        controleVotantes->selecionar(4);
        controleVotantes->remover();
        QVERIFY(coluna(12)->isHidden());
        QVERIFY(valor(0, 12)->isHidden());
        QCOMPARE(coluna(5)->text(), QStringLiteral("C5"));
    }

    void botaoAbreAJanelaDoProblema_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("nome comum") << "Evasão";
        QTest::newRow("nome vazio") << "";
        QTest::newRow("nome com &") << "Faltas & atrasos";
    }

    void botaoAbreAJanelaDoProblema()
    {
        QFETCH(QString, nome);
        adicionarProblema(nome);
        mostrarClassificacao();
        TfrClassificacao *linha = controleNotas->linhaClassificacao(0);
        QCOMPARE(linha->titulo(), nome);
        QCOMPARE(linha->janelaIC()->windowTitle(), nome);
        QVERIFY(linha->janelaIC()->parent() == nullptr);
        QString legenda = linha->btnProblema->text();
        QCOMPARE(legenda.replace(QStringLiteral("&&"), QStringLiteral("&")), nome);
        TfmICProblema *aberta = nullptr;
        programa->interacao.modais.enqueue([&aberta](QDialog &janela) {
            aberta = qobject_cast<TfmICProblema *>(&janela);
            return int(QDialog::Accepted);
        });
        linha->btnProblema->click();
        QCOMPARE(aberta, linha->janelaIC());
    }

    // A problem's analysis is read into its window when the window exists, into the row's data
    // before; either way the window shows what was read, and the row saves it.
    void analiseLidaChegaAJanela_data()
    {
        QTest::addColumn<bool>("janelaAntes");
        QTest::newRow("janela nunca aberta") << false;
        QTest::newRow("janela já aberta") << true;
    }

    void analiseLidaChegaAJanela()
    {
        QFETCH(bool, janelaAntes);
        adicionarProblema(QStringLiteral("Evasão"));
        mostrarClassificacao();
        TfrClassificacao *linha = controleNotas->linhaClassificacao(0);
        if (janelaAntes)
            linha->janelaIC()->definirIndicador(1, QStringLiteral("antigo"));
        QCOMPARE(linha->janelaConstruida(), janelaAntes);

        QByteArray campos;
        for (const char *nome :
             {"quem", "oque", "fisico", "humano", "financeiro", "prazo", "resultado", "avaliacao"})
            campos += QByteArray("<") + nome + ">" + nome + " lido</" + nome + ">";
        const QByteArray corpo =
            "<indicadores><problema><indicador>lido 1</indicador><indicador>lido 2</indicador>"
            "</problema></indicadores>"
            "<causas><problema><causa operacoes=\"1\">causa lida</causa></problema></causas>"
            "<operacoes><problema><op1c1>" +
            campos + "</op1c1><revisao>revisão lida</revisao></problema></operacoes>";
        const ListaNos secoes = amostra::secoesDe(corpo);
        controleNotas->lerIndicadores(secoes);
        controleNotas->lerCausas(secoes);
        QCOMPARE(linha->janelaConstruida(), janelaAntes);

        TfmICProblema *janela = linha->janelaIC();
        QCOMPARE(janela->windowTitle(), QStringLiteral("Evasão"));
        QCOMPARE(janela->numIndicadores(), 2);
        QCOMPARE(janela->indicador(1), QStringLiteral("lido 1"));
        QCOMPARE(janela->causa(1), QStringLiteral("causa lida"));
        QCOMPARE(janela->revisaoGeral(), QStringLiteral("revisão lida"));
        QCOMPARE(janela->ficha(0)->operacao(0)->texto(5), QStringLiteral("prazo lido"));

        DocumentoXml documento;
        documento.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));
        controleNotas->gravarNotas(documento);
        const QByteArray gravado = documento.paraBytes();
        for (const char *linhaEsperada :
             {"<indicador>lido 1</indicador>", "<indicador>lido 2</indicador>",
              "<causa operacoes=\"1\">causa lida</causa>", "<prazo>prazo lido</prazo>",
              "<revisao>revis\xC3\xA3o lida</revisao>"})
            QVERIFY2(gravado.contains(linhaEsperada), linhaEsperada);
    }
    // The window edits the row's analysis in place and shows again what the row takes from
    // outside (a removal taken back): the two never hold different analyses.
    void janelaEditaAAnaliseDaLinha_data()
    {
        QTest::addColumn<int>("edicao");
        QTest::newRow("indicador digitado") << 0;
        QTest::newRow("causa acrescentada") << 1;
        QTest::newRow("indicador removido") << 2;
    }

    void janelaEditaAAnaliseDaLinha()
    {
        QFETCH(int, edicao);
        adicionarProblema(QStringLiteral("Evasão"));
        TfrClassificacao *linha = controleNotas->linhaClassificacao(0);
        TfmICProblema *janela = linha->janelaIC();
        const AnaliseProblema &analise = linha->analiseAtual();
        if (edicao == 0) {
            janela->sgIndicadores->item(1, 1)->setText(QStringLiteral("digitado"));
            QCOMPARE(analise.indicadores(), QStringList{QStringLiteral("digitado")});
        } else if (edicao == 1) {
            janela->sbAdicionarCausa->click();
            QCOMPARE(analise.causas().size(), 2);
            QCOMPARE(analise.operacoes(1).quantidade(), 1);
        } else {
            janela->sbAdicionarIndicador->click();
            janela->sgIndicadores->item(2, 1)->setText(QStringLiteral("segundo"));
            janela->sbRemoverIndicador->click();
            QCOMPARE(analise.indicadores(), QStringList{QString()});
        }
        AnaliseProblema deFora;
        deFora.definirIndicadores({QStringLiteral("de fora"), QStringLiteral("outro")});
        linha->definirAnalise(deFora);
        QCOMPARE(janela->numIndicadores(), 2);
        QCOMPARE(janela->indicador(1), QStringLiteral("de fora"));
        QCOMPARE(janela->numCausas(), 1);
        janela->sgIndicadores->item(2, 1)->setText(QStringLiteral("de novo"));
        QCOMPARE(analise.indicadores(),
                 (QStringList{QStringLiteral("de fora"), QStringLiteral("de novo")}));
    }
};

SORVANE_TESTE_MAIN(TesteClassificacao)
#include "tst_classificacao.moc"

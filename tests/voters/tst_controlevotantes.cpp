#include "app/TfmPrincipal.h"
#include "grading/ControleNotas.h"
#include "support/Componentes.h"
#include "support/PlanoAmostra.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "voters/ControleVotantes.h"
#include "voters/TfrCategoria.h"
#include "widgets/CaixaCor.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <memory>

using namespace amostra;
using apoio::achar;

// The voter categories: limits and messages, folding, quantity, identifier and title rules,
// the answers by position, and the `categorias` section with its readers' fallbacks.
class TesteControleVotantes : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Programa> programa;

    QStringList mensagens() const { return programa->interacao.textosMensagens(); }

    static QVector<int> topos()
    {
        QVector<int> y;
        for (int c = 0; c < controleVotantes->total(); ++c)
            y.append(controleVotantes->quadro(c)->y());
        return y;
    }

private Q_SLOTS:
    void init()
    {
        apoio::usarPortugues();
        programa = std::make_unique<Programa>();
    }
    void cleanup() { programa.reset(); }

    void limitesEMensagens()
    {
        for (int c = 0; c < 12; ++c)
            QVERIFY(controleVotantes->adicionar());
        QVERIFY(mensagens().isEmpty());
        QVERIFY(!controleVotantes->adicionar());
        QCOMPARE(mensagens(),
                 QStringList{QStringLiteral("Número Máximo de Categorias de votantes atingido!")});
        QCOMPARE(programa->interacao.mensagens.first().icone, Icone::Informacao);
        QCOMPARE(controleVotantes->total(), 12);
        QCOMPARE(controleVotantes->posicaoSelecionada(), 11);

        controleVotantes->esvaziar();
        QCOMPARE(controleVotantes->total(), 0);
        QVERIFY(achar<TfrCategoria>(QStringLiteral("Categoria0")) == nullptr);
        programa->interacao.limpar();
        QVERIFY(!controleVotantes->remover());
        QCOMPARE(mensagens(),
                 QStringList{QStringLiteral("Selecione uma categoria para exclusão!")});
        // Names are never reused, even after the list was emptied.
        controleVotantes->adicionar();
        QCOMPARE(controleVotantes->quadro(0)->objectName(), QStringLiteral("Categoria12"));
    }

    void mostrarNomesEmpurraAsCategoriasDeBaixo()
    {
        for (int c = 0; c < 3; ++c)
            controleVotantes->adicionar();
        controleVotantes->atualizar(false);
        QCOMPARE(topos(), (QVector<int>{0, 39, 78}));

        TfrCategoria *primeira = controleVotantes->quadro(0);
        apoio::montarQuadros();
        QTest::mouseDClick(primeira->painel, Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(primeira->nomesVisiveis);
        QVERIFY(!primeira->sgVotantes->isHidden());
        QCOMPARE(primeira->height(), 147);
        QCOMPARE(topos(), (QVector<int>{0, 147, 186}));

        controleVotantes->quadro(1)->sbBtnNomes->click();
        QCOMPARE(topos(), (QVector<int>{0, 147, 294}));
        primeira->sbBtnNomes->click();
        QVERIFY(primeira->sgVotantes->isHidden());
        QCOMPARE(topos(), (QVector<int>{0, 39, 186}));
        QCOMPARE(programa->interacao.mensagens.size(), 0);
    }

    void quantidadeDeVotantesAjustaAGrade()
    {
        TfrCategoria *quadro = adicionarCategoria(QStringLiteral("Professores"),
                                                  QStringLiteral("PRO"), vermelho, {"a", "b", "c"});
        escolherQuantidade(0, 1);
        QCOMPARE(controleVotantes->nomeVotante(0, 1), QStringLiteral("N/D"));
        escolherQuantidade(0, 3);
        QCOMPARE(controleVotantes->quantidadeVotantes(0), 3);
        quadro->sbBtnNomes->click(); // the grid is built when the names are first shown
        for (int j = 0; j < 12; ++j)
            QCOMPARE(quadro->sgVotantes->isRowHidden(j), j >= 3);
        QCOMPARE(controleVotantes->nomeVotante(0, 2), QStringLiteral("c")); // names come back
        // The grades tab offers three boxes for the category at once.
        adicionarProblema(QStringLiteral("Evasão"));
        controleNotas->mostrarCategoria(0);
        apoio::montarQuadros();
        QCOMPARE(achar<QComboBox>(QStringLiteral("cbNota2"))->isHidden(), false);
        QCOMPARE(achar<QComboBox>(QStringLiteral("cbNota3"))->isHidden(), true);
    }

    void arrastarUmaLinhaLevaONomeENaoONumero()
    {
        TfrCategoria *quadro = adicionarCategoria(
            QStringLiteral("Pais"), QStringLiteral("PAI"), azul,
            {QStringLiteral("Ana"), QStringLiteral("Bia"), QStringLiteral("Caio")});
        quadro->sbBtnNomes->click();
        quadro->sgVotantes->verticalHeader()->moveSection(0, 2);
        QCOMPARE(controleVotantes->nomeVotante(0, 0), QStringLiteral("Bia"));
        QCOMPARE(controleVotantes->nomeVotante(0, 1), QStringLiteral("Caio"));
        QCOMPARE(controleVotantes->nomeVotante(0, 2), QStringLiteral("Ana"));
        QCOMPARE(quadro->sgVotantes->verticalHeader()->logicalIndex(0), 0);
        // Dropped beyond the last voter, a name stays among the voters.
        quadro->sgVotantes->verticalHeader()->moveSection(0, 11);
        QCOMPARE(controleVotantes->nomeVotante(0, 2), QStringLiteral("Bia"));
    }

    void identificadorEmMaiusculasETituloComAspas_data()
    {
        QTest::addColumn<bool>("lido");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("aspas digitadas") << false << "Pais \"ativos\"";
        QTest::newRow("apóstrofo digitado") << false << "D'Ávila";
        QTest::newRow("aspas lidas") << true << "Pais \"ativos\"";
        QTest::newRow("apóstrofo lido") << true << "Sant'Ana";
    }

    // A title keeps its quotes through the focus moves of the names button, adding and
    // removing; typed letters of the identifier become capitals, read ones keep their case.
    void identificadorEmMaiusculasETituloComAspas()
    {
        QFETCH(bool, lido);
        QFETCH(QString, titulo);
        fmPrincipal->show();
        fmPrincipal->pcControlePaginas->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowActive(fmPrincipal));
        controleVotantes->lerCategorias(
            amostra::secoesDe("<categorias><categoria titulo=\"" + titulo.toHtmlEscaped().toUtf8() +
                              "\" id=\"pAi\" cor=\"0\"><votante/></categoria></categorias>"));
        controleVotantes->atualizar(true);
        TfrCategoria *quadro = controleVotantes->quadro(0);
        if (!lido) {
            quadro->edCategoria->clear();
            QTest::keyClicks(quadro->edCategoria, titulo);
            quadro->edIdentificador->clear();
            QTest::keyClicks(quadro->edIdentificador, QStringLiteral("pai9x"));
        }
        quadro->sbBtnNomes->click();
        fmPrincipal->sbtnAdicionarClick();
        fmPrincipal->sbtnRemoverClick();
        QCOMPARE(quadro->titulo(), titulo);
        QCOMPARE(controleVotantes->rotuloVotante(0, 0), lido ? "pAi1" : "PAI1");
    }

    void entrarNumaCategoriaSelecionaEla()
    {
        fmPrincipal->show();
        fmPrincipal->pcControlePaginas->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowActive(fmPrincipal));
        for (int c = 0; c < 3; ++c)
            controleVotantes->adicionar();
        controleVotantes->atualizar(true);
        QCOMPARE(controleVotantes->posicaoSelecionada(), 2);
        controleVotantes->quadro(0)->cbQuantidade->setFocus(Qt::MouseFocusReason);
        QCOMPARE(controleVotantes->posicaoSelecionada(), 0);
        QCOMPARE(controleVotantes->quadro(0)->painel->lineWidth(), 3);
        QCOMPARE(controleVotantes->quadro(2)->painel->lineWidth(), 1);
        QTest::mouseClick(controleVotantes->quadro(1)->painel, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(controleVotantes->posicaoSelecionada(), 1);
        QVERIFY(controleVotantes->quadro(1)->edCategoria->hasFocus());

        // The main window's remove button takes the selected one; never the last one.
        fmPrincipal->sbtnRemoverClick();
        QCOMPARE(controleVotantes->total(), 2);
        QCOMPARE(controleVotantes->quadro(1)->objectName(), QStringLiteral("Categoria2"));
        fmPrincipal->sbtnRemoverClick();
        fmPrincipal->sbtnRemoverClick();
        QCOMPARE(controleVotantes->total(), 1);
        QVERIFY(mensagens().isEmpty());
    }

    void respostasPorPosicao_data()
    {
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("j");
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<QString>("nome");
        QTest::newRow("primeiro") << 0 << 0 << "PRO1"
                                  << "Ana";
        QTest::newRow("quarto") << 0 << 3 << "PRO4"
                                << "Dora";
        QTest::newRow("votante -1") << 0 << -1 << "PRO"
                                    << "N/D";
        QTest::newRow("votante além") << 0 << 4 << "PRO"
                                      << "N/D";
        QTest::newRow("sem nome") << 1 << 0 << "1"
                                  << "";
        QTest::newRow("categoria inexistente") << 2 << 0 << "N/D"
                                               << "N/D";
        QTest::newRow("categoria negativa") << -1 << 0 << "N/D"
                                            << "N/D";
    }

    void respostasPorPosicao()
    {
        QFETCH(int, c);
        QFETCH(int, j);
        QFETCH(QString, rotulo);
        QFETCH(QString, nome);
        adicionarCategoria(QStringLiteral("Professores"), QStringLiteral("PRO"), vermelho,
                           {QStringLiteral("Ana"), QStringLiteral("Bia"), QStringLiteral("Caio"),
                            QStringLiteral("Dora")});
        adicionarCategoria(QString(), QString(), azul, {QString()});
        QCOMPARE(controleVotantes->rotuloVotante(c, j), rotulo);
        QCOMPARE(controleVotantes->nomeVotante(c, j), nome);
        const bool existe = c >= 0 && c < 2;
        QCOMPARE(controleVotantes->tituloCategoria(c), existe
                                                           ? controleVotantes->quadro(c)->titulo()
                                                           : QStringLiteral("(Não disponível)"));
        QCOMPARE(controleVotantes->quantidadeVotantes(c), existe ? (c == 0 ? 4 : 1) : 0);
        QCOMPARE(controleVotantes->corCategoria(c), existe ? (c == 0 ? vermelho : azul) : 0);
    }

    void secaoCategoriasExata()
    {
        adicionarCategoria(QStringLiteral("Professores & \"mestres\""), QStringLiteral("PRO"),
                           vermelho,
                           {QStringLiteral("Ana"), QStringLiteral("Bia"), QStringLiteral("Caio"),
                            QStringLiteral("Dora"), QStringLiteral("Eva")});
        escolherQuantidade(0, 3); // the names beyond the voters are not written
        adicionarCategoria(QString(), QStringLiteral("PAI"), corFaceBotao, {QString()});
        DocumentoXml documento;
        documento.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));
        controleVotantes->gravarCategorias(documento);
        QCOMPARE(documento.paraBytes(),
                 QByteArray("<planejamento xmlns=\"xmlns\">\r\n"
                            "    <categorias maximo=\"12\" total=\"2\">\r\n"
                            "        <categoria titulo=\"Professores &amp; &quot;mestres&quot;\" "
                            "id=\"PRO\" cor=\"255\">\r\n"
                            "            <votante>Ana</votante>\r\n"
                            "            <votante>Bia</votante>\r\n"
                            "            <votante>Caio</votante>\r\n"
                            "        </categoria>\r\n"
                            "        <categoria titulo=\"\" id=\"PAI\" cor=\"-16777201\">\r\n"
                            "            <votante />\r\n"
                            "        </categoria>\r\n"
                            "    </categorias>\r\n"
                            "</planejamento>\r\n"));

        // Read back, the section is written again byte for byte.
        const QByteArray antes = documento.paraBytes();
        controleVotantes->esvaziar();
        controleVotantes->lerCategorias(documento.secoes());
        DocumentoXml outra;
        outra.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));
        controleVotantes->gravarCategorias(outra);
        QCOMPARE(outra.paraBytes(), antes);
        apoio::montarQuadros();
        QCOMPARE(controleVotantes->quadro(0)->cbQuantidade->currentText(), QStringLiteral("3"));
        QVERIFY(mensagens().isEmpty());
    }

    void leituraComFalhas_data()
    {
        QTest::addColumn<QByteArray>("secao");
        QTest::addColumn<QStringList>("titulos");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QVector<int>>("votantes");
        QTest::addColumn<int>("avisos");
        const QString padrao = QStringLiteral("Descrição da categoria");
        QTest::newRow("sem seção") << QByteArray("<problemas/>") << QStringList{padrao}
                                   << QStringList{QString()} << QVector<int>{1} << 0;
        QTest::newRow("sem id na segunda")
            << QByteArray("<categorias><categoria titulo=\"A\" id=\"AA\" cor=\"1\"><v>x</v>"
                          "</categoria><categoria titulo=\"B\" cor=\"2\"/></categorias>")
            << QStringList{"A", "B", padrao} << QStringList{"AA", "", ""} << QVector<int>{1, 1, 1}
            << 0;
        QTest::newRow("cor que não é número")
            << QByteArray("<categorias><categoria titulo=\"A\" id=\"AA\" cor=\"azul\"/>"
                          "<categoria titulo=\"B\" id=\"BB\" cor=\"2\"/></categorias>")
            << QStringList{"A", padrao} << QStringList{"AA", ""} << QVector<int>{1, 1} << 0;
        QTest::newRow("sem votantes")
            << QByteArray("<categorias><categoria titulo=\"A\" id=\"AA\" cor=\"1\"/></categorias>")
            << QStringList{"A"} << QStringList{"AA"} << QVector<int>{0} << 0;
        QByteArray muitos = "<categorias><categoria titulo=\"A\" id=\"AA\" cor=\"1\">";
        for (int j = 1; j <= 14; ++j)
            muitos += "<votante>v" + QByteArray::number(j) + "</votante>";
        muitos += "</categoria></categorias>";
        QTest::newRow("catorze votantes")
            << muitos << QStringList{"A"} << QStringList{"AA"} << QVector<int>{12} << 0;
        QByteArray treze = "<categorias>";
        QStringList titulos;
        for (int c = 0; c < 13; ++c) {
            treze += "<x titulo=\"T" + QByteArray::number(c) + "\" id=\"\" cor=\"0\"><v/></x>";
            if (c < 12)
                titulos.append(QStringLiteral("T%1").arg(c));
        }
        treze += "</categorias>";
        QTest::newRow("treze categorias")
            << treze << titulos << QStringList(12, QString()) << QVector<int>(12, 1) << 1;
    }

    void leituraComFalhas()
    {
        QFETCH(QByteArray, secao);
        QFETCH(QStringList, titulos);
        QFETCH(QStringList, ids);
        QFETCH(QVector<int>, votantes);
        QFETCH(int, avisos);
        controleVotantes->lerCategorias(amostra::secoesDe(secao));
        QCOMPARE(controleVotantes->total(), titulos.size());
        for (int c = 0; c < titulos.size(); ++c) {
            QCOMPARE(controleVotantes->tituloCategoria(c), titulos.at(c));
            QCOMPARE(controleVotantes->rotuloVotante(c, -1), ids.at(c));
            QCOMPARE(controleVotantes->quantidadeVotantes(c), votantes.at(c));
        }
        QCOMPARE(mensagens().size(), avisos);
        if (votantes.first() == 0) {
            // No voters: no choice in the quantity box, and none written back.
            apoio::montarQuadros();
            QCOMPARE(controleVotantes->quadro(0)->cbQuantidade->currentIndex(), -1);
            DocumentoXml saida;
            saida.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));
            controleVotantes->gravarCategorias(saida);
            QVERIFY(saida.paraBytes().contains("cor=\"1\" />"));
        }
        if (votantes.first() == 12)
            QCOMPARE(controleVotantes->nomeVotante(0, 11), QStringLiteral("v12"));
    }
};

SORVANE_TESTE_MAIN(TesteControleVotantes)
#include "tst_controlevotantes.moc"

#include "documents/TextoAta.h"
#include "documents/TfmRelatorio.h"
#include "support/InteracaoRoteirizada.h"
#include "support/PlanoAmostra.h"
#include "support/Teste.h"
#include "support/documents/FormatoTexto.h"

#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>

using namespace amostra;

// Declared before any use: GCC rejects a specialisation after the first instantiation.
Q_DECLARE_METATYPE(QList<Categoria>)
Q_DECLARE_METATYPE(QList<QList<BlocoNotas>>)

namespace {

const QString espaco = QStringLiteral(" ");
const QString tituloNotas = QStringLiteral("- Notas dos problemas -");

QStringList montar(const DocumentoXml &plano)
{
    QTextDocument documento;
    textoAta::montar(documento, plano.secoes());
    return linhas(documento);
}

// The grades part of the minutes, from the line after its heading's empty line.
QStringList parteDasNotas(const QStringList &texto)
{
    return texto.mid(texto.indexOf(tituloNotas) + 2);
}

} // namespace

// The meeting minutes: their exact text, their accumulating format, and what a plan that does
// not hold together gives.
class TesteAta : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { apoio::usarPortugues(); }

    void textoExatoDoPlanoDeAmostra()
    {
        const QStringList esperado{
            QStringLiteral("- Ata de Reunião -"),
            QString(),
            QStringLiteral("Escola:E. E. São Jorge"),
            QStringLiteral("Diretor: Ana Lúcia"),
            QStringLiteral("Data do plano: 05/03/2026"),
            QString(),
            QString(),
            QStringLiteral("Total de problemas apontados: 4"),
            espaco,
            QStringLiteral("Problema 1: Evasão escolar"),
            QStringLiteral("Descrição: descrição"),
            QString(),
            QString(),
            QStringLiteral("Problema 2: Indisciplina"),
            QStringLiteral("Descrição: descrição"),
            QString(),
            QString(),
            QStringLiteral("Problema 3: Falta de manutenção nos banheiros e pias"),
            QStringLiteral("Descrição: descrição"),
            QString(),
            QString(),
            QStringLiteral("Problema 4: Merenda"),
            QStringLiteral("Descrição: descrição"),
            QString(),
            QString(),
            espaco,
            QStringLiteral("Votantes:"),
            QStringLiteral("1. Professores  ( PRO )"),
            QStringLiteral("PRO1: Carla"),
            QStringLiteral("PRO2: João"),
            QStringLiteral("PRO3: Márcia"),
            espaco,
            QStringLiteral("2. Pais  ( PAI )"),
            QStringLiteral("PAI1: Pedro"),
            QStringLiteral("PAI2: Rita"),
            espaco,
            QStringLiteral("3. Visitantes  ( VIS )"),
            espaco,
            espaco,
            tituloNotas,
            QString(),
            QStringLiteral("Problema 1: Evasão escolar"),
            QStringLiteral("Professores :"),
            QStringLiteral("PRO1 - Nota: 10"),
            QStringLiteral("PRO2 - Nota: 7"),
            QStringLiteral("PRO3 - Nota: 0"),
            espaco,
            QStringLiteral("Pais :"),
            QStringLiteral("PAI1 - Nota: 5"),
            QStringLiteral("PAI2 - Nota: 6"),
            espaco,
            QStringLiteral("Visitantes :"),
            espaco,
            QStringLiteral("Total de pontos: 28"),
            espaco,
            QStringLiteral("Problema 2: Indisciplina"),
            QStringLiteral("Professores :"),
            QStringLiteral("PRO1 - Nota: 1"),
            QStringLiteral("PRO2 - Nota: 2"),
            QStringLiteral("PRO3 - Nota: 3"),
            espaco,
            QStringLiteral("Pais :"),
            QStringLiteral("PAI1 - Nota: 4"),
            QStringLiteral("PAI2 - Nota: 5"),
            espaco,
            QStringLiteral("Visitantes :"),
            espaco,
            QStringLiteral("Total de pontos: 15"),
            espaco,
            QStringLiteral("Problema 3: Falta de manutenção nos banheiros e pias"),
            QStringLiteral("Professores :"),
            QStringLiteral("PRO1 - Nota: 9"),
            QStringLiteral("PRO2 - Nota: 9"),
            QStringLiteral("PRO3 - Nota: 9"),
            espaco,
            QStringLiteral("Pais :"),
            QStringLiteral("PAI1 - Nota: 0"),
            QStringLiteral("PAI2 - Nota: 0"),
            espaco,
            QStringLiteral("Visitantes :"),
            espaco,
            QStringLiteral("Total de pontos: 27"),
            espaco,
            QStringLiteral("Problema 4: Merenda"),
            QStringLiteral("Total de pontos: 0"),
            espaco,
        };
        QCOMPARE(montar(planoPadrao()), esperado);
    }

    void formatoDosTitulosEBlocos_data()
    {
        QTest::addColumn<QString>("linha");
        QTest::addColumn<double>("pontos");
        QTest::addColumn<bool>("centralizado");

        QTest::newRow("primeiro título") << QStringLiteral("- Ata de Reunião -") << 15.0 << true;
        QTest::newRow("linha vazia do primeiro título") << QString() << 15.0 << true;
        QTest::newRow("dados da escola")
            << QStringLiteral("Escola:E. E. São Jorge") << 15.0 << false;
        QTest::newRow("votante") << QStringLiteral("PAI2: Rita") << 15.0 << false;
        QTest::newRow("segundo título") << tituloNotas << 18.0 << true;
        QTest::newRow("nota") << QStringLiteral("PRO1 - Nota: 10") << 18.0 << false;
        QTest::newRow("total") << QStringLiteral("Total de pontos: 0") << 18.0 << false;
    }

    // Bold and italic are only ever added and the size only grows, so from the first title on
    // every line is bold and italic, 15 points, and 18 points from the grades' title on.
    void formatoDosTitulosEBlocos()
    {
        QFETCH(QString, linha);
        QFETCH(double, pontos);
        QFETCH(bool, centralizado);

        QTextDocument documento;
        textoAta::montar(documento, planoPadrao().secoes());
        const QList<ParagrafoFormatado> todos = paragrafos(documento);
        for (const ParagrafoFormatado &p : todos) {
            if (p.texto != linha)
                continue;
            QVERIFY(p.negrito);
            QVERIFY(p.italico);
            QCOMPARE(p.pontos, pontos);
            QCOMPARE(p.centralizado, centralizado);
            return;
        }
        QFAIL("linha não encontrada");
    }

    void somenteOsTitulosSaoCentralizados()
    {
        QTextDocument documento;
        textoAta::montar(documento, planoPadrao().secoes());
        QStringList centralizadas;
        double anterior = 0;
        for (const ParagrafoFormatado &p : paragrafos(documento)) {
            if (p.centralizado)
                centralizadas << p.texto;
            QVERIFY(p.pontos >= anterior);
            anterior = p.pontos;
        }
        QCOMPARE(centralizadas, (QStringList{QStringLiteral("- Ata de Reunião -"), QString(),
                                             tituloNotas, QString()}));
    }

    // Plans that do not hold together, as a file edited by hand may: what is there is shown,
    // a missing value is empty text, and only numbers count in the total.
    void notasDeUmPlanoInconsistente_data()
    {
        QTest::addColumn<QStringList>("problemas");
        QTest::addColumn<QList<Categoria>>("categorias");
        QTest::addColumn<QList<QList<BlocoNotas>>>("notas");
        QTest::addColumn<QStringList>("esperado");

        const QList<Categoria> professores{{QStringLiteral("Prof"), QStringLiteral("PRO"), {}}};
        const QStringList umProblema{QStringLiteral("A")};
        const auto bloco = [](const QStringList &notas) {
            return QList<QList<BlocoNotas>>{{{QStringLiteral("Prof"), notas}}};
        };
        const auto notasDoBloco = [](const QStringList &linhasNotas, const QString &total) {
            return QStringList{QStringLiteral("Problema 1: A"), QStringLiteral("Prof :")}
                   << linhasNotas << QStringLiteral(" ")
                   << QStringLiteral("Total de pontos: ") + total << QStringLiteral(" ");
        };

        QTest::newRow("menos filhos nas notas que problemas")
            << QStringList{QStringLiteral("A"), QStringLiteral("B")} << professores
            << bloco({QStringLiteral("3")})
            << (notasDoBloco({QStringLiteral("PRO1 - Nota: 3")}, QStringLiteral("3"))
                << QStringLiteral("Problema 2: B") << QStringLiteral("Total de pontos: 0")
                << QStringLiteral(" "));
        QTest::newRow("mais blocos de notas que categorias: sem identificador")
            << umProblema << professores
            << QList<QList<BlocoNotas>>{{{QStringLiteral("Prof"), {QStringLiteral("1")}},
                                         {QStringLiteral("Extra"),
                                          {QStringLiteral("2"), QStringLiteral("3")}}}}
            << QStringList{QStringLiteral("Problema 1: A"),
                           QStringLiteral("Prof :"),
                           QStringLiteral("PRO1 - Nota: 1"),
                           QStringLiteral(" "),
                           QStringLiteral("Extra :"),
                           QStringLiteral("1 - Nota: 2"),
                           QStringLiteral("2 - Nota: 3"),
                           QStringLiteral(" "),
                           QStringLiteral("Total de pontos: 6"),
                           QStringLiteral(" ")};
        QTest::newRow("nota fracionária soma como número")
            << umProblema << professores << bloco({QStringLiteral("7.5"), QStringLiteral("2")})
            << notasDoBloco({QStringLiteral("PRO1 - Nota: 7.5"), QStringLiteral("PRO2 - Nota: 2")},
                            QStringLiteral("9.5"));
        QTest::newRow("soma de decimais sem restos de arredondamento")
            << umProblema << professores << bloco({QStringLiteral("0.1"), QStringLiteral("0.2")})
            << notasDoBloco(
                   {QStringLiteral("PRO1 - Nota: 0.1"), QStringLiteral("PRO2 - Nota: 0.2")},
                   QStringLiteral("0.3"));
        QTest::newRow("nota com vírgula decimal")
            << umProblema << professores << bloco({QStringLiteral("7,5")})
            << notasDoBloco({QStringLiteral("PRO1 - Nota: 7,5")}, QStringLiteral("7.5"));
        QTest::newRow("texto que não é número não soma")
            << umProblema << professores << bloco({QStringLiteral("abc"), QStringLiteral("5")})
            << notasDoBloco({QStringLiteral("PRO1 - Nota: abc"), QStringLiteral("PRO2 - Nota: 5")},
                            QStringLiteral("5"));
        QTest::newRow("nan e inf não somam")
            << umProblema << professores
            << bloco({QStringLiteral("nan"), QStringLiteral("inf"), QStringLiteral("4")})
            << notasDoBloco({QStringLiteral("PRO1 - Nota: nan"), QStringLiteral("PRO2 - Nota: inf"),
                             QStringLiteral("PRO3 - Nota: 4")},
                            QStringLiteral("4"));
        QTest::newRow("nota vazia")
            << umProblema << professores << bloco({QString()})
            << notasDoBloco({QStringLiteral("PRO1 - Nota: ")}, QStringLiteral("0"));
        QTest::newRow("sem seção de notas")
            << umProblema << professores << QList<QList<BlocoNotas>>{}
            << QStringList{QStringLiteral("Problema 1: A"), QStringLiteral("Total de pontos: 0"),
                           QStringLiteral(" ")};
    }

    void notasDeUmPlanoInconsistente()
    {
        QFETCH(QStringList, problemas);
        QFETCH(QList<Categoria>, categorias);
        QFETCH(QList<QList<BlocoNotas>>, notas);
        QFETCH(QStringList, esperado);

        DocumentoXml plano = novoPlano();
        adicionarProblemas(plano, problemas);
        adicionarCategorias(plano, categorias);
        if (!notas.isEmpty())
            adicionarNotas(plano, notas);
        QCOMPARE(parteDasNotas(montar(plano)), esperado);
    }

    void planoSemSecoesMostraSoOsTitulos()
    {
        const QStringList esperado{QStringLiteral("- Ata de Reunião -"),
                                   QString(),
                                   QStringLiteral("Escola:"),
                                   QStringLiteral("Diretor: "),
                                   QStringLiteral("Data do plano: "),
                                   QString(),
                                   QString(),
                                   QStringLiteral("Total de problemas apontados: "),
                                   espaco,
                                   espaco,
                                   QStringLiteral("Votantes:"),
                                   espaco,
                                   tituloNotas,
                                   QString()};
        QCOMPARE(montar(novoPlano()), esperado);
    }

    void descricaoVaziaAindaTemSuaLinha()
    {
        DocumentoXml plano = novoPlano();
        adicionarProblemas(plano, {QStringLiteral("A")});
        plano.secoes().item(0).filhos().item(0).definirTexto(QString());
        QVERIFY(montar(plano).contains(QStringLiteral("Descrição: ")));
    }

    void janelaMostraAAtaParaEdicao()
    {
        InteracaoRoteirizada roteiro;
        TfmRelatorio janela;
        QCOMPARE(janela.objectName(), QStringLiteral("fmRelatorio"));
        QCOMPARE(janela.windowTitle(), QStringLiteral("Relatório do Planejamento"));
        QCOMPARE(janela.size(), QSize(766, 585));
        auto *relatorio = janela.findChild<QTextEdit *>(QStringLiteral("relatorio"));
        QVERIFY(relatorio);
        QVERIFY(!relatorio->isReadOnly());
        QCOMPARE(janela.findChild<QPushButton *>(QStringLiteral("btnImprimir"))->text(),
                 QStringLiteral("Imprimir"));
        QCOMPARE(janela.findChild<QPushButton *>(QStringLiteral("btnSalvarPdf"))->text(),
                 QStringLiteral("Salvar PDF"));

        const DocumentoXml plano = planoPadrao();
        janela.montarAta(plano.secoes());
        QCOMPARE(linhas(*relatorio->document()), montar(plano));
        // Building the minutes is not something the user could undo.
        QVERIFY(!relatorio->document()->isUndoAvailable());

        janela.show();
        janela.findChild<QPushButton *>(QStringLiteral("btnCancelar"))->click();
        QCOMPARE(janela.result(), int(QDialog::Rejected));
        QVERIFY(roteiro.mensagens.isEmpty());
    }
};

SORVANE_TESTE_MAIN(TesteAta)
#include "tst_ata.moc"

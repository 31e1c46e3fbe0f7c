#include "data/Regional.h"
#include "documents/TextoCedula.h"
#include "documents/TfmCedula.h"
#include "support/InteracaoRoteirizada.h"
#include "support/PlanoAmostra.h"
#include "support/Teste.h"
#include "support/documents/FormatoTexto.h"

#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>

using namespace amostra;

namespace {

const QDate dia(2026, 12, 7);
const QString espacos =
    QStringLiteral("\t 1__   2__   3__   4__   5__   6__   7__   8__   9__   10__");
const QString separador = QString(103, u'-');

QStringList cedulaEsperada(const QString &categoria, const QString &nome,
                           const QStringList &problemas)
{
    QStringList linhas{QStringLiteral("- Cédula de Votação -"),
                       QString(),
                       QStringLiteral("Data: 07/12/2026\t\tCategoria :") + categoria +
                           QStringLiteral("\t\tNome: ") + nome,
                       QStringLiteral(" "),
                       QStringLiteral("Problema \t\t\t\t Nota"),
                       QStringLiteral(" ")};
    for (const QString &problema : problemas)
        linhas << problema + espacos << QStringLiteral(" ");
    return linhas << separador << QStringLiteral(" ");
}

QStringList montar(const DocumentoXml &plano, const QDate &data = dia)
{
    QTextDocument documento;
    textoCedula::montar(documento, plano.secoes(), data);
    return linhas(documento);
}

} // namespace

// The voting ballots: their exact text, what a damaged plan gives, and the sizes of their text.
class TesteCedula : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { apoio::usarPortugues(); }

    void textoExatoDoPlanoDeAmostra()
    {
        const QStringList problemas{QStringLiteral("1) Evasão escolar               :"),
                                    QStringLiteral("2) Indisciplina                 :"),
                                    QStringLiteral("3) Falta de manutenção nos banheiros e pias:"),
                                    QStringLiteral("4) Merenda                      :")};
        QStringList esperado;
        esperado << cedulaEsperada(QStringLiteral("Professores"), QStringLiteral("Carla"),
                                   problemas)
                 << cedulaEsperada(QStringLiteral("Professores"), QStringLiteral("João"), problemas)
                 << cedulaEsperada(QStringLiteral("Professores"), QStringLiteral("Márcia"),
                                   problemas)
                 << cedulaEsperada(QStringLiteral("Pais"), QStringLiteral("Pedro"), problemas)
                 << cedulaEsperada(QStringLiteral("Pais"), QStringLiteral("Rita"), problemas);
        QCOMPARE(montar(planoPadrao()), esperado);
    }

    void linhaDeProblema_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("antesDoTab");

        QTest::newRow("curto: completado com espaços até 32")
            << 1 << QStringLiteral("Merenda")
            << QStringLiteral("1) Merenda                      :");
        QTest::newRow("vazio") << 2 << QString()
                               << QStringLiteral("2)                              :");
        QTest::newRow("exatamente 32 com o número")
            << 3 << QStringLiteral("abcdefghijklmnopqrstuvwxyz123")
            << QStringLiteral("3) abcdefghijklmnopqrstuvwxyz123:");
        QTest::newRow("40 caracteres: não é cortado")
            << 3 << nomeLongo << QStringLiteral("3) Falta de manutenção nos banheiros e pias:");
        QTest::newRow("número de dois algarismos")
            << 10 << QStringLiteral("Merenda")
            << QStringLiteral("10) Merenda                     :");
    }

    void linhaDeProblema()
    {
        QFETCH(int, numero);
        QFETCH(QString, nome);
        QFETCH(QString, antesDoTab);
        QCOMPARE(textoCedula::linhaProblema(numero, nome), antesDoTab + espacos);
    }

    void planoSemProblemasAindaTemCabecalhoESeparador()
    {
        DocumentoXml plano = novoPlano();
        adicionarProblemas(plano, {});
        adicionarCategorias(
            plano, {{QStringLiteral("Pais"), QStringLiteral("PAI"), {QStringLiteral("Pedro")}}});
        QCOMPARE(montar(plano),
                 cedulaEsperada(QStringLiteral("Pais"), QStringLiteral("Pedro"), {}));
    }

    // Plans edited by hand: the ballots show what is there and never stop halfway.
    void planoIncompleto_data()
    {
        QTest::addColumn<bool>("comProblemas");
        QTest::addColumn<bool>("comCategorias");
        QTest::addColumn<bool>("votanteSemNome");
        QTest::addColumn<QStringList>("esperado");

        const QStringList umProblema{QStringLiteral("1) Merenda                      :")};
        QTest::newRow("sem a seção de categorias: nenhuma cédula")
            << true << false << false << QStringList{QString()};
        QTest::newRow("sem a seção de problemas: cédulas sem linhas de problema")
            << false << true << false
            << cedulaEsperada(QStringLiteral("Pais"), QStringLiteral("Pedro"), {});
        QTest::newRow("votante sem texto: nome vazio")
            << true << true << true
            << cedulaEsperada(QStringLiteral("Pais"), QString(), umProblema);
    }

    void planoIncompleto()
    {
        QFETCH(bool, comProblemas);
        QFETCH(bool, comCategorias);
        QFETCH(bool, votanteSemNome);
        QFETCH(QStringList, esperado);

        DocumentoXml plano = novoPlano();
        if (comProblemas)
            adicionarProblemas(plano, {QStringLiteral("Merenda")});
        if (comCategorias) {
            adicionarCategorias(plano, {{QStringLiteral("Pais"),
                                         QStringLiteral("PAI"),
                                         {votanteSemNome ? QString() : QStringLiteral("Pedro")}}});
        }
        QCOMPARE(montar(plano), esperado);
    }

    void dataSegueOFormatoCurtoDaRegiao_data()
    {
        QTest::addColumn<QLocale>("local");
        QTest::addColumn<QString>("data");
        QTest::newRow("Brasil") << QLocale(QLocale::Portuguese, QLocale::Brazil)
                                << QStringLiteral("07/12/2026");
        QTest::newRow("Estados Unidos")
            << QLocale(QLocale::English, QLocale::UnitedStates) << QStringLiteral("12/7/2026");
    }

    void dataSegueOFormatoCurtoDaRegiao()
    {
        QFETCH(QLocale, local);
        QFETCH(QString, data);
        QLocale::setDefault(local);
        const QStringList texto = montar(planoPadrao());
        QVERIFY(texto.value(2).startsWith(QStringLiteral("Data: ") + data + u'\t'));
    }

    // However many voters there are, every ballot looks alike: the title 2 pixels above a body
    // of 9 points.
    void tamanhosIguaisEmTodasAsCedulas()
    {
        QList<Categoria> categorias;
        for (int c = 0; c < 12; ++c) {
            Categoria categoria{QStringLiteral("Categoria %1").arg(c), QStringLiteral("C"), {}};
            for (int v = 0; v < 12; ++v)
                categoria.votantes << QStringLiteral("Votante %1").arg(v);
            categorias << categoria;
        }
        DocumentoXml plano = novoPlano();
        adicionarProblemas(plano, {QStringLiteral("Merenda"), QStringLiteral("Evasão")});
        adicionarCategorias(plano, categorias);

        QTextDocument documento;
        textoCedula::montar(documento, plano.secoes(), dia);
        const QList<ParagrafoFormatado> todos = paragrafos(documento);
        int titulos = 0;
        bool depoisDoTitulo = false;
        for (const ParagrafoFormatado &p : todos) {
            const bool titulo = p.texto == QStringLiteral("- Cédula de Votação -");
            titulos += titulo ? 1 : 0;
            // The title and the empty line its own line feed leaves.
            const bool parteDoTitulo = titulo || depoisDoTitulo;
            QCOMPARE(p.pontos, parteDoTitulo ? 10.5 : 9.0);
            QCOMPARE(p.centralizado, parteDoTitulo);
            QVERIFY(!p.negrito && !p.italico);
            depoisDoTitulo = titulo;
        }
        QCOMPARE(titulos, 144);
        QCOMPARE(QFontInfo(documento.defaultFont()).fixedPitch(), true);
    }

    void janelaMostraAsCedulasSomenteParaLeitura()
    {
        InteracaoRoteirizada roteiro;
        TfmCedula janela;
        QCOMPARE(janela.objectName(), QStringLiteral("fmCedula"));
        QCOMPARE(janela.windowTitle(), QStringLiteral("Cédula de Votação"));
        QCOMPARE(janela.size(), QSize(546, 414));
        auto *cedula = janela.findChild<QTextEdit *>(QStringLiteral("cedula"));
        QVERIFY(cedula);
        QVERIFY(cedula->isReadOnly());
        QCOMPARE(cedula->lineWrapMode(), QTextEdit::NoWrap);
        QCOMPARE(janela.findChild<QPushButton *>(QStringLiteral("Button1"))->text(),
                 QStringLiteral("Imprimir"));
        QCOMPARE(janela.findChild<QPushButton *>(QStringLiteral("btnSalvarPdf"))->text(),
                 QStringLiteral("Salvar PDF"));

        const DocumentoXml plano = planoPadrao();
        janela.gerarCedula(plano.secoes());
        QCOMPARE(linhas(*cedula->document()).value(2),
                 QStringLiteral("Data: ") + formatarData(QDate::currentDate()) +
                     QStringLiteral("\t\tCategoria :Professores\t\tNome: Carla"));
        // A second build replaces the first.
        janela.gerarCedula(plano.secoes(), dia);
        QCOMPARE(linhas(*cedula->document()), montar(plano));

        janela.show();
        janela.findChild<QPushButton *>(QStringLiteral("btnFechar"))->click();
        QCOMPARE(janela.result(), int(QDialog::Rejected));
        QVERIFY(janela.isHidden());
        QVERIFY(roteiro.mensagens.isEmpty());
    }
};

SORVANE_TESTE_MAIN(TesteCedula)
#include "tst_cedula.moc"

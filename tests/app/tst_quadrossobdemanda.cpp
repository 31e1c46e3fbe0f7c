#include "data/Regional.h"
#include "data/TdmDados.h"
#include "grading/ControleNotas.h"
#include "grading/TfrClassificacao.h"
#include "grading/TfrNotas.h"
#include "support/Componentes.h"
#include "support/PlanoMaximo.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "voters/ControleVotantes.h"
#include "voters/TfrCategoria.h"
#include "widgets/CaixaCor.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <memory>

// The frames of the tabs not shown are built only when first needed: a plan opened and saved
// before that writes what it read, and building them changes nothing a save would write.
class TesteQuadrosSobDemanda : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Programa> programa;

    static QByteArray ler(const QString &nome)
    {
        QFile arquivo(nome);
        return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
    }

    static QByteArray salvo(const QString &nome)
    {
        return dmDados->salvar(nome) ? ler(nome) : QByteArray();
    }

    // Built late, the controls show what the frames held.
    static void verificarControles()
    {
        for (int c = 0; c < controleVotantes->total(); ++c) {
            TfrCategoria *quadro = controleVotantes->quadro(c);
            QVERIFY(!quadro->sgVotantes); // until the names are first shown
            quadro->sbBtnNomes->click();
            QCOMPARE(quadro->edCategoria->text(), quadro->titulo());
            QCOMPARE(quadro->edIdentificador->text(), quadro->identificador());
            QCOMPARE(quadro->cbQuantidade->currentIndex(), quadro->quantidadeVotantes - 1);
            QCOMPARE(quadro->clBoxVotantes->corSelecionada(), quadro->corCategoria());
            for (int j = 0; j < TfrCategoria::maximoVotantes; ++j)
                QCOMPARE(quadro->sgVotantes->item(j, 0)->text(), quadro->nomeVotante(j));
        }
        for (int i = 0; i < controleNotas->total(); ++i) {
            const TfrNotas *notas = controleNotas->linhaNotas(i);
            QCOMPARE(notas->lblTituloProblema->text(), notas->titulo());
            for (int v = 0; v < controleVotantes->quantidadeVotantes(0); ++v) {
                const float nota = notas->tabela.nota(0, v);
                const int esperada = nota >= 0.0f && nota < 11.0f ? static_cast<int>(nota) : -1;
                QCOMPARE(notas->caixasNotas[static_cast<size_t>(v)]->currentIndex(), esperada);
            }
            const TfrClassificacao *linha = controleNotas->linhaClassificacao(i);
            QCOMPARE(linha->rotulosValores[0]->text(),
                     formatarUmaDecimal(static_cast<double>(controleNotas->totalProblema(i))));
            QVERIFY(linha->btnProblema->accessibleName().contains(linha->titulo()));
        }
    }

    static bool algumMontado()
    {
        return controleVotantes->quadro(0)->montado() || controleNotas->linhaNotas(0)->montado() ||
               controleNotas->linhaClassificacao(0)->montado();
    }

    // What the controls could change on being built: texts past the typing limits, a lower-case
    // identifier, a category without voters, a colour of no name, names with spaces, and grades
    // that no box shows.
    static QByteArray planoNasBordas()
    {
        return "<planejamento xmlns=\"xmlns\">"
               "<escola nome=\"E\" diretor=\"D\" data=\"01/02/2026\"/>"
               "<problemas maximo=\"10\" total=\"2\">"
               "<problema nome=\"Evasão &amp; faltas\" cor=\"255\">a</problema>"
               "<problema nome=\"  \" cor=\"-16777201\"></problema></problemas>"
               "<categorias maximo=\"12\" total=\"2\">"
               "<categoria titulo=\"Um título de categoria bem mais longo que o limite\" "
               "id=\"abcd\" cor=\"1234567\"/>"
               "<categoria titulo=\"Pais\" id=\"PAI\" cor=\"0\">"
               "<votante> Ana </votante><votante>Bé &quot;B&quot;</votante></categoria>"
               "</categorias>"
               "<notas><problema nome=\"x\"><categoria nome=\"y\"/>"
               "<categoria nome=\"Pais\"><nota>12.5</nota><nota>-3</nota></categoria></problema>"
               "<problema nome=\"z\"><categoria/><categoria><nota>7.25</nota></categoria>"
               "</problema></notas>"
               "</planejamento>";
    }

private Q_SLOTS:
    void init()
    {
        programa = std::make_unique<Programa>();
        apoio::montarQuadros(); // the frames a new program starts with
    }

    void cleanup() { programa.reset(); }

    void salvoAntesDeMostrar_data()
    {
        QTest::addColumn<QByteArray>("plano");
        QTest::addColumn<bool>("comoLido"); // the file is as the program writes it
        QTest::newRow("o maior plano") << planoMaximo() << true;
        QTest::newRow("textos e notas nas bordas") << planoNasBordas() << false;
    }

    void salvoAntesDeMostrar()
    {
        QFETCH(QByteArray, plano);
        QFETCH(bool, comoLido);
        QFile arquivo(QStringLiteral("lido.xml"));
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(plano);
        arquivo.close();
        dmDados->carregar(QStringLiteral("lido.xml"));
        QVERIFY(!algumMontado());

        const QByteArray antes = salvo(QStringLiteral("antes.xml"));
        QVERIFY(!antes.isEmpty());
        if (comoLido)
            QCOMPARE(antes, plano);
        QVERIFY(!algumMontado());

        apoio::montarQuadros();
        verificarControles();
        QVERIFY(!dmDados->planoAlterado());
        QCOMPARE(salvo(QStringLiteral("depois.xml")), antes);
    }

    // Once the plan is on screen, the event loop builds the rest a frame at a time.
    void montadosNoTempoLivre()
    {
        gravarPlanoMaximo(QStringLiteral("plano.xml"));
        dmDados->carregar(QStringLiteral("plano.xml"));
        const TfrClassificacao *ultimo = controleNotas->linhaClassificacao(9);
        QVERIFY(!ultimo->montado());
        // Each in its own turn of idle time, however many turns one wait holds.
        QTRY_VERIFY(ultimo->montado());
        QTRY_VERIFY(controleVotantes->quadro(11)->montado());
        QCOMPARE(ultimo->btnProblema->text().isEmpty(), false);
    }
};

SORVANE_TESTE_MAIN(TesteQuadrosSobDemanda)
#include "tst_quadrossobdemanda.moc"

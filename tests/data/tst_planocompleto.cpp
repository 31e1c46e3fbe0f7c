#include "analysis/TfmICProblema.h"
#include "data/TdmDados.h"
#include "grading/ControleNotas.h"
#include "grading/TfrClassificacao.h"
#include "problems/ControleProblemas.h"
#include "support/PlanoMaximo.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"
#include "support/integracao/PlanoCompleto.h"
#include "voters/ControleVotantes.h"

#include <QDir>
#include <memory>

// A plan holding every section, entered through the program's windows: the exact bytes of
// its file, and that reading a file into the screens and saving it again gives it back
// byte for byte.
class TestePlanoCompleto : public QObject {
    Q_OBJECT

private:
    QString pastaInicial;

private Q_SLOTS:
    void initTestCase() { pastaInicial = QDir::currentPath(); }

    void init() { QVERIFY(apoio::entrarEmPastaDoCaso(pastaInicial)); }

    void cleanup() { QDir::setCurrent(pastaInicial); }

    void bytesExatosDoPlanoDigitado()
    {
        Programa programa;
        plano::montar(programa.interacao);
        QVERIFY(!QTest::currentTestFailed());
        dmDados->salvar(plano::arquivo);
        QCOMPARE(programa.interacao.textosMensagens(), QStringList());
        // Compared line by line first, so a difference names its line.
        const QByteArray salvo = apoio::lerBytes(plano::arquivo);
        const QList<QByteArray> linhasSalvas = salvo.split('\n');
        const QList<QByteArray> linhasEsperadas = plano::bytesEsperados().split('\n');
        for (qsizetype i = 0; i < std::min(linhasSalvas.size(), linhasEsperadas.size()); ++i)
            QCOMPARE(linhasSalvas.at(i), linhasEsperadas.at(i));
        QCOMPARE(salvo, plano::bytesEsperados());
    }

    void abrirESalvarDevolveOsMesmosBytes_data()
    {
        QTest::addColumn<bool>("maximo");
        QTest::newRow("plano digitado") << false;
        QTest::newRow("maior plano possível") << true;
    }

    void abrirESalvarDevolveOsMesmosBytes()
    {
        QFETCH(bool, maximo);
        const QString origem = QStringLiteral("origem.xml");
        if (maximo) {
            gravarPlanoMaximo(origem);
        } else {
            Programa programa;
            plano::montar(programa.interacao);
            QVERIFY(!QTest::currentTestFailed());
            dmDados->salvar(origem);
        }
        const QByteArray original = apoio::lerBytes(origem);
        QVERIFY(!original.isEmpty());

        // A program that never saw the plan reads it as "Abrir plano" does, then saves.
        Programa programa;
        controleProblemas->esvaziar();
        controleVotantes->esvaziar();
        dmDados->carregar(origem);
        QCOMPARE(programa.interacao.textosMensagens(), QStringList());
        QCOMPARE(controleProblemas->total(), maximo ? 10 : 3);
        QCOMPARE(controleVotantes->total(), maximo ? 12 : 2);
        dmDados->salvar(QStringLiteral("copia.xml"));
        QCOMPARE(programa.interacao.textosMensagens(), QStringList());
        QCOMPARE(apoio::lerBytes(QStringLiteral("copia.xml")), original);

        // Nothing was opened, so that save came from the analyses kept as data. Built now,
        // every window and sheet holds the same plan.
        for (int p = 0; p < controleProblemas->total(); ++p) {
            TfrClassificacao *linha = controleNotas->linhaClassificacao(p);
            QVERIFY(!linha->janelaConstruida());
            TfmICProblema *janela = linha->janelaIC();
            for (int c = 0; c < janela->numCausas(); ++c)
                QVERIFY(janela->ficha(c));
        }
        dmDados->salvar(QStringLiteral("janelas.xml"));
        QCOMPARE(apoio::lerBytes(QStringLiteral("janelas.xml")), original);
    }
};

SORVANE_TESTE_MAIN(TestePlanoCompleto)
#include "tst_planocompleto.moc"

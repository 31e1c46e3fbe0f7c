#include "analysis/TfmICProblema.h"
#include "analysis/TfmOperacoes.h"
#include "app/HistoricoRemocoes.h"
#include "app/TfmPrincipal.h"
#include "data/TdmDados.h"
#include "grading/ControleNotas.h"
#include "grading/TfrClassificacao.h"
#include "problems/ControleProblemas.h"
#include "support/Componentes.h"
#include "support/PlanoMaximo.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"
#include "voters/ControleVotantes.h"

#include <QAction>
#include <QLineEdit>
#include <QTabWidget>

// A removal taken back brings back exactly what went, at its place, and can be made again.
class TesteDesfazer : public QObject {
    Q_OBJECT

private:
    static QByteArray salvar()
    {
        dmDados->salvar(dmDados->arquivoPlano);
        return apoio::lerBytes(dmDados->arquivoPlano);
    }

    // As the user removes: the item in the middle of its list, or the last of its window.
    static void remover(const QString &tipo)
    {
        if (tipo == u"problema" || tipo == u"categoria") {
            const bool problema = tipo == u"problema";
            fmPrincipal->pcControlePaginas->setCurrentIndex(problema ? 0 : 1);
            fmPrincipal->listaAtual->selecionar(problema ? 3 : 4);
            fmPrincipal->sbtnRemoverClick();
            return;
        }
        TfmICProblema *janela = controleNotas->linhaClassificacao(2)->janelaIC();
        if (tipo == u"indicador") {
            janela->sbRemoverIndicadorClick();
        } else if (tipo == u"causa") {
            janela->sbRemoverCausaClick();
        } else {
            janela->ficha(1)->btnRemoverClick();
        }
    }

private Q_SLOTS:
    void historicoGuardaAsUltimasRemocoes()
    {
        HistoricoRemocoes historico;
        const int total = HistoricoRemocoes::limite + 10;
        for (int i = 0; i < total; ++i)
            historico.registrar(Remocao{i, ProblemaRemovido{}});
        for (int i = total - 1; i >= total - HistoricoRemocoes::limite; --i) {
            QCOMPARE(historico.aDesfazer().posicao, i);
            historico.desfeita();
        }
        QVERIFY(!historico.podeDesfazer());
        QVERIFY(HistoricoRemocoes::limite >= 20);
        // Made again in the order taken back; one that is no longer there is forgotten.
        historico.refeita(historico.aRefazer());
        QCOMPARE(historico.aDesfazer().posicao, total - HistoricoRemocoes::limite);
        historico.refeita(std::nullopt);
        QCOMPARE(historico.aRefazer().posicao, total - HistoricoRemocoes::limite + 2);
        historico.registrar(Remocao{0, ProblemaRemovido{}});
        QVERIFY(!historico.podeRefazer());
    }

    void desfazerDevolveOQueFoiRemovido_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<int>("vezes");
        QTest::newRow("problema do meio") << "problema" << 1;
        QTest::newRow("problemas até o último") << "problema" << 9;
        QTest::newRow("categoria do meio") << "categoria" << 1;
        QTest::newRow("indicador") << "indicador" << 1;
        QTest::newRow("indicadores até o único, esvaziado") << "indicador" << 5;
        QTest::newRow("causa com a sua ficha") << "causa" << 1;
        QTest::newRow("causas até a única, esvaziada") << "causa" << 3;
        QTest::newRow("operação") << "operacao" << 1;
    }

    // On the largest plan, a removal a document command already saved: "Desfazer" brings the
    // plan back byte for byte, counted as changed; "Refazer" takes it out again.
    void desfazerDevolveOQueFoiRemovido()
    {
        QFETCH(QString, tipo);
        QFETCH(int, vezes);
        QVERIFY(apoio::entrarEmPastaDoCaso(QDir::tempPath() + QStringLiteral("/tst_desfazer")));
        gravarPlanoMaximo(QStringLiteral("plano.xml"));
        Programa programa;
        QVERIFY(programa.iniciar(apoio::pressionarOk({{}, {}, {}, QStringLiteral("plano.xml")})));
        const QByteArray antes = salvar();
        QAction *desfazer = apoio::achar<QAction>("mItemDesfazer");
        QAction *refazer = apoio::achar<QAction>("mItemRefazer");
        QVERIFY(desfazer && refazer && !desfazer->isEnabled());

        for (int i = 0; i < vezes; ++i)
            remover(tipo);
        const QByteArray depois = salvar();
        QVERIFY(depois != antes);
        for (int i = 0; i < vezes; ++i)
            desfazer->trigger();
        QVERIFY(!desfazer->isEnabled());
        QVERIFY(dmDados->planoAlterado());
        QCOMPARE(salvar(), antes);
        for (int i = 0; i < vezes; ++i)
            refazer->trigger();
        QVERIFY(!refazer->isEnabled());
        QCOMPARE(salvar(), depois);
        QCOMPARE(programa.interacao.textosMensagens(), QStringList());
    }

    void listaCompletaNaoRecebeODesfeito_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::newRow("problema") << "problema";
        QTest::newRow("categoria") << "categoria";
        QTest::newRow("indicador") << "indicador";
        QTest::newRow("operação") << "operacao";
    }

    // The list filled up again after the removal: nothing changes, the user is told, and the
    // removal waits in the history.
    void listaCompletaNaoRecebeODesfeito()
    {
        QFETCH(QString, tipo);
        QVERIFY(apoio::entrarEmPastaDoCaso(QDir::tempPath() + QStringLiteral("/tst_desfazer")));
        gravarPlanoMaximo(QStringLiteral("plano.xml"));
        Programa programa;
        QVERIFY(programa.iniciar(apoio::pressionarOk({{}, {}, {}, QStringLiteral("plano.xml")})));
        remover(tipo);
        TfmICProblema *janela = controleNotas->linhaClassificacao(2)->janelaIC();
        if (tipo == u"indicador")
            janela->sbAdicionarIndicadorClick();
        else if (tipo == u"operacao")
            janela->ficha(1)->btnAdicionarClick();
        else
            fmPrincipal->sbtnAdicionarClick();
        const QByteArray cheio = salvar();
        apoio::achar<QAction>("mItemDesfazer")->trigger();
        QCOMPARE(salvar(), cheio);
        QCOMPARE(programa.interacao.textosMensagens(),
                 QStringList{QStringLiteral("Não é possível desfazer a remoção: a lista já está "
                                            "completa.")});
        QVERIFY(apoio::achar<QAction>("mItemDesfazer")->isEnabled());
    }

    void ctrlZNaJanelaDeAnalise_data()
    {
        QTest::addColumn<bool>("naFicha");
        QTest::addColumn<bool>("daJanela");
        QTest::newRow("janela: o indicador removido nela volta") << false << true;
        QTest::newRow("janela: um problema removido fica para a principal") << false << false;
        QTest::newRow("ficha: a operação removida nela volta") << true << true;
        QTest::newRow("ficha: um indicador removido fica para a janela") << true << false;
    }

    // Ctrl+Z in a problem's indicators and causes window, or in one of its operations sheets on
    // screen, takes back only what that window or sheet removed, and the sheet stays.
    void ctrlZNaJanelaDeAnalise()
    {
        QFETCH(bool, naFicha);
        QFETCH(bool, daJanela);
        Programa programa;
        QVERIFY(programa.iniciar(apoio::pressionarOk()));
        fmPrincipal->sbtnAdicionarClick();
        TfmICProblema *janela = controleNotas->linhaClassificacao(0)->janelaIC();
        janela->sbAdicionarIndicadorClick();
        TfmOperacoes *ficha = janela->ficha(0);
        ficha->btnAdicionarClick();
        ficha->btnAdicionarClick();
        if (!daJanela)
            naFicha ? janela->sbRemoverIndicadorClick() : fmPrincipal->sbtnRemoverClick();
        else
            naFicha ? ficha->btnRemoverClick() : janela->sbRemoverIndicadorClick();
        const int problemas = controleProblemas->total();
        QDialog *alvo = naFicha ? static_cast<QDialog *>(ficha) : janela;
        alvo->show();
        QApplication::setActiveWindow(alvo);
        QVERIFY(QTest::qWaitForWindowActive(alvo));
        QTest::keyClick(alvo, Qt::Key_Z, Qt::ControlModifier);
        // Back, or never gone; and what was not theirs to take back stays gone.
        QCOMPARE(janela->numIndicadores(), naFicha && !daJanela ? 1 : 2);
        QCOMPARE(janela->numOperacoes(0), 2);
        if (naFicha)
            QCOMPARE(janela->ficha(0), ficha); // the sheet on screen was not rebuilt
        QCOMPARE(controleProblemas->total(), problemas);
        QCOMPARE(apoio::achar<QAction>("mItemDesfazer")->isEnabled(), !daJanela);
        alvo->hide();
    }

    void ctrlZDoCampoOuDaRemocao_data()
    {
        QTest::addColumn<bool>("refazer");
        QTest::addColumn<bool>("digitou");
        QTest::newRow("Ctrl+Z, campo com digitação: a digitação volta") << false << true;
        QTest::newRow("Ctrl+Z, campo sem digitação: a remoção volta") << false << false;
        QTest::newRow("Ctrl+Shift+Z, campo com o que refazer: a digitação") << true << true;
        QTest::newRow("Ctrl+Shift+Z, campo sem o que refazer: a remoção") << true << false;
    }

    // The keys as the user presses them in a problem's name, with one removal to take back.
    void ctrlZDoCampoOuDaRemocao()
    {
        QFETCH(bool, refazer);
        QFETCH(bool, digitou);
        Programa programa;
        QVERIFY(programa.iniciar(apoio::pressionarOk()));
        fmPrincipal->sbtnAdicionarClick();
        fmPrincipal->sbtnRemoverClick();
        if (refazer)
            apoio::achar<QAction>("mItemDesfazer")->trigger();
        const int problemas = controleProblemas->total();
        fmPrincipal->show();
        QApplication::setActiveWindow(fmPrincipal);
        QVERIFY(QTest::qWaitForWindowActive(fmPrincipal));
        QLineEdit *nome = controleProblemas->quadro(0)->edProblema;
        nome->setFocus();
        QString digitado;
        if (digitou) {
            QTest::keyClicks(nome, QStringLiteral("x"));
            digitado = nome->text();
            if (refazer)
                QTest::keyClick(nome, Qt::Key_Z, Qt::ControlModifier);
        }
        QTest::keyClick(nome, Qt::Key_Z,
                        refazer ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        if (digitou) {
            QCOMPARE(nome->text(), refazer ? digitado : QStringLiteral("Problema"));
            QCOMPARE(controleProblemas->total(), problemas);
        } else {
            QCOMPARE(controleProblemas->total(), refazer ? problemas - 1 : problemas + 1);
        }
    }
};

SORVANE_TESTE_MAIN(TesteDesfazer)
#include "tst_desfazer.moc"

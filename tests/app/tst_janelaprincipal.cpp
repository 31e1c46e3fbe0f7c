#include "app/Lista.h"
#include "app/TfmPrincipal.h"
#include "app/Versao.h"
#include "data/DocumentoXml.h"
#include "data/Erros.h"
#include "grading/ControleNotas.h"
#include "problems/ControleProblemas.h"
#include "support/Componentes.h"
#include "support/PlanoAmostra.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "voters/ControleVotantes.h"
#include "widgets/CaixaRolagem.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest/qtestspontaneevent.h>

using apoio::achar;

// The main window as the user first meets it, and how it routes its buttons and tabs.
class TesteJanelaPrincipal : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Programa> programa;

    static QStringList itensDoMenu(const char *nome)
    {
        QStringList itens;
        const QMenu *menu = achar<QMenu>(nome);
        for (const QAction *acao : menu->actions())
            itens << (acao->isSeparator() ? QStringLiteral("-") : acao->text()) + u'|' +
                         acao->objectName();
        return itens;
    }

private Q_SLOTS:
    void init() { programa = std::make_unique<Programa>(); }
    void cleanup() { programa.reset(); }

    void tituloTamanhoECabecalho()
    {
        QCOMPARE(fmPrincipal->windowTitle(),
                 QStringLiteral("Projeto Sorvane - Versão " SORVANE_VERSAO));
        QCOMPARE(fmPrincipal->size(), QSize(780, 572));
        QCOMPARE(fmPrincipal->minimumSize(), QSize(600, 400));
        QCOMPARE(achar<QFrame>("painelPrincipal")->height(), 49);
        QCOMPARE(achar<QLabel>("lblEscola")->text(), QStringLiteral("Escola:"));
        QCOMPARE(achar<QLabel>("lblDiretor")->text(), QStringLiteral("Diretor:"));
        QCOMPARE(achar<QLabel>("lblPlanejamento")->text(), QStringLiteral("Nome do arquivo:"));
        for (const char *valor : {"lblNomeEscola", "lblNomeDiretor", "lblNomePlanejamento"}) {
            QCOMPARE(achar<QLabel>(valor)->text(), QStringLiteral("[]"));
            QVERIFY(achar<QLabel>(valor)->isHidden());
        }
        QCOMPARE(achar<QToolButton>("sbtnAdicionar")->size(), QSize(33, 33));
        QCOMPARE(achar<QToolButton>("sbtnAdicionar")->toolTip(),
                 QStringLiteral("Adiciona um elemento à lista"));
        QCOMPARE(achar<QToolButton>("sbtnRemover")->toolTip(),
                 QStringLiteral("Remove um elemento da lista"));
    }

    void quatroAbasNaOrdem()
    {
        const QTabWidget *abas = fmPrincipal->pcControlePaginas;
        QCOMPARE(abas->count(), 4);
        const QStringList esperadas = {"Problemas", "Votantes", "Notas", "Classificação"};
        const QStringList nomes = {"tsProblemas", "tsVotantes", "tsNotas", "tsClassificacao"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(abas->tabText(i), esperadas[i]);
            QCOMPARE(abas->widget(i)->objectName(), nomes[i]);
        }
        QCOMPARE(abas->currentIndex(), 0);
        QCOMPARE(fmPrincipal->sbProblemas->objectName(), QStringLiteral("sbProblemas"));
        QCOMPARE(fmPrincipal->sbClassificacao->objectName(), QStringLiteral("sbClassificacao"));
    }

    void menusComLegendasEAceleradores()
    {
        QStringList menus;
        for (const QAction *acao : fmPrincipal->menuBar()->actions())
            menus << acao->text();
        QCOMPARE(menus, QStringList({"&Arquivo", "&Editar", "Dados", "A&juda"}));
        QCOMPARE(
            itensDoMenu("mItemArquivo"),
            QStringList({"&Novo plano|mItemNovo", "&Abrir plano|mItemAbrir", "&Salvar|mItemSalvar",
                         "-|N4", "&Configurar Impressão|mItemConfigurarImpress", "-|N1",
                         "Sai&r|mItemSair"}));
        QCOMPARE(itensDoMenu("mItemEditar"),
                 QStringList({"&Desfazer|mItemDesfazer", "&Refazer|mItemRefazer"}));
        QCOMPARE(itensDoMenu("mItemDados"),
                 QStringList({"Dados da &Instituição|iItemInstituicao", "-|N3",
                              "Gerar &Cédula de votação|mItemGerarCedula",
                              "Gerar &Ata de reunião|mItemGerarAta",
                              "Gerar &Organograma|mItemGerarOrganograma"}));
        QCOMPARE(itensDoMenu("itemAjuda"), QStringList({"&Sobre o aplicativo|mItemSobre", "-|N2",
                                                        "&Como utilizar o aplicativo|mItemAjuda"}));
    }

    void mostrarTornaVisivel()
    {
        fmPrincipal->mostrarEscola(QStringLiteral("<i>Colégio</i> & Filhos"));
        fmPrincipal->mostrarDiretor(QString());
        fmPrincipal->mostrarNomeArquivo(QStringLiteral("<b>plano</b>.xml"));
        QCOMPARE(achar<QLabel>("lblNomeEscola")->text(), QStringLiteral("<i>Colégio</i> & Filhos"));
        QVERIFY(!achar<QLabel>("lblNomeEscola")->isHidden());
        QVERIFY(!achar<QLabel>("lblNomeDiretor")->isHidden());
        QCOMPARE(fmPrincipal->nomeArquivoMostrado(), QStringLiteral("<b>plano</b>.xml"));
        // What the user typed is shown as typed, never as markup.
        for (const QLabel *rotulo : fmPrincipal->findChildren<QLabel *>())
            QVERIFY(!rotulo->text().contains(u'<') || rotulo->textFormat() == Qt::PlainText);
    }

    void lerEscolaParaNoPrimeiroQueFalta_data()
    {
        QTest::addColumn<QByteArray>("corpo");
        QTest::addColumn<QString>("escola");
        QTest::addColumn<QString>("diretor");
        QTest::newRow("completo") << QByteArray("<escola nome=\"E\" diretor=\"D\" data=\"\"/>")
                                  << "E"
                                  << "D";
        QTest::newRow("sem diretor") << QByteArray("<escola nome=\"E\"/>") << "E"
                                     << "antigo";
        QTest::newRow("sem nome") << QByteArray("<escola diretor=\"D\"/>") << "antiga"
                                  << "antigo";
        QTest::newRow("sem escola") << QByteArray("<problemas/>") << "antiga"
                                    << "antigo";
        QTest::newRow("raiz vazia") << QByteArray() << "antiga"
                                    << "antigo";
    }

    void lerEscolaParaNoPrimeiroQueFalta()
    {
        QFETCH(QByteArray, corpo);
        QFETCH(QString, escola);
        QFETCH(QString, diretor);
        fmPrincipal->mostrarEscola(QStringLiteral("antiga"));
        fmPrincipal->mostrarDiretor(QStringLiteral("antigo"));
        fmPrincipal->lerEscola(amostra::secoesDe(corpo));
        QCOMPARE(achar<QLabel>("lblNomeEscola")->text(), escola);
        QCOMPARE(achar<QLabel>("lblNomeDiretor")->text(), diretor);
        QVERIFY(programa->interacao.mensagens.isEmpty());
    }

    void abasTrocamAListaAtual()
    {
        QTabWidget *abas = fmPrincipal->pcControlePaginas;
        abas->setCurrentIndex(1);
        QCOMPARE(fmPrincipal->listaAtual, static_cast<Lista *>(controleVotantes));
        abas->setCurrentIndex(2);
        QCOMPARE(fmPrincipal->listaAtual, static_cast<Lista *>(controleNotas));
        abas->setCurrentIndex(3);
        QCOMPARE(fmPrincipal->listaAtual, static_cast<Lista *>(controleNotas));
        abas->setCurrentIndex(0);
        QCOMPARE(fmPrincipal->listaAtual, static_cast<Lista *>(controleProblemas));
    }

    void removerNuncaTiraOUltimoItem()
    {
        fmPrincipal->sbtnAdicionarClick();
        fmPrincipal->sbtnRemoverClick();
        QCOMPARE(controleProblemas->total(), 1);
        QVERIFY(programa->interacao.mensagens.isEmpty());
        fmPrincipal->sbtnAdicionarClick();
        fmPrincipal->sbtnAdicionarClick();
        controleProblemas->selecionar(1);
        fmPrincipal->sbtnRemoverClick();
        QCOMPARE(controleProblemas->total(), 2);
        QCOMPARE(controleProblemas->posicaoSelecionada(), 1);
    }

    void botoesNaAbaNotasNaoMudamOsProblemas()
    {
        fmPrincipal->sbtnAdicionarClick();
        fmPrincipal->sbtnAdicionarClick();
        fmPrincipal->pcControlePaginas->setCurrentIndex(2);
        fmPrincipal->sbtnAdicionarClick();
        fmPrincipal->sbtnRemoverClick();
        QCOMPARE(controleProblemas->total(), 2);
        QCOMPARE(controleNotas->total(), 2);
    }

    void tecladoAdicionaERemove()
    {
        fmPrincipal->show();
        QApplication::setActiveWindow(fmPrincipal);
        QVERIFY(QTest::qWaitForWindowActive(fmPrincipal));
        QTest::keyClick(fmPrincipal, Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(fmPrincipal, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(controleProblemas->total(), 2);
        QTest::keyClick(fmPrincipal, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(controleProblemas->total(), 1);
    }

    void voltarAosProblemasMantemASelecao()
    {
        for (int i = 0; i < 3; ++i)
            fmPrincipal->sbtnAdicionarClick();
        controleProblemas->selecionar(1);
        fmPrincipal->pcControlePaginas->setCurrentIndex(2);
        fmPrincipal->pcControlePaginas->setCurrentIndex(0);
        QCOMPARE(controleProblemas->posicaoSelecionada(), 1);
    }

    // Over an unfocused chooser the wheel scrolls the page and changes nothing.
    void rodaSoMudaSeletorComFoco_data()
    {
        QTest::addColumn<int>("aba");
        QTest::addColumn<QString>("seletor");
        QTest::newRow("cor do problema") << 0 << "cBoxCorProblema";
        QTest::newRow("quantidade de votantes") << 1 << "cbQuantidade";
        QTest::newRow("nota") << 2 << "cbNota0";
    }

    void rodaSoMudaSeletorComFoco()
    {
        QFETCH(int, aba);
        QFETCH(QString, seletor);
        for (int i = 0; i < 10; ++i) {
            controleProblemas->adicionar();
            controleVotantes->adicionar();
        }
        controleProblemas->atualizar(false);
        controleVotantes->atualizar(false);
        fmPrincipal->resize(fmPrincipal->minimumSize());
        fmPrincipal->show();
        fmPrincipal->pcControlePaginas->setCurrentIndex(aba);
        controleNotas->mostrarCategoria(0);
        QVERIFY(QTest::qWaitForWindowActive(fmPrincipal));
        const CaixaRolagem *pagina =
            fmPrincipal->pcControlePaginas->widget(aba)->findChild<CaixaRolagem *>();
        auto *caixa = pagina->findChild<QComboBox *>(seletor);
        const int antes = caixa->currentIndex();
        auto rolar = [caixa] {
            QWheelEvent roda({4, 4}, caixa->mapToGlobal(QPointF(4, 4)), {}, {0, -120}, Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&roda);
            qApp->notify(caixa, &roda);
        };
        rolar();
        QCOMPARE(caixa->currentIndex(), antes);
        QVERIFY(pagina->verticalScrollBar()->value() > 0);
        caixa->setFocus(Qt::TabFocusReason);
        rolar();
        QCOMPARE(caixa->currentIndex(), antes + 1);
    }
};

SORVANE_TESTE_MAIN(TesteJanelaPrincipal)
#include "tst_janelaprincipal.moc"

#include "app/TfmPrincipal.h"
#include "grading/ControleNotas.h"
#include "grading/TfrNotas.h"
#include "support/Componentes.h"
#include "support/PlanoAmostra.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "voters/ControleVotantes.h"
#include "voters/TfrCabecalhoVotacao.h"
#include "voters/TfrCategoria.h"

#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <memory>

using namespace amostra;
using apoio::achar;

// The header of the grades tab: its chooser follows the categories, and its voter labels
// stand over the grade boxes of the chosen category.
class TesteCabecalhoVotacao : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Programa> programa;

    static QLabel *rotulo(int k) { return achar<QLabel>(QStringLiteral("rotuloVotante%1").arg(k)); }
    static QComboBox *escolha() { return achar<QComboBox>(QStringLiteral("cbCategoria")); }

    static void escolher(int c)
    {
        escolha()->setCurrentIndex(c);
        Q_EMIT escolha()->activated(c);
    }

    static int visiveis()
    {
        int n = 0;
        for (int k = 0; k < 12; ++k)
            n += rotulo(k)->isHidden() ? 0 : 1;
        return n;
    }

private Q_SLOTS:
    void init()
    {
        apoio::usarPortugues();
        programa = std::make_unique<Programa>();
        adicionarProblema(QStringLiteral("Evasão"));
        adicionarCategoria(QStringLiteral("Professores"), QStringLiteral("PRO"), vermelho,
                           {QStringLiteral("Ana"), QString(), QStringLiteral("Caio")});
        adicionarCategoria(QStringLiteral("Pais"), QStringLiteral("PAI"), azul,
                           {QStringLiteral("Davi")});
    }
    void cleanup() { programa.reset(); }

    void semEscolhaNenhumRotulo()
    {
        // The refresh that ran when the categories were added found an empty chooser.
        QCOMPARE(escolha()->count(), 2);
        QCOMPARE(escolha()->currentIndex(), -1);
        QCOMPARE(visiveis(), 0);
        QCOMPARE(escolha()->itemText(1), QStringLiteral("Pais"));
        QCOMPARE(escolha()->width(), 145);
        QVERIFY(achar<TfrCabecalhoVotacao>(QStringLiteral("CabecalhoVotacao"))
                    ->isVisibleTo(fmPrincipal->pcControlePaginas->widget(2)));
    }

    void rotulosDaCategoriaEscolhida()
    {
        escolher(0);
        QCOMPARE(visiveis(), 3);
        const QStringList textos{QStringLiteral("PRO1"), QStringLiteral("PRO2"),
                                 QStringLiteral("PRO3")};
        const QStringList dicas{QStringLiteral("Ana"), QString(), QStringLiteral("Caio")};
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(rotulo(k)->text(), textos.at(k));
            QCOMPARE(rotulo(k)->toolTip(), dicas.at(k));
            QCOMPARE(rotulo(k)->palette().color(QPalette::WindowText), QColor(Qt::red));
            QCOMPARE(rotulo(k)->pos(), QPoint(262 + 56 * k, 14));
            QCOMPARE(rotulo(k)->width(), 48);
            // Each label stands over its grade box.
            apoio::montarQuadros();
            auto *caixa = controleNotas->linhaNotas(0)->caixasNotas[static_cast<size_t>(k)];
            QVERIFY(!caixa->isHidden());
            QCOMPARE(caixa->x() + 6, rotulo(k)->x());
        }
        // A category with fewer voters hides the labels beyond them at once.
        escolher(1);
        QCOMPARE(visiveis(), 1);
        QCOMPARE(rotulo(0)->text(), QStringLiteral("PAI1"));
        QCOMPARE(rotulo(0)->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QVERIFY(controleNotas->linhaNotas(0)->caixasNotas[1]->isHidden());
    }

    void rotulosSeguemAsMudancasSoNaAtualizacao()
    {
        escolher(0);
        controleVotantes->quadro(0)->definirIdentificador(QStringLiteral("DOC"));
        QCOMPARE(rotulo(0)->text(), QStringLiteral("PRO1"));
        fmPrincipal->pcControlePaginas->setCurrentIndex(2);
        QCOMPARE(rotulo(0)->text(), QStringLiteral("DOC1"));
        QCOMPARE(escolha()->currentIndex(), 0);
        // Removing the chosen category leaves the chooser on the first one.
        controleVotantes->selecionar(1);
        controleVotantes->remover();
        QCOMPARE(escolha()->count(), 1);
        QCOMPARE(escolha()->currentIndex(), 0);
    }

    void escolhaQueDeixaDeExistirFicaSemSelecao()
    {
        // A chooser that points past the categories when the grades refresh loses its choice,
        // and the rows keep showing what they showed.
        escolher(0);
        escolha()->addItem(QStringLiteral("fantasma"));
        escolha()->setCurrentIndex(2);
        controleNotas->atualizar(false);
        QCOMPARE(escolha()->count(), 2);
        QCOMPARE(escolha()->currentIndex(), -1);
        QCOMPARE(visiveis(), 0);
        QCOMPARE(controleNotas->linhaNotas(0)->categoriaAtual(), 0);
        apoio::montarQuadros();
        QVERIFY(!controleNotas->linhaNotas(0)->caixasNotas[2]->isHidden());
    }
};

SORVANE_TESTE_MAIN(TesteCabecalhoVotacao)
#include "tst_cabecalhovotacao.moc"

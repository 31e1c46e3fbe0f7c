#include "analysis/TfmICProblema.h"
#include "analysis/TfmOperacoes.h"
#include "app/AjusteTela.h"
#include "app/TfmPrincipal.h"
#include "data/ListaNos.h"
#include "data/TdmDados.h"
#include "data/TfmDadosEscola.h"
#include "documents/TfmCedula.h"
#include "documents/TfmDiagrama.h"
#include "documents/TfmRelatorio.h"
#include "help/TfmAjuda.h"
#include "help/TfmSobre.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "support/data/ApoioPlano.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <memory>

// Every window on the screen it opens on. tests/CMakeLists.txt runs this once per screen a school
// has, at 1, 1.5 and 2 times scale, through the offscreen platform's screen configuration.
class TesteAjusteTela : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Programa> programa;

    static QRect areaLivre() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    static std::unique_ptr<QWidget> criar(const QString &nome)
    {
        if (nome == QLatin1String("fmICProblema"))
            return std::make_unique<TfmICProblema>();
        if (nome == QLatin1String("fmOperacoes"))
            return std::make_unique<TfmOperacoes>();
        if (nome == QLatin1String("fmCedula"))
            return std::make_unique<TfmCedula>(fmPrincipal);
        if (nome == QLatin1String("fmRelatorio"))
            return std::make_unique<TfmRelatorio>(fmPrincipal);
        if (nome == QLatin1String("fmAjuda"))
            return std::make_unique<TfmAjuda>(fmPrincipal);
        if (nome == QLatin1String("fmSobre"))
            return std::make_unique<TfmSobre>(fmPrincipal);
        auto diagrama = std::make_unique<TfmDiagrama>(fmPrincipal);
        diagrama->montarOrganograma(dmDados->prepararOrganograma(), QStringLiteral("plano.xml"));
        return diagrama;
    }

    // Scrolled to as Tab scrolls to it, the control lies whole in every view around it.
    static bool alcancavel(QWidget *controle)
    {
        QWidget *janela = controle->window();
        QRect livre = janela->rect();
        for (QWidget *acima = controle->parentWidget(); acima != janela;
             acima = acima->parentWidget()) {
            if (auto *rolagem = qobject_cast<QScrollArea *>(acima))
                rolagem->ensureWidgetVisible(controle, 0, 0);
        }
        for (QWidget *acima = controle->parentWidget(); acima != janela;
             acima = acima->parentWidget()) {
            if (auto *vista = qobject_cast<QAbstractScrollArea *>(acima))
                livre &=
                    QRect(vista->viewport()->mapTo(janela, QPoint()), vista->viewport()->size());
        }
        return livre.contains(QRect(controle->mapTo(janela, QPoint()), controle->size()));
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The screen this run was given, WIDTHxHEIGHTxDPI in device pixels, is what Qt sees.
        const QStringList tela = qEnvironmentVariable("SORVANE_TELA").split(u'x');
        if (tela.size() == 3) {
            const double escala = tela[2].toDouble() / 96;
            QCOMPARE(areaLivre().size(),
                     QSize(qRound(tela[0].toInt() / escala), qRound(tela[1].toInt() / escala)));
        }
        programa = std::make_unique<Programa>();
        QVERIFY(programa->iniciar(apoio::pressionarOk({{}, {}, {}, QStringLiteral("plano.xml")})));
    }

    void cleanupTestCase() { programa.reset(); }

    void janelaCabeNaTelaComTudoAoAlcance_data()
    {
        QTest::addColumn<QString>("nome");
        for (const char *nome : {"fmPrincipal", "fmDadosEscola", "fmICProblema", "fmOperacoes",
                                 "fmCedula", "fmRelatorio", "fmDiagrama", "fmAjuda", "fmSobre"})
            QTest::newRow(nome) << QString::fromLatin1(nome);
    }

    void janelaCabeNaTelaComTudoAoAlcance()
    {
        QFETCH(QString, nome);
        std::unique_ptr<QWidget> propria;
        QWidget *janela = fmPrincipal;
        QSize projeto(TfmPrincipal::larguraInicial, TfmPrincipal::alturaInicial);
        if (nome == QLatin1String("fmDadosEscola")) {
            janela = fmDadosEscola;
        } else if (nome != QLatin1String("fmPrincipal")) {
            propria = criar(nome);
            janela = propria.get();
        }
        if (janela != fmPrincipal)
            projeto = janela->size();
        janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela));

        const QRect moldura = janela->frameGeometry();
        QVERIFY2(areaLivre().contains(moldura), qPrintable(QStringLiteral("%1x%2 em %3,%4")
                                                               .arg(moldura.width())
                                                               .arg(moldura.height())
                                                               .arg(moldura.x())
                                                               .arg(moldura.y())));
        if (QRect(QPoint(), areaLivre().size().shrunkBy(AjusteTela::molduraEstimada))
                .contains(QRect(QPoint(), projeto)))
            QCOMPARE(janela->size(), projeto);
        int controles = 0;
        for (QWidget *controle : janela->findChildren<QWidget *>()) {
            const bool deTeclado =
                qobject_cast<QAbstractButton *>(controle) || qobject_cast<QComboBox *>(controle) ||
                qobject_cast<QLineEdit *>(controle) || qobject_cast<QAbstractSpinBox *>(controle);
            if (!deTeclado || !controle->isVisibleTo(janela) ||
                !(controle->focusPolicy() & Qt::TabFocus) ||
                qobject_cast<QAbstractSpinBox *>(controle->parentWidget()))
                continue;
            ++controles;
            QVERIFY2(alcancavel(controle), qPrintable(controle->objectName()));
        }
        QVERIFY(controles > 0 || nome == QLatin1String("fmAjuda")); // the help is its text alone
        if (janela == fmDadosEscola)
            janela->hide();
    }
};

SORVANE_TESTE_MAIN(TesteAjusteTela)
#include "tst_ajustetela.moc"

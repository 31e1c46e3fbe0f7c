#include "analysis/TfmICProblema.h"
#include "analysis/TfmOperacoes.h"
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
#include "widgets/AjusteTela.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <functional>
#include <map>
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
        const std::map<QString, std::function<QWidget *()>> janelas = {
            {"fmICProblema", [] { return new TfmICProblema; }},
            {"fmOperacoes", [] { return new TfmOperacoes; }},
            {"fmCedula", [] { return new TfmCedula(fmPrincipal); }},
            {"fmRelatorio", [] { return new TfmRelatorio(fmPrincipal); }},
            {"fmAjuda", [] { return new TfmAjuda(fmPrincipal); }},
            {"fmSobre", [] { return new TfmSobre(fmPrincipal); }}};
        if (janelas.count(nome))
            return std::unique_ptr<QWidget>(janelas.at(nome)());
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
        // The main window was shown at start-up; the others open now.
        std::unique_ptr<QWidget> propria;
        QWidget *janela = nome == QLatin1String("fmPrincipal")     ? fmPrincipal
                          : nome == QLatin1String("fmDadosEscola") ? fmDadosEscola
                                                                   : (propria = criar(nome)).get();
        const QSize projeto = janela == fmPrincipal
                                  ? QSize(TfmPrincipal::larguraInicial, TfmPrincipal::alturaInicial)
                                  : janela->size();
        janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela));

        QVERIFY(areaLivre().contains(janela->frameGeometry()));
        const QSize espaco = areaLivre().size().shrunkBy(AjusteTela::molduraEstimada);
        if (projeto.width() <= espaco.width() && projeto.height() <= espaco.height())
            QCOMPARE(janela->size(), projeto); // the design, where it fits
        int controles = 0;
        for (QWidget *controle : janela->findChildren<QWidget *>()) {
            const bool deTeclado =
                qobject_cast<QAbstractButton *>(controle) || qobject_cast<QComboBox *>(controle) ||
                qobject_cast<QLineEdit *>(controle) || qobject_cast<QAbstractSpinBox *>(controle);
            if (deTeclado && controle->isVisibleTo(janela) &&
                (controle->focusPolicy() & Qt::TabFocus) &&
                !qobject_cast<QAbstractSpinBox *>(controle->parentWidget())) {
                ++controles;
                QVERIFY2(alcancavel(controle), qPrintable(controle->objectName()));
            }
        }
        QVERIFY(controles > 0 || nome == QLatin1String("fmAjuda")); // the help is its text alone
        fmDadosEscola->hide();
    }
};

SORVANE_TESTE_MAIN(TesteAjusteTela)
#include "tst_ajustetela.moc"

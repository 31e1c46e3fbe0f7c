#include "analysis/TfmICProblema.h"
#include "analysis/TfmOperacoes.h"
#include "app/TfmPrincipal.h"
#include "data/TdmDados.h"
#include "data/TfmDadosEscola.h"
#include "grading/ControleNotas.h"
#include "grading/TfrNotas.h"
#include "problems/ControleProblemas.h"
#include "support/Programa.h"
#include "support/Teste.h"
#include "support/integracao/PlanoCompleto.h"
#include "support/integracao/Usuario.h"
#include "voters/ControleVotantes.h"
#include "voters/TfrCategoria.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QTabWidget>
#include <QToolButton>
#include <functional>

// Every window as a screen reader and a keyboard meet it, through the same accessibility
// interfaces the Linux bridge hands to the screen reader: every control a user can reach has a
// name, the grade boxes are told apart, and Tab and Shift+Tab lead through every enabled
// control and back to where they started, with the focus always on something shown.
class TesteAcessibilidade : public QObject {
    Q_OBJECT

    enum Janela {
        abaProblemas,
        abaVotantes,
        abaNotas,
        abaClassificacao,
        depoisDeAbrir,
        depoisDeNovo,
        depoisDeAdicionarCategoria,
        depoisDeRemoverProblema,
        indicadoresECausas,
        fichaDeOperacoes,
        organograma,
        cedula,
        ata,
        ajuda,
        sobre,
        dadosDaEscola,
    };

    std::unique_ptr<Programa> programa;
    QString pastaBase;

    static QString descrever(const QObject *objeto)
    {
        QStringList caminho;
        for (const QObject *o = objeto; o && caminho.size() < 4; o = o->parent())
            caminho.prepend(o->objectName().isEmpty()
                                ? QString::fromLatin1(o->metaObject()->className())
                                : o->objectName());
        return caminho.join(u'/');
    }

    static QString nomeAcessivel(QObject *objeto)
    {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(objeto);
        return iface ? iface->text(QAccessible::Name).trimmed() : QString();
    }

    // Interactive objects that a screen reader would announce without a name.
    static void procurarSemNome(QAccessibleInterface *iface, QStringList &falhas, int nivel = 0)
    {
        static const QList<QAccessible::Role> interativos = {
            QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
            QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::SpinBox,
            QAccessible::Table,      QAccessible::PageTab,      QAccessible::ButtonMenu,
            QAccessible::Graphic};
        static const QList<QAccessible::Role> itens = {
            QAccessible::Cell, QAccessible::ColumnHeader, QAccessible::RowHeader,
            QAccessible::ListItem, QAccessible::MenuItem};
        if (!iface || nivel > 40 || iface->state().invisible)
            return;
        const QAccessible::Role papel = iface->role();
        const bool interativo = interativos.contains(papel) || iface->state().focusable;
        if (interativo && !itens.contains(papel) &&
            iface->text(QAccessible::Name).trimmed().isEmpty())
            falhas << QStringLiteral("sem nome: ") + descrever(iface->object());
        for (int i = 0; i < iface->childCount(); ++i)
            procurarSemNome(iface->child(i), falhas, nivel + 1);
    }

    // Where the focus is: the widget and, in a grid, its cell, in a date, its field.
    using Posicao = QPair<QWidget *, int>;
    static Posicao posicaoDoFoco()
    {
        QWidget *foco = QApplication::focusWidget();
        if (const auto *vista = qobject_cast<QAbstractItemView *>(foco))
            return {foco, vista->currentIndex().row() * 100 + vista->currentIndex().column()};
        if (const auto *data = qobject_cast<QDateTimeEdit *>(foco))
            return {foco, data->currentSectionIndex()};
        return {foco, -1};
    }

    // One round of Tab (or Shift+Tab) from the focus: every stop shown and named, no stop met
    // twice before the start comes back.
    static QList<QWidget *> rodada(QWidget *janela, bool paraTras, QStringList &falhas)
    {
        const Posicao inicio = posicaoDoFoco();
        QList<Posicao> vistas;
        QList<QWidget *> paradas{inicio.first};
        const QString sentido = paraTras ? QStringLiteral("Shift+Tab") : QStringLiteral("Tab");
        for (int passo = 0; passo < 400; ++passo) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                            paraTras ? Qt::ShiftModifier : Qt::NoModifier);
            const Posicao agora = posicaoDoFoco();
            if (!agora.first || agora.first->window() != janela) {
                falhas << sentido + QStringLiteral(" tirou o foco da janela");
                return paradas;
            }
            if (agora == inicio)
                return paradas;
            if (vistas.contains(agora)) {
                falhas << sentido + QStringLiteral(" não volta ao início, preso em ") +
                              descrever(agora.first);
                return paradas;
            }
            vistas << agora;
            if (!paradas.contains(agora.first))
                paradas << agora.first;
            if (agora.first->visibleRegion().isEmpty())
                falhas << QStringLiteral("foco invisível: ") + descrever(agora.first);
            if (nomeAcessivel(agora.first).isEmpty())
                falhas << QStringLiteral("foco sem nome: ") + descrever(agora.first);
        }
        falhas << sentido + QStringLiteral(" não voltou ao início");
        return paradas;
    }

    static QStringList percorrer(QWidget *janela)
    {
        QStringList falhas;
        janela->show();
        janela->activateWindow();
        if (!QTest::qWaitForWindowActive(janela))
            return {QStringLiteral("a janela não ficou ativa")};
        // The offscreen platform may not hand the activation back to a window after a dialog.
        if (QApplication::activeWindow() != janela)
            QApplication::setActiveWindow(janela);
        if (nomeAcessivel(janela).isEmpty())
            falhas << QStringLiteral("janela sem título");
        procurarSemNome(QAccessible::queryAccessibleInterface(janela), falhas);

        QStringList notas;
        for (QComboBox *caixa : janela->findChildren<QComboBox *>()) {
            if (caixa->isVisible() && caixa->objectName().startsWith(u"cbNota"))
                notas << nomeAcessivel(caixa);
        }
        for (const QString &nome : notas) {
            if (notas.count(nome) > 1 && !falhas.contains(QStringLiteral("nome repetido: ") + nome))
                falhas << QStringLiteral("nome repetido: ") + nome;
        }

        QWidget *inicio = QApplication::focusWidget();
        if (!inicio || inicio->window() != janela)
            return falhas << QStringLiteral("nada tem o foco");
        if (inicio->visibleRegion().isEmpty() || nomeAcessivel(inicio).isEmpty())
            falhas << QStringLiteral("o foco começa em ") + descrever(inicio);
        const QList<QWidget *> adiante = rodada(janela, false, falhas);
        const QList<QWidget *> atras = rodada(janela, true, falhas);
        // The ranking's rows, "1º lugar: …", come one after the other in the order of the ranking.
        int lugarAnterior = 0;
        for (QWidget *parada : adiante) {
            const QString nome = nomeAcessivel(parada);
            const qsizetype fim = nome.indexOf(QStringLiteral("º lugar: "));
            if (fim <= 0)
                continue;
            const int lugar = nome.left(fim).toInt();
            if (lugar != lugarAnterior + 1 && lugar != 1)
                falhas << QStringLiteral("Tab fora da ordem da classificação: ") + nome;
            lugarAnterior = lugar;
        }
        for (QWidget *controle : janela->findChildren<QWidget *>()) {
            const bool alcancavel = controle->isVisible() && controle->isEnabled() &&
                                    (controle->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
                                    !controle->focusProxy() && controle->window() == janela;
            if (alcancavel && !adiante.contains(controle))
                falhas << QStringLiteral("Tab não alcança ") + descrever(controle);
            if (alcancavel && !atras.contains(controle))
                falhas << QStringLiteral("Shift+Tab não alcança ") + descrever(controle);
        }
        return falhas;
    }

    // Runs `comando`, which shows a modal window, and walks that window while it is up.
    QStringList percorrerModal(const std::function<void()> &comando)
    {
        QStringList falhas{QStringLiteral("a janela não abriu")};
        programa->interacao.modais.enqueue([&falhas](QDialog &janela) {
            falhas = percorrer(&janela);
            janela.hide();
            return int(QDialog::Rejected);
        });
        comando();
        programa->interacao.modais.clear();
        return falhas;
    }

    void mostrarPrincipal(int aba)
    {
        fmPrincipal->show();
        fmPrincipal->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fmPrincipal));
        fmPrincipal->pcControlePaginas->tabBar()->setFocus(Qt::TabFocusReason);
        usuario::mostrarAba(static_cast<usuario::Aba>(aba));
        // Into the page, as the user goes from the tab bar.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }

private Q_SLOTS:
    void initTestCase() { pastaBase = QDir::currentPath(); }
    void init()
    {
        QVERIFY(apoio::entrarEmPastaDoCaso(pastaBase));
        programa = std::make_unique<Programa>();
        plano::montar(programa->interacao);
        programa->interacao.limpar();
    }
    void cleanup() { programa.reset(); }

    void todaJanelaSeUsaPeloTeclado_data()
    {
        QTest::addColumn<int>("janela");
        QTest::newRow("aba Problemas") << int(abaProblemas);
        QTest::newRow("aba Votantes com os nomes abertos") << int(abaVotantes);
        QTest::newRow("aba Notas") << int(abaNotas);
        QTest::newRow("aba Classificação") << int(abaClassificacao);
        QTest::newRow("depois de Abrir plano") << int(depoisDeAbrir);
        QTest::newRow("depois de Novo plano") << int(depoisDeNovo);
        QTest::newRow("depois de adicionar uma categoria") << int(depoisDeAdicionarCategoria);
        QTest::newRow("depois de remover um problema") << int(depoisDeRemoverProblema);
        QTest::newRow("indicadores e causas") << int(indicadoresECausas);
        QTest::newRow("ficha de operações") << int(fichaDeOperacoes);
        QTest::newRow("organograma") << int(organograma);
        QTest::newRow("cédula") << int(cedula);
        QTest::newRow("ata") << int(ata);
        QTest::newRow("ajuda") << int(ajuda);
        QTest::newRow("sobre") << int(sobre);
        QTest::newRow("dados da escola") << int(dadosDaEscola);
    }

    void todaJanelaSeUsaPeloTeclado()
    {
        QFETCH(int, janela);
        InteracaoRoteirizada &interacao = programa->interacao;
        QStringList falhas;
        switch (janela) {
        case abaProblemas:
        case abaNotas:
        case abaClassificacao:
            mostrarPrincipal(janela);
            falhas = percorrer(fmPrincipal);
            break;
        case abaVotantes:
            mostrarPrincipal(janela);
            controleVotantes->quadro(0)->sbBtnNomes->click();
            falhas = percorrer(fmPrincipal);
            break;
        case depoisDeAbrir:
            mostrarPrincipal(usuario::abaVotantes);
            interacao.arquivos.enqueue(plano::arquivo);
            fmPrincipal->mItemAbrirClick();
            falhas = percorrer(fmPrincipal);
            break;
        case depoisDeNovo:
            interacao.respostas.enqueue(Resposta::Nao);
            falhas = percorrerModal([] { fmPrincipal->mItemNovoClick(); });
            falhas += percorrer(fmPrincipal);
            break;
        case depoisDeAdicionarCategoria:
            mostrarPrincipal(usuario::abaVotantes);
            fmPrincipal->sbtnAdicionarClick();
            falhas = percorrer(fmPrincipal);
            break;
        case depoisDeRemoverProblema:
            mostrarPrincipal(usuario::abaProblemas);
            controleProblemas->quadro(1)->edProblema->setFocus(Qt::TabFocusReason);
            fmPrincipal->sbtnRemoverClick();
            falhas = percorrer(fmPrincipal);
            break;
        case indicadoresECausas:
            usuario::abrirAnalise(interacao, 0, [&falhas](TfmICProblema &analise) {
                falhas = percorrer(&analise);
                analise.hide();
            });
            break;
        case fichaDeOperacoes:
            usuario::abrirAnalise(interacao, 0, [&](TfmICProblema &analise) {
                usuario::abrirFicha(interacao, analise, 1, [&falhas](TfmOperacoes &ficha) {
                    falhas = percorrer(&ficha);
                    ficha.hide();
                });
            });
            break;
        case organograma:
            falhas = percorrerModal([] { fmPrincipal->mItemGerarOrganogramaClick(); });
            break;
        case cedula:
            falhas = percorrerModal([] { fmPrincipal->mItemGerarCedulaClick(); });
            break;
        case ata:
            falhas = percorrerModal([] { fmPrincipal->mItemGerarAtaClick(); });
            break;
        case ajuda:
            falhas = percorrerModal([] { fmPrincipal->mItemAjudaClick(); });
            break;
        case sobre:
            falhas = percorrerModal([] { fmPrincipal->mItemSobreClick(); });
            break;
        case dadosDaEscola:
            falhas = percorrerModal([] { fmPrincipal->iItemInstituicaoClick(); });
            break;
        }
        QVERIFY2(falhas.isEmpty(), qPrintable(falhas.join(QStringLiteral("\n   "))));
    }
};

SORVANE_TESTE_MAIN(TesteAcessibilidade)
#include "tst_acessibilidade.moc"

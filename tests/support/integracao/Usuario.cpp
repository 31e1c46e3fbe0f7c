#include "support/integracao/Usuario.h"

#include "analysis/TfmICProblema.h"
#include "analysis/TfmOperacoes.h"
#include "app/TfmPrincipal.h"
#include "grading/ControleNotas.h"
#include "grading/TfrClassificacao.h"
#include "grading/TfrNotas.h"
#include "problems/ControleProblemas.h"
#include "problems/TfrProblema.h"
#include "voters/ControleVotantes.h"
#include "voters/TfrCabecalhoVotacao.h"
#include "voters/TfrCategoria.h"
#include "widgets/CaixaCor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>
#include <algorithm>

namespace usuario {

namespace {

// Editors closed before are hidden and wait for their deferred deletion.
QLineEdit *editorAberto(const QTableWidget *grade)
{
    for (QLineEdit *editor : grade->viewport()->findChildren<QLineEdit *>())
        if (!editor->isHidden())
            return editor;
    return nullptr;
}

} // namespace

void mostrarAba(Aba aba)
{
    fmPrincipal->pcControlePaginas->setCurrentIndex(aba);
}

void pressionarAdicionar()
{
    fmPrincipal->findChild<QToolButton *>(QStringLiteral("sbtnAdicionar"))->click();
}

void pressionarRemover()
{
    fmPrincipal->findChild<QToolButton *>(QStringLiteral("sbtnRemover"))->click();
}

void clicarProblema(int posicao)
{
    mostrarAba(abaProblemas);
    QTest::mouseClick(controleProblemas->quadro(posicao)->painel, Qt::LeftButton);
}

void clicarCategoria(int posicao)
{
    mostrarAba(abaVotantes);
    QTest::mouseClick(controleVotantes->quadro(posicao)->painel, Qt::LeftButton);
}

void digitar(QWidget *alvo, const QString &texto)
{
    for (const QChar c : texto) {
        if (c == u'\n') {
            QTest::keyClick(alvo, Qt::Key_Return);
        } else if (c.unicode() < 0x80) {
            QTest::keyClick(alvo, c.toLatin1());
        } else {
            // Qt's key codes for Latin-1 letters are their capitals' code points.
            const char16_t maiuscula = c.toUpper().unicode();
            const Qt::Key tecla = maiuscula <= 0xFF ? Qt::Key(maiuscula) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, alvo, tecla, QString(c), Qt::NoModifier);
        }
    }
}

void substituir(QLineEdit *edicao, const QString &texto)
{
    edicao->selectAll();
    if (texto.isEmpty())
        QTest::keyClick(edicao, Qt::Key_Delete);
    else
        digitar(edicao, texto);
}

void escolher(QComboBox *caixa, int indice)
{
    QTest::keyClick(caixa, Qt::Key_Home);
    for (int i = 0; i < indice; ++i)
        QTest::keyClick(caixa, Qt::Key_Down);
    QCOMPARE(caixa->currentIndex(), indice);
}

void escolherCor(QComboBox *caixa, ValorCor cor)
{
    const int indice = caixa->findData(QVariant::fromValue<qint32>(cor));
    QVERIFY2(indice >= 0, qPrintable(QString::number(cor)));
    escolher(caixa, indice);
}

void editarCelula(QTableWidget *grade, int linha, int coluna, const QString &texto, bool confirmar)
{
    // Some grids open the editor as soon as the cell becomes current; the others on request.
    grade->setCurrentCell(linha, coluna);
    QLineEdit *editor = editorAberto(grade);
    if (!editor) {
        grade->editItem(grade->item(linha, coluna));
        editor = editorAberto(grade);
    }
    QVERIFY2(editor, "a célula não abriu para edição");
    editor->selectAll();
    digitar(editor, texto);
    if (!confirmar)
        return;
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate answers Enter with a queued call that commits and closes the editor; this
    // is that call's turn of the event loop.
    QCoreApplication::sendPostedEvents(
        grade->itemDelegateForIndex(grade->model()->index(linha, coluna)), QEvent::MetaCall);
    QCOMPARE(grade->item(linha, coluna)->text(), texto);
}

void preencherProblema(int posicao, const QString &nome, ValorCor cor)
{
    mostrarAba(abaProblemas);
    while (controleProblemas->total() <= posicao)
        pressionarAdicionar();
    TfrProblema *quadro = controleProblemas->quadro(posicao);
    substituir(quadro->edProblema, nome);
    escolherCor(quadro->cBoxCorProblema, cor);
}

void preencherCategoria(int posicao, const Categoria &categoria)
{
    mostrarAba(abaVotantes);
    while (controleVotantes->total() <= posicao)
        pressionarAdicionar();
    TfrCategoria *quadro = controleVotantes->quadro(posicao);
    substituir(quadro->edCategoria, categoria.titulo);
    substituir(quadro->edIdentificador, categoria.id);
    escolherCor(quadro->clBoxVotantes, categoria.cor);
    escolher(quadro->cbQuantidade, static_cast<int>(categoria.votantes.size()) - 1);
    quadro->sbBtnNomes->click();
    for (int j = 0; j < categoria.votantes.size(); ++j)
        editarCelula(quadro->sgVotantes, j, 0, categoria.votantes.at(j));
    quadro->sbBtnNomes->click();
}

void darNotas(int problema, int categoria, const QList<int> &notas)
{
    mostrarAba(abaNotas);
    escolher(controleNotas->cabecalhoVotacao()->cbCategoria, categoria);
    TfrNotas *linha = controleNotas->linhaNotas(problema);
    for (int v = 0; v < notas.size(); ++v) {
        QComboBox *caixa = linha->caixasNotas[static_cast<size_t>(v)];
        QVERIFY2(caixa->isVisible(), qPrintable(caixa->objectName()));
        escolher(caixa, notas.at(v));
    }
}

void abrirAnalise(InteracaoRoteirizada &interacao, int problema,
                  const std::function<void(TfmICProblema &)> &acao)
{
    mostrarAba(abaClassificacao);
    bool aberta = false;
    interacao.modais.enqueue([&](QDialog &janela) {
        auto *analise = qobject_cast<TfmICProblema *>(&janela);
        if (!analise)
            return int(QDialog::Rejected);
        aberta = true;
        acao(*analise);
        return janela.result();
    });
    controleNotas->linhaClassificacao(problema)->btnProblema->click();
    if (!aberta)
        interacao.modais.clear(); // its action refers to this call's locals
    QVERIFY2(aberta, "a janela de indicadores e causas não abriu");
}

void abrirFicha(InteracaoRoteirizada &interacao, TfmICProblema &janela, int causa,
                const std::function<void(TfmOperacoes &)> &acao)
{
    bool aberta = false;
    interacao.modais.enqueue([&](QDialog &dialogo) {
        auto *ficha = qobject_cast<TfmOperacoes *>(&dialogo);
        if (!ficha)
            return int(QDialog::Rejected);
        aberta = true;
        acao(*ficha);
        return dialogo.result();
    });
    janela.sbCausa[static_cast<size_t>(causa - 1)]->click();
    if (!aberta)
        interacao.modais.clear();
    QVERIFY2(aberta, "a ficha de operações não abriu");
}

QStringList gerarDocumento(InteracaoRoteirizada &interacao, void (TfmPrincipal::*comando)(),
                           const QString &texto)
{
    QStringList linhas;
    bool mostrada = false;
    interacao.modais.enqueue([&](QDialog &janela) {
        mostrada = true;
        if (const auto *edicao = janela.findChild<QTextEdit *>(texto)) {
            const QTextDocument *documento = edicao->document();
            for (QTextBlock bloco = documento->begin(); bloco.isValid(); bloco = bloco.next())
                linhas.append(bloco.text());
        }
        return int(QDialog::Rejected);
    });
    (fmPrincipal->*comando)();
    if (!mostrada)
        interacao.modais.clear();
    return linhas;
}

QStringList ordemClassificacao()
{
    QList<TfrClassificacao *> linhas;
    for (int i = 0; i < controleNotas->total(); ++i)
        linhas.append(controleNotas->linhaClassificacao(i));
    std::stable_sort(
        linhas.begin(), linhas.end(),
        [](const TfrClassificacao *a, const TfrClassificacao *b) { return a->y() < b->y(); });
    QStringList nomes;
    for (const TfrClassificacao *linha : linhas)
        nomes.append(linha->titulo());
    return nomes;
}

QString totalMostrado(int problema)
{
    return controleNotas->linhaClassificacao(problema)->rotulosValores[0]->text();
}

} // namespace usuario

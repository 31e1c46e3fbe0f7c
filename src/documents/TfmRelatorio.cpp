#include "documents/TfmRelatorio.h"

#include "data/ListaNos.h"
#include "documents/PainelBotoes.h"
#include "documents/RedatorRico.h"
#include "documents/ServicoImpressao.h"
#include "documents/TextoAta.h"
#include "widgets/Acessibilidade.h"

#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>

TfmRelatorio *fmRelatorio = nullptr;

namespace {

const QString sugestaoPdf = QStringLiteral("ata de reunião.pdf");

} // namespace

TfmRelatorio::TfmRelatorio(QWidget *pai) : QDialog(pai)
{
    setObjectName(QStringLiteral("fmRelatorio"));
    setWindowTitle(QStringLiteral("Relatório do Planejamento"));
    resize(largura, altura);
    if (pai)
        move(pai->geometry().center() - rect().center());

    relatorio = new QTextEdit(this);
    relatorio->setObjectName(QStringLiteral("relatorio"));
    nomear(relatorio, QStringLiteral("Texto da ata de reunião"));
    relatorio->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    relatorio->setFont(textoAta::fonte());
    // Tab moves on to the buttons instead of typing a tab into the minutes.
    relatorio->setTabChangesFocus(true);

    auto *painel = new PainelBotoes(this, relatorio, alturaPainel);
    painelInferior = painel;
    btnImprimir = painel->adicionarBotao("btnImprimir", QStringLiteral("Imprimir"),
                                         QKeySequence(Qt::CTRL | Qt::Key_P));
    btnSalvarPdf = painel->adicionarBotao("btnSalvarPdf", QStringLiteral("Salvar PDF"));
    btnCancelar = painel->adicionarBotao("btnCancelar", QStringLiteral("Fechar"));

    connect(btnImprimir, &QPushButton::clicked, this, &TfmRelatorio::btnImprimirClick);
    connect(btnSalvarPdf, &QPushButton::clicked, this, &TfmRelatorio::btnSalvarPdfClick);
    connect(btnCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmRelatorio::montarAta(const ListaNos &secoes)
{
    QTextDocument *texto = novoDocumento(*relatorio);
    textoAta::montar(*texto, secoes);
    // Building the minutes is not an edit the user could undo.
    texto->clearUndoRedoStacks();
    mostrarDocumento(*relatorio, texto);
    relatorio->moveCursor(QTextCursor::Start);
}

void TfmRelatorio::btnImprimirClick()
{
    ServicoImpressao::instancia().imprimirDocumento(*relatorio->document(), tituloImpressao);
}

void TfmRelatorio::btnSalvarPdfClick()
{
    ServicoImpressao::salvarPdf(*relatorio->document(), tituloImpressao, sugestaoPdf);
}

#include "documents/TfmRelatorio.h"

#include "data/ListaNos.h"
#include "documents/RedatorRico.h"
#include "documents/ServicoImpressao.h"
#include "documents/TextoAta.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

TfmRelatorio *fmRelatorio = nullptr;

namespace {

const QString sugestaoPdf = QStringLiteral("ata de reunião.pdf");

QPushButton *botao(QWidget *pai, const char *nome, const QString &texto)
{
    auto *novo = new QPushButton(texto, pai);
    novo->setObjectName(QString::fromLatin1(nome));
    novo->setAutoDefault(false);
    return novo;
}

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
    relatorio->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    relatorio->setFont(textoAta::fonte());
    // Tab moves on to the buttons instead of typing a tab into the minutes.
    relatorio->setTabChangesFocus(true);

    painelInferior = new QFrame(this);
    painelInferior->setObjectName(QStringLiteral("painelInferior"));
    painelInferior->setFixedHeight(alturaPainel);
    btnImprimir = botao(painelInferior, "btnImprimir", QStringLiteral("Imprimir"));
    btnSalvarPdf = botao(painelInferior, "btnSalvarPdf", QStringLiteral("Salvar PDF"));
    btnCancelar = botao(painelInferior, "btnCancelar", QStringLiteral("Fechar"));

    auto *botoes = new QHBoxLayout(painelInferior);
    botoes->addStretch();
    botoes->addWidget(btnImprimir);
    botoes->addWidget(btnSalvarPdf);
    botoes->addWidget(btnCancelar);

    auto *principal = new QVBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 0);
    principal->setSpacing(0);
    principal->addWidget(relatorio);
    principal->addWidget(painelInferior);

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

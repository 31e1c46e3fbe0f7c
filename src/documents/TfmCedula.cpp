#include "documents/TfmCedula.h"

#include "data/ListaNos.h"
#include "documents/RedatorRico.h"
#include "documents/ServicoImpressao.h"
#include "documents/TextoCedula.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

TfmCedula *fmCedula = nullptr;

namespace {

const QString sugestaoPdf = QStringLiteral("cedula de votação.pdf");

QPushButton *botao(QWidget *pai, const char *nome, const QString &texto)
{
    auto *novo = new QPushButton(texto, pai);
    novo->setObjectName(QString::fromLatin1(nome));
    novo->setAutoDefault(false);
    return novo;
}

} // namespace

TfmCedula::TfmCedula(QWidget *pai) : QDialog(pai)
{
    setObjectName(QStringLiteral("fmCedula"));
    setWindowTitle(QStringLiteral("Cédula de Votação"));
    resize(largura, altura);
    if (pai)
        move(pai->geometry().center() - rect().center());

    cedula = new QTextEdit(this);
    cedula->setObjectName(QStringLiteral("cedula"));
    cedula->setReadOnly(true);
    cedula->setLineWrapMode(QTextEdit::NoWrap);
    cedula->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    cedula->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    cedula->setFont(textoCedula::fonte());
    // Read-only, yet the keyboard can still move through the ballots and select them.
    cedula->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

    painelInferior = new QFrame(this);
    painelInferior->setObjectName(QStringLiteral("painelInferior"));
    painelInferior->setFixedHeight(alturaPainel);
    Button1 = botao(painelInferior, "Button1", QStringLiteral("Imprimir"));
    btnSalvarPdf = botao(painelInferior, "btnSalvarPdf", QStringLiteral("Salvar PDF"));
    btnFechar = botao(painelInferior, "btnFechar", QStringLiteral("Fechar"));

    auto *botoes = new QHBoxLayout(painelInferior);
    botoes->addStretch();
    botoes->addWidget(Button1);
    botoes->addWidget(btnSalvarPdf);
    botoes->addWidget(btnFechar);

    auto *principal = new QVBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 0);
    principal->setSpacing(0);
    principal->addWidget(cedula);
    principal->addWidget(painelInferior);

    connect(Button1, &QPushButton::clicked, this, &TfmCedula::Button1Click);
    connect(btnSalvarPdf, &QPushButton::clicked, this, &TfmCedula::btnSalvarPdfClick);
    connect(btnFechar, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmCedula::gerarCedula(const ListaNos &secoes)
{
    gerarCedula(secoes, QDate::currentDate());
}

void TfmCedula::gerarCedula(const ListaNos &secoes, const QDate &hoje)
{
    QTextDocument *texto = novoDocumento(*cedula);
    textoCedula::montar(*texto, secoes, hoje);
    mostrarDocumento(*cedula, texto);
    cedula->moveCursor(QTextCursor::Start);
}

void TfmCedula::Button1Click()
{
    ServicoImpressao::instancia().imprimirDocumento(*cedula->document(), tituloImpressao);
}

void TfmCedula::btnSalvarPdfClick()
{
    ServicoImpressao::salvarPdf(*cedula->document(), tituloImpressao, sugestaoPdf);
}

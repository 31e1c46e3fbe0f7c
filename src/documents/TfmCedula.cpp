#include "documents/TfmCedula.h"

#include "data/ListaNos.h"
#include "documents/PainelBotoes.h"
#include "documents/RedatorRico.h"
#include "documents/ServicoImpressao.h"
#include "documents/TextoCedula.h"
#include "widgets/Acessibilidade.h"

#include <QPushButton>
#include <QTextEdit>

TfmCedula *fmCedula = nullptr;

namespace {

const QString sugestaoPdf = QStringLiteral("cedula de votação.pdf");

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
    nomear(cedula, QStringLiteral("Cédulas de votação"));
    cedula->setReadOnly(true);
    cedula->setLineWrapMode(QTextEdit::NoWrap);
    cedula->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    cedula->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    cedula->setFont(textoCedula::fonte());
    // Read-only, yet the keyboard can still move through the ballots and select them.
    cedula->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

    auto *painel = new PainelBotoes(this, cedula, alturaPainel);
    painelInferior = painel;
    Button1 = painel->adicionarBotao("Button1", QStringLiteral("Imprimir"),
                                     QKeySequence(Qt::CTRL | Qt::Key_P));
    btnSalvarPdf = painel->adicionarBotao("btnSalvarPdf", QStringLiteral("Salvar PDF"));
    btnFechar = painel->adicionarBotao("btnFechar", QStringLiteral("Fechar"));

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

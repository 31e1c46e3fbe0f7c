#include "analysis/TfmOperacoes.h"

#include "analysis/TfrOperacao.h"
#include "data/ElementoXml.h"
#include "data/ListaNos.h"
#include "widgets/Acessibilidade.h"
#include "widgets/AjusteTela.h"
#include "widgets/Leiaute.h"
#include "widgets/MemoLimitado.h"

#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString titulo = QStringLiteral("Ficha de Operações");
const QString prefixoCausa = QStringLiteral("Causa: ");
const QString prefixoAba = QStringLiteral("Operação ");
const QSize tamanhoJanela(800, 723);
constexpr int alturaPaginas = 533;
const QSize tamanhoIntermediario(800, 80);
const QSize tamanhoInferior(800, 50);
const QRect posicaoCausa(8, 8, 784, 17);
const QRect posicaoRevisao(99, 11, 680, 57);
const QRect posicaoAdicionar(16, 14, 155, 25);
const QRect posicaoRemover(184, 14, 155, 25);
const QRect posicaoVoltar(701, 14, 75, 25);

QFrame *painel(const char *nome, const QSize &tamanho)
{
    auto *quadro = new QFrame;
    quadro->setObjectName(QString::fromLatin1(nome));
    quadro->setFrameShape(QFrame::Panel);
    quadro->setFrameShadow(QFrame::Raised);
    quadro->setFixedHeight(tamanho.height());
    quadro->resize(tamanho);
    return quadro;
}

QPushButton *botao(QWidget *pai, const char *nome, const QString &texto, const QString &dica)
{
    auto *btn = new QPushButton(texto, pai);
    btn->setObjectName(QString::fromLatin1(nome));
    btn->setToolTip(dica);
    btn->setAutoDefault(false);
    return btn;
}

} // namespace

TfmOperacoes::TfmOperacoes(QWidget *pai)
    : QDialog(pai, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("fmOperacoes"));
    setWindowTitle(titulo);
    resize(tamanhoJanela);
    setMinimumSize(tamanhoJanela);

    auto *topo = new QWidget;
    lblCausa = new QLabel(QStringLiteral("Causa:"), topo);
    lblCausa->setObjectName(QStringLiteral("lblCausa"));
    lblCausa->setTextFormat(Qt::PlainText); // the cause as typed, never as markup
    ancorar(lblCausa, posicaoCausa, {tamanhoJanela.width(), posicaoCausa.bottom() + 1},
            Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);

    pgControle = new QTabWidget;
    pgControle->setObjectName(QStringLiteral("pgControle"));
    pgControle->setFixedHeight(alturaPaginas);
    pgControle->setFont(fonteFormulario());
    for (QWidget *abas :
         {static_cast<QWidget *>(pgControle), static_cast<QWidget *>(pgControle->tabBar())}) {
        nomear(abas, QStringLiteral("Operações da causa"),
               QStringLiteral("Ctrl+Tab passa à operação seguinte"));
    }

    criarPaineis();

    auto *coluna = new QVBoxLayout(AjusteTela::conteudo(this));
    coluna->setContentsMargins(0, 0, 0, 0);
    coluna->setSpacing(0);
    coluna->addWidget(topo, 1);
    coluna->addWidget(pgControle);
    coluna->addWidget(painelIntermediario);
    coluna->addWidget(painelInferior);

    connect(btnAdicionar, &QPushButton::clicked, this, &TfmOperacoes::btnAdicionarClick);
    connect(btnRemover, &QPushButton::clicked, this, &TfmOperacoes::btnRemoverClick);
    connect(btnAceitar, &QPushButton::clicked, this, &QDialog::accept);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this), &QShortcut::activated, this,
            [this] { Q_EMIT desfazerPedido(false); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), this),
            &QShortcut::activated, this, [this] { Q_EMIT desfazerPedido(true); });
}

void TfmOperacoes::criarPaineis()
{
    painelIntermediario = painel("painelIntermediario", tamanhoIntermediario);
    Label1 = new QLabel(QStringLiteral("Revisão Geral:"), painelIntermediario);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(8, 8);
    memoRevGeral = new MemoLimitado(painelIntermediario);
    memoRevGeral->setObjectName(QStringLiteral("memoRevGeral"));
    ancorar(memoRevGeral, posicaoRevisao, tamanhoIntermediario,
            Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);
    Label1->setBuddy(memoRevGeral);

    painelInferior = painel("painelInferior", tamanhoInferior);
    btnAdicionar = botao(painelInferior, "btnAdicionar", QStringLiteral("Adicionar Operação"),
                         QStringLiteral("Adiciona uma nova operação ao final da lista"));
    btnAdicionar->setGeometry(posicaoAdicionar);
    btnRemover = botao(painelInferior, "btnRemover", QStringLiteral("Remover Operação"),
                       QStringLiteral("Remove a última operação definida"));
    btnRemover->setGeometry(posicaoRemover);
    btnAceitar = botao(painelInferior, "btnAceitar", QStringLiteral("Voltar"),
                       QStringLiteral("Volta para a tela anterior"));
    ancorar(btnAceitar, posicaoVoltar, tamanhoInferior, Qt::RightEdge | Qt::BottomEdge);
}

TfrOperacao *TfmOperacoes::operacao(int indice) const
{
    if (indice < 0 || indice >= quantidade)
        return nullptr;
    return framesOperacao[static_cast<size_t>(indice)];
}

void TfmOperacoes::definirCausa(const QString &texto)
{
    lblCausa->setText(prefixoCausa + texto);
}

QString TfmOperacoes::revisao() const
{
    return memoRevGeral->texto();
}

void TfmOperacoes::definirRevisao(const QString &texto)
{
    memoRevGeral->definirTexto(texto);
}

void TfmOperacoes::btnAdicionarClick()
{
    if (quantidade >= maximoOperacoes)
        return;
    dados->adicionar();
    criarAba();
}

void TfmOperacoes::criarAba()
{
    const int indice = quantidade;
    auto *pagina = new QWidget;
    pagina->setObjectName(QStringLiteral("tsOperacao%1").arg(indice + 1));
    auto *frame = new TfrOperacao(pagina);
    frame->setObjectName(QStringLiteral("operacao%1").arg(indice));
    auto *coluna = new QVBoxLayout(pagina);
    coluna->setContentsMargins(0, 0, 0, 0);
    coluna->addWidget(frame);
    coluna->addStretch(1);
    pgControle->addTab(pagina, prefixoAba + QString::number(indice + 1));
    framesOperacao[static_cast<size_t>(indice)] = frame;
    ++quantidade;
    {
        const QScopedValueRollback mostrar(mostrando, true);
        frame->definirTextos(dados->textos(indice));
    }
    for (int campo = 0; campo < TfrOperacao::numCampos; ++campo) {
        connect(frame->memo(campo), &QPlainTextEdit::textChanged, this,
                [this, frame, indice, campo] {
                    if (!mostrando)
                        dados->definirTexto(indice, campo, frame->texto(campo));
                });
    }
}

void TfmOperacoes::btnRemoverClick()
{
    if (quantidade <= 1)
        return;
    Q_EMIT vaiRemover();
    --quantidade;
    dados->remover(quantidade);
    QWidget *pagina = pgControle->widget(quantidade);
    pgControle->removeTab(quantidade);
    const QScopedValueRollback retirando(mostrando, true);
    delete pagina;
    framesOperacao[static_cast<size_t>(quantidade)] = nullptr;
}

void TfmOperacoes::FormShow()
{
    if (quantidade == 0)
        btnAdicionarClick();
}

void TfmOperacoes::showEvent(QShowEvent *evento)
{
    FormShow();
    QDialog::showEvent(evento);
}

void TfmOperacoes::limparOperacoes()
{
    dados->limpar();
    retirarAbas();
}

// The memos go while the sheet is whole, and what they hold then is not an edit.
TfmOperacoes::~TfmOperacoes()
{
    retirarAbas();
}

void TfmOperacoes::retirarAbas()
{
    const QScopedValueRollback retirando(mostrando, true);
    while (pgControle->count() > 0) {
        QWidget *pagina = pgControle->widget(0);
        pgControle->removeTab(0);
        delete pagina;
    }
    framesOperacao.fill(nullptr);
    quantidade = 0;
}

void TfmOperacoes::usar(OperacoesCausa &operacoes)
{
    dados = &operacoes;
    mostrarOperacoes();
}

void TfmOperacoes::mostrarOperacoes()
{
    retirarAbas();
    while (quantidade < dados->quantidade())
        criarAba();
}

void TfmOperacoes::assumir(const OperacoesCausa &operacoes)
{
    *dados = operacoes;
    mostrarOperacoes();
}

int TfmOperacoes::gravarOperacoes(ElementoXml problema, int causa) const
{
    return dados->gravar(problema, causa);
}

void TfmOperacoes::lerOperacao(const ListaNos &filhos, int indice)
{
    TfrOperacao *frame = operacao(indice);
    if (!frame)
        return;
    // The fields read before a missing one stay, as when a plan is read.
    const auto mostrar = qScopeGuard([&] {
        const QScopedValueRollback mostrarLidos(mostrando, true);
        frame->definirTextos(dados->textos(indice));
    });
    dados->ler(filhos, indice);
}

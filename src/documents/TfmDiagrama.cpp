#include "documents/TfmDiagrama.h"

#include "app/Interacao.h"
#include "data/ListaNos.h"
#include "documents/DadosOrganograma.h"
#include "documents/ServicoImpressao.h"
#include "widgets/Acessibilidade.h"
#include "widgets/AjusteTela.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QVBoxLayout>
#include <algorithm>

TfmDiagrama *fmDiagrama = nullptr;

namespace {

constexpr int larguraInicial = 830;
constexpr int alturaInicial = 773;
constexpr int larguraMinima = 732;
constexpr int alturaMinima = 416;
// The bottom bar holds two rows of this height: the choosers above, the buttons below. In one
// row its captions and choosers need far more than the window's minimum width.
constexpr int alturaLinhaPainel = 41;
// Long problem and cause texts are cut in the chooser (the list shows them whole), which keeps
// this many characters at the least.
constexpr int caracteresEscolha = 12;

const QString tituloImpressao = QStringLiteral("Organograma Planejamento Escolar");
const QString impressaoCancelada = QStringLiteral("Impressão cancelada");
const QString falhaImpressao = QStringLiteral("Não foi possível imprimir o organograma.\n"
                                              "Verifique a impressora e tente novamente.");
const QString sugestaoPdf = QStringLiteral("organograma.pdf");

// An empty chooser stands for position 0: a plan without problems still shows its title, and a
// problem without causes one empty cause.
int posicao(const QComboBox *caixa)
{
    return std::max(0, caixa->currentIndex());
}

// The page picture: paints the chart's bitmap as it is, at its own size. It takes the focus, so
// a screen reader reads the page's texts (its description) and the arrow keys scroll it.
class QuadroDiagrama : public QWidget {
public:
    QuadroDiagrama(const Organograma &desenho, QWidget *pai) : QWidget(pai), desenho(desenho)
    {
        setFocusPolicy(Qt::StrongFocus);
        tratarComoFigura(this);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        // The picture holds the screen's device pixels: drawn at its logical size, one to one.
        QPainter pintor(this);
        pintor.drawImage(QRect(QPoint(0, 0), desenho.tamanhoImagem()), desenho.imagem());
        if (hasFocus()) {
            QStyleOptionFocusRect opcao;
            opcao.initFrom(this);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opcao, &pintor, this);
        }
    }

private:
    const Organograma &desenho;
};

} // namespace

TfmDiagrama::TfmDiagrama(QWidget *pai) : QDialog(pai)
{
    setObjectName(QStringLiteral("fmDiagrama"));
    setWindowTitle(QStringLiteral("Organograma do Plano"));
    resize(larguraInicial, alturaInicial);
    setMinimumSize(larguraMinima, alturaMinima);
    criarComponentes();
    if (const QScreen *tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
}

void TfmDiagrama::criarComponentes()
{
    auto *layout = new QVBoxLayout(AjusteTela::conteudo(this));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    criarQuadro(*layout);
    criarPainelInferior(*layout);
    btnAnterior->setEnabled(false);
    btnProxima->setEnabled(false);
    ligarSinais();
}

void TfmDiagrama::criarQuadro(QVBoxLayout &layout)
{
    sbImagem = new QScrollArea(this);
    sbImagem->setObjectName(QStringLiteral("sbImagem"));
    sbImagem->setWidgetResizable(true);
    sbImagem->setFocusPolicy(Qt::NoFocus); // the picture inside takes it
    conteudoImagem = new QWidget;
    conteudoImagem->setAutoFillBackground(false);
    imgVisualizacaoDiag = new QuadroDiagrama(desenho, conteudoImagem);
    imgVisualizacaoDiag->setObjectName(QStringLiteral("imgVisualizacaoDiag"));
    sbImagem->setWidget(conteudoImagem);
    conteudoImagem->installEventFilter(this);
    layout.addWidget(sbImagem, 1);
}

void TfmDiagrama::criarPainelInferior(QVBoxLayout &layout)
{
    painelInferior = new QFrame(this);
    painelInferior->setObjectName(QStringLiteral("painelInferior"));
    painelInferior->setFixedHeight(2 * alturaLinhaPainel);
    auto *linhas = new QVBoxLayout(painelInferior);
    linhas->setContentsMargins(8, 0, 8, 0);
    linhas->setSpacing(0);
    auto *escolhas = new QHBoxLayout;
    auto *botoes = new QHBoxLayout;
    for (QHBoxLayout *linha : {escolhas, botoes}) {
        auto *faixa = new QWidget(painelInferior);
        faixa->setFixedHeight(alturaLinhaPainel);
        faixa->setLayout(linha);
        linha->setContentsMargins(0, 0, 0, 0);
        linhas->addWidget(faixa);
    }
    std::tie(lblProblema, cbProblemas) =
        novaEscolha(*escolhas, "lblProblema", "cbProblemas", QStringLiteral("Problema"));
    std::tie(lblCausa, cbCausas) =
        novaEscolha(*escolhas, "lblCausa", "cbCausas", QStringLiteral("Causa"));
    btnAnterior = novoBotao(*botoes, "btnAnterior", QStringLiteral("Página Anterior"));
    btnProxima = novoBotao(*botoes, "btnProxima", QStringLiteral("Próxima Página"));
    botoes->addStretch(1);
    btnSalvarPdf = novoBotao(*botoes, "btnSalvarPdf", QStringLiteral("Salvar PDF"));
    btnImprimir = novoBotao(*botoes, "btnImprimir", QStringLiteral("Imprimir"));
    btnImprimir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    btnCancelar = novoBotao(*botoes, "btnCancelar", QStringLiteral("Fechar"));
    layout.addWidget(painelInferior);
}

QPushButton *TfmDiagrama::novoBotao(QHBoxLayout &linha, const char *nome, const QString &texto)
{
    auto *novo = new QPushButton(texto, painelInferior);
    novo->setObjectName(QString::fromLatin1(nome));
    novo->setAutoDefault(false);
    linha.addWidget(novo);
    return novo;
}

std::pair<QLabel *, QComboBox *> TfmDiagrama::novaEscolha(QHBoxLayout &linha,
                                                          const char *nomeRotulo, const char *nome,
                                                          const QString &texto)
{
    auto *rotulo = new QLabel(texto, painelInferior);
    rotulo->setObjectName(QString::fromLatin1(nomeRotulo));
    auto *caixa = new QComboBox(painelInferior);
    caixa->setObjectName(QString::fromLatin1(nome));
    caixa->setEditable(false);
    caixa->setPlaceholderText(texto);
    caixa->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    caixa->setMinimumContentsLength(caracteresEscolha);
    caixa->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    rotulo->setBuddy(caixa);
    linha.addWidget(rotulo);
    linha.addWidget(caixa, 1);
    return {rotulo, caixa};
}

void TfmDiagrama::ligarSinais()
{
    connect(cbProblemas, &QComboBox::currentIndexChanged, this, &TfmDiagrama::cbProblemasChange);
    connect(cbCausas, &QComboBox::currentIndexChanged, this, &TfmDiagrama::cbCausasChange);
    connect(btnAnterior, &QPushButton::clicked, this, &TfmDiagrama::btnAnteriorClick);
    connect(btnProxima, &QPushButton::clicked, this, &TfmDiagrama::btnProximaClick);
    connect(btnImprimir, &QPushButton::clicked, this, &TfmDiagrama::btnImprimirClick);
    connect(btnSalvarPdf, &QPushButton::clicked, this, &TfmDiagrama::btnSalvarPdfClick);
    connect(btnCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmDiagrama::montarOrganograma(const ListaNos &secoes, const QString &nomePlano)
{
    desenho.definirPlano(secoes, nomePlano);
    {
        const QSignalBlocker bloqueio(cbProblemas);
        cbProblemas->clear();
        cbProblemas->addItems(DadosOrganograma::nomesProblemas(secoes));
        cbProblemas->setCurrentIndex(cbProblemas->count() > 0 ? 0 : -1);
    }
    preencherCausas();
    medidasTela();
    redesenhar();
}

void TfmDiagrama::preencherCausas()
{
    const QSignalBlocker bloqueio(cbCausas);
    cbCausas->clear();
    cbCausas->addItems(
        DadosOrganograma::textosCausas(desenho.secoes(), cbProblemas->currentIndex()));
    cbCausas->setCurrentIndex(cbCausas->count() > 0 ? 0 : -1);
}

void TfmDiagrama::medidasTela()
{
    TelaOrganograma tela;
    if (const QScreen *atual = screen()) {
        tela.tela = atual->size();
        tela.pontosPorPolegada = qRound(atual->logicalDotsPerInchY());
        tela.razaoPixels = atual->devicePixelRatio();
    }
    ServicoImpressao &servico = ServicoImpressao::instancia();
    tela.impressoras = servico.quantidadeImpressoras();
    if (tela.impressoras > 0)
        tela.pagina = QSize(servico.larguraPagina(), servico.alturaPagina());
    desenho.medidasTela(tela);

    imgVisualizacaoDiag->setFixedSize(desenho.tamanhoImagem());
    conteudoImagem->setMinimumSize(desenho.tamanhoImagem());
    FormResize();
}

void TfmDiagrama::redesenhar()
{
    desenho.montar(posicao(cbProblemas), posicao(cbCausas));
    mostrarPagina(1);
}

void TfmDiagrama::mostrarPagina(int pagina)
{
    paginaAtual = pagina;
    desenho.pintarPagina(pagina);
    imgVisualizacaoDiag->update();
    btnProxima->setEnabled(paginaAtual < desenho.totalPaginas());
    btnAnterior->setEnabled(paginaAtual > 1);
    nomear(
        imgVisualizacaoDiag,
        QStringLiteral("Organograma, página %1 de %2").arg(paginaAtual).arg(desenho.totalPaginas()),
        desenho.textosDaPagina(paginaAtual).join(u'\n'));
}

void TfmDiagrama::cbProblemasChange()
{
    preencherCausas();
    redesenhar();
}

void TfmDiagrama::cbCausasChange()
{
    redesenhar();
}

void TfmDiagrama::btnProximaClick()
{
    // There is no page after the last one.
    mostrarPagina(std::min(paginaAtual + 1, desenho.totalPaginas()));
}

void TfmDiagrama::btnAnteriorClick()
{
    mostrarPagina(std::max(1, paginaAtual - 1));
}

void TfmDiagrama::btnImprimirClick()
{
    ServicoImpressao &servico = ServicoImpressao::instancia();
    if (servico.quantidadeImpressoras() == 0) {
        interacao().mensagem(Icone::Informacao, ServicoImpressao::textoSemImpressora);
        return;
    }
    if (!servico.configurar()) {
        interacao().mensagem(Icone::Informacao, impressaoCancelada);
        return;
    }
    const bool impresso = imprimirEm(servico.impressora());
    medidasTela();
    redesenhar();
    if (!impresso)
        interacao().mensagem(Icone::Informacao, falhaImpressao);
}

void TfmDiagrama::btnSalvarPdfClick()
{
    ServicoImpressao::salvarPdf(sugestaoPdf, [this](QPagedPaintDevice &pdf) {
        const bool gravado = imprimirEm(pdf);
        medidasTela();
        redesenhar();
        return gravado;
    });
}

bool TfmDiagrama::imprimirEm(QPagedPaintDevice &destino)
{
    ServicoImpressao::definirTitulo(destino, tituloImpressao);
    Organograma papel = desenho; // the same plan and choice, on paper
    papel.medidasImpressora(destino);
    papel.montar(posicao(cbProblemas), posicao(cbCausas));
    return papel.imprimir(destino);
}

void TfmDiagrama::FormResize()
{
    const QSize area = sbImagem->viewport()->size();
    const QSize imagem = imgVisualizacaoDiag->size();
    imgVisualizacaoDiag->move(std::max(0, (area.width() - imagem.width()) / 2),
                              std::max(0, (area.height() - imagem.height()) / 2));
}

void TfmDiagrama::resizeEvent(QResizeEvent *evento)
{
    QDialog::resizeEvent(evento);
    FormResize();
}

bool TfmDiagrama::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == conteudoImagem && evento->type() == QEvent::Resize)
        FormResize();
    return QDialog::eventFilter(objeto, evento);
}

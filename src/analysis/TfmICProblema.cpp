#include "analysis/TfmICProblema.h"

#include "analysis/TfmOperacoes.h"
#include "app/Interacao.h"
#include "widgets/Acessibilidade.h"
#include "widgets/AjusteTela.h"
#include "widgets/DelegadoTexto.h"
#include "widgets/GradeNavegavel.h"
#include "widgets/IconeSinal.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>

namespace {

const QString titulo = QStringLiteral("Indicadores e Causas do Problema");
const QString prefixoTituloFicha = QStringLiteral("Problema: ");
const QString codigoIndicador = QStringLiteral("I");
const QString codigoCausa = QStringLiteral("C");
const char *const propriedadeTag = "tag";
const QString dicaGrade = QStringLiteral("Tab passa de uma linha à outra; Ctrl+Tab sai da grade");

const QSize tamanhoJanela(631, 370);
constexpr int alturaLinha = 18;
constexpr int larguraCodigo = 32;
constexpr int larguraIndicador = 576;
constexpr int larguraCausa = 540;
const QRect posicaoIndicadores(8, 56, 615, 121);
const QRect posicaoCausas(8, 224, 579, 89);
const QSize tamanhoBotao(23, 22);
const QSize tamanhoBotaoCausa(23, 20);
constexpr int esquerdaBotaoCausa = 597;
constexpr std::array<int, TfmICProblema::maximoCausas> topoBotaoCausa = {244, 264, 284};
constexpr int alturaPainel = 50;
const QRect posicaoVoltar(548, 14, 75, 25);

QTableWidgetItem *celulaFixa(const QString &texto)
{
    auto *celula = new QTableWidgetItem(texto);
    celula->setFlags(Qt::ItemIsEnabled);
    celula->setBackground(QPalette().button());
    return celula;
}

// Row 0 and column 0 stand for the fixed header row and code column of the form.
void prepararGrade(QTableWidget *grade, const QString &cabecalho, int larguraTexto)
{
    grade->setColumnCount(2);
    grade->setRowCount(1);
    grade->setItemDelegate(new DelegadoTexto(grade));
    grade->horizontalHeader()->hide();
    grade->verticalHeader()->hide();
    grade->verticalHeader()->setMinimumSectionSize(1);
    grade->verticalHeader()->setDefaultSectionSize(alturaLinha);
    grade->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grade->setColumnWidth(0, larguraCodigo);
    grade->setColumnWidth(1, larguraTexto);
    grade->setSelectionMode(QAbstractItemView::SingleSelection);
    // A double-click opens the cause's sheet; editing starts by typing, F2 or a second click.
    grade->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::SelectedClicked);
    grade->setItem(0, 0, celulaFixa(QString()));
    grade->setItem(0, 1, celulaFixa(cabecalho));
}

// Rows that go are deleted with their texts, so a row added again starts empty.
void mostrarLinhas(QTableWidget *grade, int quantidade, const QString &codigo)
{
    const int anterior = grade->rowCount();
    grade->setRowCount(quantidade + 1);
    for (int linha = anterior; linha <= quantidade; ++linha) {
        grade->setItem(linha, 0, celulaFixa(codigo + QString::number(linha)));
        grade->setItem(linha, 1, new QTableWidgetItem);
    }
}

// Moving the current cell away and back makes the view commit a cell being edited, so a text
// still in its editor is not lost when the window closes or a sheet opens.
void confirmarEdicao(QTableWidget *grade)
{
    const QModelIndex atual = grade->currentIndex();
    grade->setCurrentIndex(QModelIndex());
    grade->setCurrentIndex(atual);
}

QString textoDaLinha(const QTableWidget *grade, int linha)
{
    const QTableWidgetItem *celula = grade->item(linha, 1);
    return celula ? celula->text() : QString();
}

void definirTextoDaLinha(QTableWidget *grade, int linha, const QString &texto)
{
    if (QTableWidgetItem *celula = grade->item(linha, 1))
        celula->setText(texto);
}

} // namespace

TfmICProblema::TfmICProblema(QWidget *pai)
    : QDialog(pai, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("fmICProblema"));
    setWindowTitle(titulo);
    setFixedSize(tamanhoJanela);

    QWidget *area = AjusteTela::conteudo(this);
    lblNomeProblema = new QLabel(QStringLiteral("Problema:"), area);
    lblNomeProblema->setObjectName(QStringLiteral("lblNomeProblema"));
    lblNomeProblema->move(10, 8);
    lblNomeProblema->hide();

    criarGrades(area);
    criarBotoes(area);

    painelInferior = new QFrame(area);
    painelInferior->setObjectName(QStringLiteral("painelInferior"));
    painelInferior->setFrameShape(QFrame::Panel);
    painelInferior->setFrameShadow(QFrame::Raised);
    painelInferior->setGeometry(0, tamanhoJanela.height() - alturaPainel, tamanhoJanela.width(),
                                alturaPainel);
    btnAceitar = new QPushButton(QStringLiteral("Voltar"), painelInferior);
    btnAceitar->setObjectName(QStringLiteral("btnAceitar"));
    btnAceitar->setToolTip(QStringLiteral("Volta para a tela anterior"));
    btnAceitar->setAutoDefault(false);
    btnAceitar->setGeometry(posicaoVoltar);
    connect(btnAceitar, &QPushButton::clicked, this, &QDialog::accept);

    mostrarAnalise();
    sgIndicadores->setCurrentCell(1, 1);
    sgCausas->setCurrentCell(1, 1);

    // Reading order: each grid's buttons stand above it, the causes' sheet buttons beside it.
    QWidget *anterior = sbAdicionarIndicador;
    for (QWidget *proximo : std::initializer_list<QWidget *>{
             sbRemoverIndicador, sgIndicadores, sbAdicionarCausa, sbRemoverCausa, sgCausas,
             sbCausa[0], sbCausa[1], sbCausa[2], btnAceitar}) {
        setTabOrder(anterior, proximo);
        anterior = proximo;
    }
    sgIndicadores->setFocus();

    // What this window removed comes back here too, as in the main window's Editar menu.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this), &QShortcut::activated, this,
            [this] { Q_EMIT desfazerPedido(false, -1); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), this),
            &QShortcut::activated, this, [this] { Q_EMIT desfazerPedido(true, -1); });
}

TfmICProblema::~TfmICProblema() = default;

void TfmICProblema::criarGrades(QWidget *area)
{
    Label1 = new QLabel(QStringLiteral("Indicadores do problema:"), area);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(10, 32);
    sgIndicadores = new GradeNavegavel(area);
    sgIndicadores->setObjectName(QStringLiteral("sgIndicadores"));
    sgIndicadores->setGeometry(posicaoIndicadores);
    prepararGrade(sgIndicadores, QStringLiteral("Indicador"), larguraIndicador);
    Label1->setBuddy(sgIndicadores);
    nomear(sgIndicadores, QStringLiteral("Indicadores do problema"), dicaGrade);

    Label2 = new QLabel(QStringLiteral("Causas do problema:"), area);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(10, 200);
    sgCausas = new GradeNavegavel(area);
    sgCausas->setObjectName(QStringLiteral("sgCausas"));
    sgCausas->setGeometry(posicaoCausas);
    prepararGrade(sgCausas, QStringLiteral("Causa"), larguraCausa);
    Label2->setBuddy(sgCausas);
    nomear(sgCausas, QStringLiteral("Causas do problema"), dicaGrade);
    // What is typed reaches the analysis in use as the cell takes it.
    connect(sgIndicadores, &QTableWidget::cellChanged, this,
            [this](int linha, int coluna) { celulaMudou(sgIndicadores, linha, coluna); });
    connect(sgCausas, &QTableWidget::cellChanged, this,
            [this](int linha, int coluna) { celulaMudou(sgCausas, linha, coluna); });
    connect(sgCausas, &QTableWidget::cellDoubleClicked, this,
            [this](int, int) { sgCausasDblClick(sgCausas); });
}

void TfmICProblema::criarBotoes(QWidget *area)
{
    auto botao = [area](const char *nome, int x, int y, bool mais, const QString &dica) {
        auto *sb = new QToolButton(area);
        sb->setObjectName(QString::fromLatin1(nome));
        sb->setGeometry(QRect(QPoint(x, y), tamanhoBotao));
        sb->setIcon(iconeSinal(mais, 16, 2));
        sb->setAutoRaise(true);
        sb->setToolTip(dica);
        sb->setAccessibleName(dica);
        return sb;
    };
    sbAdicionarIndicador =
        botao("sbAdicionarIndicador", 566, 24, true, QStringLiteral("Adiciona um novo indicador"));
    sbRemoverIndicador = botao("sbRemoverIndicador", 598, 24, false,
                               QStringLiteral("Remove o último indicador da lista"));
    sbAdicionarCausa =
        botao("sbAdicionarCausa", 566, 189, true, QStringLiteral("Adiciona uma nova causa"));
    sbRemoverCausa =
        botao("sbRemoverCausa", 598, 189, false, QStringLiteral("Remove a última causa da lista"));
    connect(sbAdicionarIndicador, &QToolButton::clicked, this,
            &TfmICProblema::sbAdicionarIndicadorClick);
    connect(sbRemoverIndicador, &QToolButton::clicked, this,
            &TfmICProblema::sbRemoverIndicadorClick);
    connect(sbAdicionarCausa, &QToolButton::clicked, this,
            [this] { sbAdicionarCausaClick(sbAdicionarCausa); });
    connect(sbRemoverCausa, &QToolButton::clicked, this, &TfmICProblema::sbRemoverCausaClick);

    for (int k = 1; k <= maximoCausas; ++k) {
        const auto i = static_cast<size_t>(k - 1);
        auto *sb = new QToolButton(area);
        sb->setObjectName(QStringLiteral("sbCausa%1").arg(k));
        sb->setProperty(propriedadeTag, k);
        sb->setText(QStringLiteral("..."));
        QFont negrito = sb->font();
        negrito.setBold(true);
        sb->setFont(negrito);
        sb->setGeometry(QRect(QPoint(esquerdaBotaoCausa, topoBotaoCausa[i]), tamanhoBotaoCausa));
        sb->setToolTip(QStringLiteral("Tela de edição das operações."));
        nomear(sb, QStringLiteral("Operações da causa C%1").arg(k), sb->toolTip());
        sb->setVisible(k == 1);
        connect(sb, &QToolButton::clicked, this, [this, sb] { sgCausasDblClick(sb); });
        sbCausa[i] = sb;
    }
}

void TfmICProblema::celulaMudou(const QTableWidget *grade, int linha, int coluna)
{
    if (coluna != 1 || linha < 1)
        return;
    if (grade == sgIndicadores)
        dados->definirIndicador(linha - 1, textoDaLinha(grade, linha));
    else
        dados->definirCausa(linha - 1, textoDaLinha(grade, linha));
}

TfmOperacoes *TfmICProblema::ficha(int indice)
{
    if (indice < 0 || indice >= numCausas())
        return nullptr;
    const auto i = static_cast<size_t>(indice);
    if (!fichas[i]) {
        fichas[i] = std::make_unique<TfmOperacoes>();
        fichas[i]->usar(dados->operacoes(indice));
        connect(fichas[i].get(), &TfmOperacoes::vaiRemover, this, [this, indice] {
            avisarRemocao(AnaliseProblema::Remocao::Tipo::operacao, indice,
                          numOperacoes(indice) - 1);
        });
        connect(fichas[i].get(), &TfmOperacoes::desfazerPedido, this,
                [this, indice](bool refazer) { Q_EMIT desfazerPedido(refazer, indice); });
    }
    return fichas[i].get();
}

int TfmICProblema::numOperacoes(int indice) const
{
    return indice >= 0 && indice < numCausas() ? dados->operacoes(indice).quantidade() : 0;
}

bool TfmICProblema::fichaConstruida(int indice) const
{
    return indice >= 0 && indice < numCausas() && fichas[static_cast<size_t>(indice)];
}

QString TfmICProblema::indicador(int k) const
{
    return k >= 1 && k <= numIndicadores() ? dados->indicadores().at(k - 1) : QString();
}

void TfmICProblema::definirIndicador(int k, const QString &texto)
{
    if (k >= 1 && k <= numIndicadores())
        definirTextoDaLinha(sgIndicadores, k, texto);
}

QString TfmICProblema::causa(int k) const
{
    return k >= 1 && k <= numCausas() ? dados->causas().at(k - 1) : QString();
}

void TfmICProblema::definirCausa(int k, const QString &texto)
{
    if (k >= 1 && k <= numCausas())
        definirTextoDaLinha(sgCausas, k, texto);
}

void TfmICProblema::done(int resultado)
{
    confirmarEdicao(sgIndicadores);
    confirmarEdicao(sgCausas);
    QDialog::done(resultado);
}

void TfmICProblema::definirRevisao(const QString &texto)
{
    dados->definirRevisao(texto);
}

QString TfmICProblema::revisaoGeral() const
{
    return dados->revisao();
}

void TfmICProblema::sbAdicionarIndicadorClick()
{
    const int n = numIndicadores();
    if (n >= maximoIndicadores)
        return;
    QStringList textos = dados->indicadores();
    textos.append(QString());
    dados->definirIndicadores(textos);
    mostrarLinhas(sgIndicadores, n + 1, codigoIndicador);
}

// Told from a copy: the buttons themselves take what goes.
void TfmICProblema::avisarRemocao(AnaliseProblema::Remocao::Tipo tipo, int causa, int indice)
{
    AnaliseProblema copia = *dados;
    if (const auto removida = copia.remover(tipo, causa, indice))
        Q_EMIT removeu(*removida);
}

void TfmICProblema::sbRemoverIndicadorClick()
{
    const int n = numIndicadores();
    avisarRemocao(AnaliseProblema::Remocao::Tipo::indicador, 0, n - 1);
    if (n <= 1) {
        definirIndicador(1, QString());
        return;
    }
    QStringList textos = dados->indicadores();
    textos.removeLast();
    dados->definirIndicadores(textos);
    sgIndicadores->setRowCount(n);
}

void TfmICProblema::sbAdicionarCausaClick(QObject *Sender)
{
    const int n = numCausas();
    if (n >= maximoCausas)
        return;
    QStringList textos = dados->causas();
    textos.append(QString());
    dados->definirCausas(textos);
    mostrarLinhas(sgCausas, n + 1, codigoCausa);
    const auto i = static_cast<size_t>(n);
    sbCausa[i]->setVisible(true);
    fichas[i].reset();
    OperacoesCausa &operacoes = dados->operacoes(n);
    operacoes.limpar();
    // A cause the user adds starts with one operation.
    if (Sender == sbAdicionarCausa)
        operacoes.adicionar();
}

void TfmICProblema::sbRemoverCausaClick()
{
    const int n = numCausas();
    avisarRemocao(AnaliseProblema::Remocao::Tipo::causa, 0, n - 1);
    if (n <= 1) {
        definirCausa(1, QString());
        OperacoesCausa &operacoes = dados->operacoes(0);
        operacoes.limpar();
        operacoes.adicionar();
        mostrarOperacoes(0);
        return;
    }
    QStringList textos = dados->causas();
    textos.removeLast();
    dados->definirCausas(textos); // the operations beyond the causes go with them
    sgCausas->setRowCount(n);
    descartarFichasAlemDasCausas();
}

void TfmICProblema::descartarFichasAlemDasCausas()
{
    for (int k = numCausas(); k < maximoCausas; ++k) {
        const auto i = static_cast<size_t>(k);
        fichas[i].reset();
        sbCausa[i]->setVisible(false);
    }
}

void TfmICProblema::sgCausasDblClick(QObject *Sender)
{
    const int linha =
        Sender == sgCausas ? sgCausas->currentRow() : Sender->property(propriedadeTag).toInt();
    // The header row, or no row at all, has no sheet.
    if (linha < 1 || linha > numCausas())
        return;
    confirmarEdicao(sgCausas);
    TfmOperacoes &folha = *ficha(linha - 1);
    folha.setWindowTitle(prefixoTituloFicha + windowTitle());
    folha.definirCausa(causa(linha));
    folha.definirRevisao(revisaoGeral());
    folha.FormShow();
    interacao().exibirModal(folha);
    definirRevisao(folha.revisao());
}

void TfmICProblema::usar(AnaliseProblema &analise)
{
    dados = &analise;
    mostrarAnalise();
}

void TfmICProblema::assumir(const AnaliseProblema &analise)
{
    *dados = analise;
    mostrarAnalise();
}

void TfmICProblema::mostrarAnalise()
{
    const auto mostrar = [](QTableWidget *grade, const QStringList &textos, const QString &codigo) {
        const QSignalBlocker bloqueio(grade);
        mostrarLinhas(grade, static_cast<int>(textos.size()), codigo);
        for (int k = 1; k <= textos.size(); ++k)
            definirTextoDaLinha(grade, k, textos.at(k - 1));
    };
    mostrar(sgIndicadores, dados->indicadores(), codigoIndicador);
    mostrar(sgCausas, dados->causas(), codigoCausa);
    for (int k = 0; k < maximoCausas; ++k) {
        fichas[static_cast<size_t>(k)].reset();
        sbCausa[static_cast<size_t>(k)]->setVisible(k < numCausas());
    }
}

void TfmICProblema::mostrarOperacoes(int causa)
{
    if (fichaConstruida(causa))
        fichas[static_cast<size_t>(causa)]->mostrarOperacoes();
}

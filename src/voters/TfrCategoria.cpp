#include "voters/TfrCategoria.h"

#include "widgets/Painel.h"

#include "grading/ControleNotas.h"
#include "voters/ControleVotantes.h"
#include "widgets/Acessibilidade.h"
#include "widgets/CaixaCor.h"
#include "widgets/CaixaItensFixos.h"
#include "widgets/DelegadoTexto.h"
#include "widgets/RodaComFoco.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString tituloInicial = QStringLiteral("Descrição da categoria");
const QString cabecalhoNomes = QStringLiteral("Nome do Votante");
constexpr int alturaLinhaGrade = 18;
constexpr int larguraNumeros = 32;
const char *const propriedadeIconeNomes = "sorvaneIconeNomes";
constexpr int larguraNomes = 512;
constexpr int larguraMinima = 640;
constexpr int margem = 6;
constexpr int larguraBordaNormal = 1;
constexpr int larguraBordaSelecionada = 3;

// A name being typed reaches the grid at every key, so a save made while the cell is still
// open keeps it.
class DelegadoNomes : public DelegadoTexto {
public:
    using DelegadoTexto::DelegadoTexto;
    QWidget *createEditor(QWidget *pai, const QStyleOptionViewItem &opcao,
                          const QModelIndex &indice) const override
    {
        QWidget *editor = DelegadoTexto::createEditor(pai, opcao, indice);
        if (auto *linha = qobject_cast<QLineEdit *>(editor)) {
            auto *delegado = const_cast<DelegadoNomes *>(this);
            connect(linha, &QLineEdit::textEdited, delegado,
                    [delegado, linha] { Q_EMIT delegado->commitData(linha); });
        }
        return editor;
    }
};

// Every category frame shows the same icon, and the style draws it anew on each request: it is
// kept on the style, so it lives as long as the style that drew it.
QIcon iconeNomes(QStyle *estilo)
{
    QVariant guardado = estilo->property(propriedadeIconeNomes);
    if (!guardado.canConvert<QIcon>()) {
        guardado = estilo->standardIcon(QStyle::SP_FileDialogDetailedView);
        estilo->setProperty(propriedadeIconeNomes, guardado);
    }
    return guardado.value<QIcon>();
}

} // namespace

TfrCategoria::TfrCategoria(QWidget *pai) : QuadroSobDemanda(pai), textoTitulo(tituloInicial)
{
    setFixedHeight(alturaFechada);
    setMinimumWidth(larguraMinima);
}

void TfrCategoria::criarControles()
{
    painel = criarPainelQuePreenche(this);
    painel->setAutoFillBackground(true);
    painel->setFocusPolicy(Qt::ClickFocus);

    lblCategoria = new QLabel(QStringLiteral("Categoria:"), painel);
    lblCategoria->setObjectName(QStringLiteral("lblCategoria"));
    edCategoria = new EditLimitado(limiteTitulo, painel);
    edCategoria->setObjectName(QStringLiteral("edCategoria"));
    edCategoria->definirTexto(textoTitulo);
    connect(edCategoria, &QLineEdit::textChanged, this,
            [this](const QString &texto) { textoTitulo = texto; });
    lblCategoria->setBuddy(edCategoria);

    sbBtnNomes = new QToolButton(painel);
    sbBtnNomes->setObjectName(QStringLiteral("sbBtnNomes"));
    sbBtnNomes->setIcon(iconeNomes(style()));
    sbBtnNomes->setToolTip(QStringLiteral("Insere nomes dos votantes"));
    sbBtnNomes->setAutoRaise(true);
    // Pressed while the names are shown, which a screen reader says.
    sbBtnNomes->setCheckable(true);
    sbBtnNomes->setChecked(nomesVisiveis);

    lblQuantidade = new QLabel(QStringLiteral("Quantidade:"), painel);
    lblQuantidade->setObjectName(QStringLiteral("lblQuantidade"));
    cbQuantidade = new CaixaItensFixos(painel);
    cbQuantidade->setObjectName(QStringLiteral("cbQuantidade"));
    cbQuantidade->setEditable(false);
    for (int n = 1; n <= maximoVotantes; ++n)
        cbQuantidade->addItem(QString::number(n));
    rodaSoComFoco(cbQuantidade);
    lblQuantidade->setBuddy(cbQuantidade);

    lblIdentificador = new QLabel(QStringLiteral("Identificador:"), painel);
    lblIdentificador->setObjectName(QStringLiteral("lblIdentificador"));
    edIdentificador = new EditLimitado(limiteIdentificador, painel);
    edIdentificador->setObjectName(QStringLiteral("edIdentificador"));
    edIdentificador->usarMaiusculas();
    edIdentificador->setFixedWidth(edIdentificador->fontMetrics().horizontalAdvance(u'W') * 4 +
                                   2 * margem);
    edIdentificador->definirTexto(textoIdentificador);
    connect(edIdentificador, &QLineEdit::textChanged, this,
            [this](const QString &texto) { textoIdentificador = texto; });
    lblIdentificador->setBuddy(edIdentificador);

    clBoxVotantes = new CaixaCor(painel);
    clBoxVotantes->setObjectName(QStringLiteral("clBoxVotantes"));
    nomearSobDemanda(clBoxVotantes, [this] {
        return QStringLiteral("Cor da categoria %1: %2")
            .arg(posicao + 1)
            .arg(clBoxVotantes->currentText());
    });

    auto *linha = new QHBoxLayout;
    linha->setSpacing(margem);
    linha->addWidget(lblCategoria);
    linha->addWidget(edCategoria, 1);
    linha->addWidget(sbBtnNomes);
    linha->addSpacing(margem);
    linha->addWidget(lblQuantidade);
    linha->addWidget(cbQuantidade);
    linha->addWidget(lblIdentificador);
    linha->addWidget(edIdentificador);
    linha->addWidget(clBoxVotantes);

    auto *coluna = new QVBoxLayout(painel);
    coluna->setContentsMargins(margem, 4, margem, 4);
    coluna->setSpacing(4);
    coluna->addLayout(linha);

    for (QWidget *filho : std::initializer_list<QWidget *>{
             painel, edCategoria, sbBtnNomes, cbQuantidade, edIdentificador, clBoxVotantes}) {
        filho->installEventFilter(this);
    }
    if (nomesVisiveis)
        criarGrade();
    connect(sbBtnNomes, &QToolButton::clicked, this, &TfrCategoria::painelDblClick);
    connect(cbQuantidade, &QComboBox::activated, this, &TfrCategoria::cbQuantidadeChange);
    connect(clBoxVotantes, &CaixaCor::corAlterada, this, &TfrCategoria::clBoxVotantesChange);
    mostrarQuantidade();
    mostrarDestaque();
    clBoxVotantes->definirCor(cor);
    mostrarCorDoTitulo();
    nomearControles();
}

// Built when the names are first shown: most categories never show them, and the grid was
// most of what a category frame cost.
void TfrCategoria::criarGrade()
{
    // The fixed row and column are the grid's headers; rows beyond the number of voters are
    // hidden, not dropped, so names typed there come back when the number grows again.
    sgVotantes = new QTableWidget(maximoVotantes, 1, painel);
    sgVotantes->setObjectName(QStringLiteral("sgVotantes"));
    sgVotantes->setItemDelegate(new DelegadoNomes(sgVotantes));
    sgVotantes->setHorizontalHeaderLabels({cabecalhoNomes});
    QStringList numeros;
    for (int n = 1; n <= maximoVotantes; ++n)
        numeros.append(QString::number(n));
    sgVotantes->setVerticalHeaderLabels(numeros);
    QHeaderView *linhas = sgVotantes->verticalHeader();
    linhas->setMinimumSectionSize(alturaLinhaGrade);
    linhas->setDefaultSectionSize(alturaLinhaGrade);
    linhas->setSectionResizeMode(QHeaderView::Interactive);
    linhas->setSectionsMovable(true);
    linhas->setFixedWidth(larguraNumeros);
    linhas->setDefaultAlignment(Qt::AlignCenter);
    sgVotantes->horizontalHeader()->setFixedHeight(alturaLinhaGrade + 2);
    sgVotantes->setColumnWidth(0, larguraNomes);
    sgVotantes->setFixedHeight(alturaNomes - 8);
    sgVotantes->setEditTriggers(QAbstractItemView::AllEditTriggers);
    sgVotantes->setTabKeyNavigation(false);
    for (int j = 0; j < maximoVotantes; ++j)
        sgVotantes->setItem(j, 0, new QTableWidgetItem(nomes[static_cast<size_t>(j)]));
    mostrarLinhasDosNomes();
    static_cast<QVBoxLayout *>(painel->layout())->addWidget(sgVotantes, 1);
    // Made after the other controls, it still comes after the colour when Tab goes round.
    QWidget::setTabOrder(clBoxVotantes, sgVotantes);
    sgVotantes->installEventFilter(this);
    nomearGrade();
    connect(linhas, &QHeaderView::sectionMoved, this, &TfrCategoria::linhaMovida);
    connect(sgVotantes, &QTableWidget::itemChanged, this, [this](const QTableWidgetItem *celula) {
        if (celula->row() >= 0 && celula->row() < maximoVotantes)
            nomes[static_cast<size_t>(celula->row())] = celula->text();
    });
}

void TfrCategoria::linhaMovida()
{
    // A dragged row carries its name to the new place; the numbers stay where they are, as
    // grades belong to voter positions.
    QHeaderView *linhas = sgVotantes->verticalHeader();
    QStringList movidos;
    for (int visual = 0; visual < maximoVotantes; ++visual) {
        const int logica = linhas->logicalIndex(visual);
        if (!sgVotantes->isRowHidden(logica))
            movidos.append(nomeVotante(logica));
    }
    {
        const QSignalBlocker bloqueio(linhas);
        for (int logica = 0; logica < maximoVotantes; ++logica)
            linhas->moveSection(linhas->visualIndex(logica), logica);
    }
    for (int j = 0; j < movidos.size(); ++j)
        definirNomeVotante(j, movidos.at(j));
}

void TfrCategoria::definirTitulo(const QString &texto)
{
    textoTitulo = texto;
    if (edCategoria)
        edCategoria->definirTexto(texto);
}

void TfrCategoria::definirIdentificador(const QString &texto)
{
    textoIdentificador = texto;
    if (edIdentificador)
        edIdentificador->definirTexto(texto);
}

void TfrCategoria::definirCor(ValorCor valor)
{
    cor = valor;
    if (!clBoxVotantes)
        return;
    clBoxVotantes->definirCor(valor);
    mostrarCorDoTitulo();
}

void TfrCategoria::definirQuantidade(int quantidade)
{
    quantidadeVotantes = std::clamp(quantidade, 0, maximoVotantes);
    if (cbQuantidade)
        mostrarQuantidade();
}

void TfrCategoria::mostrarQuantidade()
{
    {
        const QSignalBlocker bloqueio(cbQuantidade);
        cbQuantidade->setCurrentIndex(quantidadeVotantes - 1);
    }
    if (sgVotantes)
        mostrarLinhasDosNomes();
}

// Rows beyond the number of voters are hidden, not dropped: names typed there come back when
// the number grows again.
void TfrCategoria::mostrarLinhasDosNomes()
{
    for (int j = 0; j < maximoVotantes; ++j)
        sgVotantes->setRowHidden(j, j >= quantidadeVotantes);
}

QString TfrCategoria::nomeVotante(int j) const
{
    return j >= 0 && j < maximoVotantes ? nomes[static_cast<size_t>(j)] : QString();
}

void TfrCategoria::definirNomeVotante(int j, const QString &nome)
{
    if (j < 0 || j >= maximoVotantes)
        return;
    nomes[static_cast<size_t>(j)] = nome;
    if (sgVotantes)
        sgVotantes->item(j, 0)->setText(nome);
}

void TfrCategoria::definirPosicao(int valor)
{
    posicao = valor;
    if (painel)
        nomearControles();
}

void TfrCategoria::nomearControles()
{
    const QString numero = QString::number(posicao + 1);
    nomear(painel, QStringLiteral("Categoria ") + numero);
    nomear(edCategoria, QStringLiteral("Título da categoria ") + numero);
    nomear(cbQuantidade, QStringLiteral("Número de votantes da categoria ") + numero);
    nomear(edIdentificador, QStringLiteral("Identificador da categoria ") + numero);
    nomear(sbBtnNomes, QStringLiteral("Mostrar os nomes dos votantes da categoria ") + numero,
           sbBtnNomes->toolTip());
    if (sgVotantes)
        nomearGrade();
}

void TfrCategoria::nomearGrade()
{
    nomear(sgVotantes, QStringLiteral("Nomes dos votantes da categoria %1").arg(posicao + 1));
}

// The title takes the focus when it comes from outside (a category added, one removed), so the
// user goes on in the category; a focus already inside (the names button) stays where it is.
void TfrCategoria::focar()
{
    montar();
    if (!isAncestorOf(QApplication::focusWidget()))
        edCategoria->setFocus();
}

void TfrCategoria::destacar(bool valor)
{
    selecionado = valor;
    if (painel)
        mostrarDestaque();
}

void TfrCategoria::mostrarDestaque()
{
    painel->setLineWidth(selecionado ? larguraBordaSelecionada : larguraBordaNormal);
    QPalette paleta = painel->palette();
    paleta.setColor(QPalette::Window, paraQColor(selecionado ? corPrata : corFaceBotao));
    painel->setPalette(paleta);
}

void TfrCategoria::painelEnter()
{
    // A frame on its way out (focus moving while the list is rebuilt) selects nothing.
    if (controleVotantes && controleVotantes->quadro(posicao) == this)
        controleVotantes->selecionar(posicao);
}

void TfrCategoria::painelClick()
{
    edCategoria->setFocus();
    painelEnter();
}

void TfrCategoria::painelDblClick()
{
    montar();
    if (!sgVotantes)
        criarGrade();
    nomesVisiveis = !nomesVisiveis;
    sbBtnNomes->setChecked(nomesVisiveis);
    sgVotantes->setVisible(nomesVisiveis);
    setFixedHeight(height() + (nomesVisiveis ? alturaNomes : -alturaNomes));
    if (controleVotantes)
        controleVotantes->atualizar(true);
}

void TfrCategoria::cbQuantidadeChange()
{
    definirQuantidade(std::clamp(cbQuantidade->currentIndex() + 1, 1, maximoVotantes));
    if (controleNotas)
        controleNotas->atualizar(true);
}

void TfrCategoria::clBoxVotantesChange(ValorCor valor)
{
    cor = valor;
    mostrarCorDoTitulo();
}

void TfrCategoria::mostrarCorDoTitulo()
{
    QPalette paleta = edCategoria->palette();
    paleta.setColor(QPalette::Text, paraQColor(cor));
    edCategoria->setPalette(paleta);
}

bool TfrCategoria::eventFilter(QObject *objeto, QEvent *evento)
{
    switch (evento->type()) {
    case QEvent::FocusIn:
        painelEnter();
        break;
    case QEvent::MouseButtonPress:
        if (objeto == painel) {
            painelClick();
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (objeto == painel) {
            painelDblClick();
            return true;
        }
        break;
    default:
        break;
    }
    return QFrame::eventFilter(objeto, evento);
}

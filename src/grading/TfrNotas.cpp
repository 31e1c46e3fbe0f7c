#include "grading/TfrNotas.h"

#include "data/NomesPlano.h"
#include "grading/CaixaNota.h"
#include "grading/ControleNotas.h"
#include "widgets/Acessibilidade.h"
#include "widgets/Painel.h"
#include "widgets/RodaComFoco.h"

#include "data/ElementoXml.h"
#include "data/Erros.h"
#include "data/ListaNos.h"
#include "voters/ControleVotantes.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int esquerdaTitulo = 18;
constexpr int topoTitulo = 16;
constexpr int alturaFonte = 13;
const char *const propriedadeVotante = "votante";
constexpr qreal fatorFonteCaixa = 0.85;
constexpr qreal passoFonte = 0.25; // points

// The largest face, up to `fonte`, in which `texto` ends before the edge of the box's text: the
// style draws it a pixel inside the field on each side, and a screen scaled by 1.25, 1.5 or 2
// rounds the glyphs to its own pixels, so the text must not reach that edge at all.
QFont fonteQueCabe(QFont fonte, const QComboBox &caixa, const QString &texto)
{
    QStyleOptionComboBox opcao;
    opcao.initFrom(&caixa);
    const int rotulo =
        caixa.style()
            ->subControlRect(QStyle::CC_ComboBox, &opcao, QStyle::SC_ComboBoxEditField, &caixa)
            .width() -
        2;
    while (fonte.pointSizeF() > 2 * passoFonte &&
           QFontMetricsF(fonte).horizontalAdvance(texto) >= rotulo)
        fonte.setPointSizeF(fonte.pointSizeF() - passoFonte);
    return fonte;
}

} // namespace

TfrNotas::TfrNotas(QWidget *pai) : QuadroSobDemanda(pai)
{
    setFixedHeight(altura);
    setMinimumWidth(larguraPainel);
}

void TfrNotas::criarControles()
{
    painel = criarPainelQuePreenche(this);

    lblTituloProblema =
        new QLabel(tituloDefinido ? tituloProblema : QStringLiteral("Titulo:"), painel);
    lblTituloProblema->setObjectName(QStringLiteral("lblTituloProblema"));
    lblTituloProblema->setTextFormat(Qt::PlainText);
    QFont fonte = font();
    fonte.setPixelSize(alturaFonte);
    lblTituloProblema->setFont(fonte);
    lblTituloProblema->setMaximumWidth(larguraTitulo);
    lblTituloProblema->move(esquerdaTitulo, topoTitulo);
    lblTituloProblema->adjustSize();

    // A smaller face lets "10,0" show whole beside the arrow in the narrow column.
    // The boxes take it from the panel as they are made: set on each box, it would make each
    // build its list's popup at once, most of the time of opening a plan.
    QFont fonteCaixa = font();
    fonteCaixa.setPointSizeF(fonteCaixa.pointSizeF() * fatorFonteCaixa);
    painel->setFont(fonteCaixa);
    // Choice only: a typed text would stand for no grade and lower the problem's total. Typed
    // digits choose the grade they make.
    QStringList itens;
    for (int n = 0; n <= notaMaxima; ++n)
        itens.append(QString::number(n) + QStringLiteral(",0"));
    int alturaCaixa = 0;
    for (int v = 0; v < maximoVotantes; ++v) {
        auto *caixa = new CaixaNota(painel);
        caixa->setObjectName(QStringLiteral("cbNota%1").arg(v));
        caixa->setProperty(propriedadeVotante, v);
        caixa->setEditable(false);
        caixa->addItems(itens);
        caixa->setCurrentIndex(0);
        rodaSoComFoco(caixa);
        if (v == 0)
            alturaCaixa = caixa->sizeHint().height(); // the same for every box
        caixa->setGeometry(esquerdaCaixa + passoColuna * v, topoCaixa, larguraCaixa, alturaCaixa);
        if (v == 0)
            painel->setFont(fonteQueCabe(fonteCaixa, *caixa, itens.last()));
        caixa->setVisible(false);
        connect(caixa, &QComboBox::activated, this, [this, caixa] { ComboBoxChange(caixa); });
        nomearSobDemanda(caixa, [this, v] { return nomeDaCaixa(v); });
        caixasNotas[static_cast<size_t>(v)] = caixa;
    }
    mostrarCategoria();
}

void TfrNotas::definirTitulo(const QString &texto)
{
    const bool mudou = texto != tituloProblema;
    tituloProblema = texto;
    tituloDefinido = true;
    if (!lblTituloProblema)
        return;
    lblTituloProblema->setText(texto);
    lblTituloProblema->adjustSize(); // never past the maximum width: longer names are cut
    if (mudou)
        avisarNomesDasCaixas();
}

// Asked for by a screen reader only, so renames of the problem, the voter or the category cost
// nothing until then and are always followed.
QString TfrNotas::nomeDaCaixa(int votante) const
{
    const QString rotulo = controleVotantes->rotuloVotante(atual, votante);
    const QString nome = controleVotantes->nomeVotante(atual, votante).trimmed();
    QString problema = tituloProblema;
    // Two problems of the same name: the number tells their boxes apart.
    int posicao = -1;
    bool repetido = false;
    for (int i = 0; i < controleNotas->total(); ++i) {
        const TfrNotas *linha = controleNotas->linhaNotas(i);
        if (linha == this)
            posicao = i;
        else if (linha->titulo() == tituloProblema)
            repetido = true;
    }
    if (repetido && posicao >= 0)
        problema += QStringLiteral(" (problema %1)").arg(posicao + 1);
    return QStringLiteral("Nota de %1 (%2, %3) para %4")
        .arg(nome.isEmpty() ? rotulo : nome, rotulo, controleVotantes->tituloCategoria(atual),
             problema);
}

void TfrNotas::avisarNomesDasCaixas() const
{
    for (QComboBox *caixa : caixasNotas) {
        if (!caixa->isHidden())
            avisarMudancaDeNome(caixa);
    }
}

void TfrNotas::exibirCategoria(int categoria)
{
    if (categoria < 0 || categoria >= TabelaNotas::maximoCategorias)
        return;
    atual = categoria;
    if (lblTituloProblema)
        mostrarCategoria();
}

void TfrNotas::mostrarCategoria()
{
    if (atual < 0)
        return;
    const int categoria = atual;
    const int n = controleVotantes->quantidadeVotantes(categoria);
    for (int v = n; v < maximoVotantes; ++v)
        caixasNotas[static_cast<size_t>(v)]->setVisible(false);
    for (int v = 0; v < n; ++v) {
        QComboBox *caixa = caixasNotas[static_cast<size_t>(v)];
        const float nota = tabela.nota(categoria, v);
        // A grade outside 0 … 10 (only a file brings one) leaves the box without a choice.
        const bool mostravel = nota > -1.0f && nota < static_cast<float>(notaMaxima + 1);
        caixa->setCurrentIndex(mostravel ? static_cast<int>(nota) : -1);
        caixa->setVisible(true);
    }
    avisarNomesDasCaixas();
}

void TfrNotas::ComboBoxChange(QComboBox *caixa)
{
    const int votante = caixa->property(propriedadeVotante).toInt();
    tabela.definirNota(atual, votante, static_cast<float>(caixa->currentIndex()));
}

float TfrNotas::somaCategoria(int categoria) const
{
    return tabela.soma(categoria, controleVotantes->quantidadeVotantes(categoria));
}

void TfrNotas::descartarCategoriaAtual()
{
    if (atual == -1)
        return;
    tabela.descartarLinha(atual, controleVotantes->total());
}

void TfrNotas::gravarLinha(ElementoXml problema) const
{
    problema.filhos().removerTodos();
    const int categorias = controleVotantes->total();
    for (int c = 0; c < categorias; ++c) {
        ElementoXml categoria = problema.adicionarFilho(nomesPlano::categoria);
        categoria.definirAtributo(nomesPlano::atributoNome, controleVotantes->tituloCategoria(c));
        const int n = controleVotantes->quantidadeVotantes(c);
        for (int v = 0; v < n; ++v)
            categoria.adicionarFilho(nomesPlano::nota)
                .definirTexto(formatarNota(tabela.nota(c, v)));
    }
}

void TfrNotas::lerLinha(const ElementoXml &problema)
{
    try {
        const ListaNos categorias = problema.filhos();
        const int m = std::min(categorias.quantidade(), TabelaNotas::maximoCategorias);
        for (int c = 0; c < m; ++c) {
            const ListaNos notas = categorias.item(c).filhos();
            const int n = std::min(notas.quantidade(), TabelaNotas::maximoVotantes);
            for (int v = 0; v < n; ++v) {
                const std::optional<float> nota = lerNota(notas.item(v).texto());
                if (!nota)
                    return; // the grades read so far stay; the others keep their values
                tabela.definirNota(c, v, *nota);
            }
        }
    } catch (const ErroSorvane &) {
        // Same as a grade that does not read: the row stops here.
    }
}

#include "analysis/TfrOperacao.h"

#include "widgets/Acessibilidade.h"
#include "widgets/Leiaute.h"
#include "widgets/MemoLimitado.h"

#include <QHash>
#include <QLabel>
#include <QTextDocument>

namespace {

const QSize tamanhoProjeto(TfrOperacao::largura, TfrOperacao::altura);
constexpr int limiteTexto = 512;
constexpr int limitePrazo = 256;
constexpr int margemRotulo = 8;
constexpr int recuoSubrotulo = 8;
constexpr int descidaRotulo = 3; // a label sits a little below its memo's top, on its first line

struct Campo {
    QRect posicao;
    int limite;
};

const std::array<Campo, TfrOperacao::numCampos> campos = {{
    {{96, 16, 633, 41}, limiteTexto},
    {{96, 72, 633, 41}, limiteTexto},
    {{96, 136, 633, 41}, limiteTexto},
    {{96, 192, 633, 41}, limiteTexto},
    {{96, 248, 633, 41}, limiteTexto},
    {{144, 304, 585, 25}, limitePrazo},
    {{96, 344, 633, 81}, limiteTexto},
    {{96, 432, 633, 57}, limiteTexto},
}};

enum Indice { quem, oque, fisico, humano, financeiro, prazo, resultado, avaliacao };

// Sizes a label to its text. Every operation frame has the same labels in the same fonts, and a
// plan holds up to ninety frames: each text is measured once.
void ajustarRotulo(QLabel *rotulo)
{
    static QHash<QString, QSize> tamanhos;
    const QString chave = rotulo->text() + u'\n' + rotulo->font().key();
    const auto achado = tamanhos.constFind(chave);
    if (achado != tamanhos.constEnd()) {
        rotulo->resize(*achado);
        return;
    }
    rotulo->adjustSize();
    tamanhos.insert(chave, rotulo->size());
}

} // namespace

TfrOperacao::TfrOperacao(QWidget *pai) : QFrame(pai)
{
    // Set before the labels are sized, which the page's font would otherwise change later.
    setFont(fonteFormulario());
    setFixedHeight(altura);
    setMinimumWidth(largura);
    resize(tamanhoProjeto);

    auto rotulo = [this](const char *nome, const QString &texto, int x, int y) {
        auto *label = new QLabel(texto, this);
        label->setObjectName(QString::fromLatin1(nome));
        label->move(x, y);
        ajustarRotulo(label);
        return label;
    };
    auto memoDe = [this](const char *nome, int campo) {
        auto *memo = new MemoLimitado(this);
        memo->setObjectName(QString::fromLatin1(nome));
        memo->definirLimite(campos[campo].limite);
        ancorar(memo, campos[campo].posicao, tamanhoProjeto,
                Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);
        memos[static_cast<size_t>(campo)] = memo;
        return memo;
    };
    auto topo = [](int campo) { return campos[campo].posicao.y() + descidaRotulo; };
    const int subrotulo = margemRotulo + recuoSubrotulo;

    lblQuem = rotulo("lblQuem", QStringLiteral("Quem:"), margemRotulo, topo(quem));
    memoQuem = memoDe("memoQuem", quem);
    lblOQue = rotulo("lblOQue", QStringLiteral("O que:"), margemRotulo, topo(oque));
    memoOQue = memoDe("memoOQue", oque);
    lblFisicos = rotulo("lblFisicos", QStringLiteral("Físicos:"), subrotulo, topo(fisico));
    memoRecFisicos = memoDe("memoRecFisicos", fisico);
    lblRecursos = rotulo("lblRecursos", QStringLiteral("Recursos:"), margemRotulo, 120);
    QFont negrito = lblRecursos->font();
    negrito.setBold(true);
    lblRecursos->setFont(negrito);
    ajustarRotulo(lblRecursos);
    lblHumanos = rotulo("lblHumanos", QStringLiteral("Humanos:"), subrotulo, topo(humano));
    memoRecHumanos = memoDe("memoRecHumanos", humano);
    lblFinanceiros =
        rotulo("lblFinanceiros", QStringLiteral("Financeiros:"), subrotulo, topo(financeiro));
    memoRecFinanceiros = memoDe("memoRecFinanceiros", financeiro);
    lblPrazo = rotulo("lblPrazo", QStringLiteral("Prazo de execução:"), margemRotulo, topo(prazo));
    memoPrazo = memoDe("memoPrazo", prazo);
    // One line high: a scroll bar would not fit; the keys still scroll a longer text.
    memoPrazo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memoPrazo->document()->setDocumentMargin(2);
    lblResultados =
        rotulo("lblResultados", QStringLiteral("Resultados"), margemRotulo, topo(resultado));
    memoResultados = memoDe("memoResultados", resultado);
    lblEsperados = rotulo("lblEsperados", QStringLiteral("Esperados:"), margemRotulo,
                          lblResultados->geometry().bottom() + 2);
    lblAvaliacao =
        rotulo("lblAvaliacao", QStringLiteral("Avaliação:"), margemRotulo, topo(avaliacao));
    memoAvaliacao = memoDe("memoAvaliacao", avaliacao);

    const std::array<QLabel *, numCampos> rotulos = {lblQuem,       lblOQue,        lblFisicos,
                                                     lblHumanos,    lblFinanceiros, lblPrazo,
                                                     lblResultados, lblAvaliacao};
    // The names say what a label split over two lines ("Recursos" over "Físicos:") says.
    const std::array<QString, numCampos> nomes = {QStringLiteral("Quem"),
                                                  QStringLiteral("O que"),
                                                  QStringLiteral("Recursos físicos"),
                                                  QStringLiteral("Recursos humanos"),
                                                  QStringLiteral("Recursos financeiros"),
                                                  QStringLiteral("Prazo de execução"),
                                                  QStringLiteral("Resultados esperados"),
                                                  QStringLiteral("Avaliação")};
    for (int campo = 0; campo < numCampos; ++campo) {
        const auto i = static_cast<size_t>(campo);
        rotulos[i]->setBuddy(memos[i]);
        nomear(memos[i], nomes[i]);
    }
}

MemoLimitado *TfrOperacao::memo(int campo) const
{
    return memos.at(static_cast<size_t>(campo));
}

QString TfrOperacao::texto(int campo) const
{
    return memo(campo)->texto();
}

void TfrOperacao::definirTexto(int campo, const QString &texto)
{
    memo(campo)->definirTexto(texto);
}

OperacoesCausa::Textos TfrOperacao::textos() const
{
    OperacoesCausa::Textos campos;
    for (int campo = 0; campo < numCampos; ++campo)
        campos[static_cast<size_t>(campo)] = texto(campo);
    return campos;
}

void TfrOperacao::definirTextos(const OperacoesCausa::Textos &textos)
{
    for (int campo = 0; campo < numCampos; ++campo)
        definirTexto(campo, textos[static_cast<size_t>(campo)]);
}

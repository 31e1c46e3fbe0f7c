#include "grading/TfrCabecalhoClassificacao.h"

#include "widgets/Painel.h"

#include "voters/ControleVotantes.h"

#include <QLabel>

namespace {

constexpr int esquerdaProblema = 16;
constexpr int topoProblema = 16;
constexpr int alturaFonte = 13;

} // namespace

TfrCabecalhoClassificacao::TfrCabecalhoClassificacao(QWidget *pai) : QFrame(pai)
{
    setObjectName(QStringLiteral("CabecalhoClassificacao"));
    setFixedHeight(altura);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    painel = criarPainel(this);
    painel->setGeometry(0, 0, larguraPainel, altura);

    lblProblema = new QLabel(QStringLiteral("Problema"), painel);
    lblProblema->setObjectName(QStringLiteral("lblProblema"));
    QFont fonte = lblProblema->font();
    fonte.setPixelSize(alturaFonte);
    lblProblema->setFont(fonte);
    lblProblema->move(esquerdaProblema, topoProblema);

    for (int k = 0; k < colunas; ++k) {
        auto *rotulo = new QLabel(painel);
        rotulo->setObjectName(QStringLiteral("rotuloColuna%1").arg(k));
        rotulo->setTextFormat(Qt::PlainText);
        rotulo->move(esquerdaRotulo + passoColuna * k, topoRotulo);
        rotulo->setVisible(false);
        rotulosColunas[static_cast<size_t>(k)] = rotulo;
    }
    QLabel *total = rotulosColunas[0];
    total->move(esquerdaTotal, topoRotulo);
    total->setText(QStringLiteral("Total"));
    total->adjustSize();
    total->setVisible(true);
}

void TfrCabecalhoClassificacao::deslocar(int x)
{
    painel->move(-x, 0);
}

void TfrCabecalhoClassificacao::atualizarColunas()
{
    const int m = std::min(controleVotantes->total(), colunas - 1);
    for (int k = m + 1; k < colunas; ++k)
        rotulosColunas[static_cast<size_t>(k)]->setVisible(false);
    for (int j = 0; j < m; ++j) {
        QLabel *rotulo = rotulosColunas[static_cast<size_t>(j + 1)];
        rotulo->setText(controleVotantes->rotuloVotante(j, -1));
        rotulo->setToolTip(controleVotantes->tituloCategoria(j));
        QPalette paleta = rotulo->palette();
        paleta.setColor(QPalette::WindowText, paraQColor(controleVotantes->corCategoria(j)));
        rotulo->setPalette(paleta);
        rotulo->adjustSize();
        rotulo->setVisible(true);
    }
}

#include "voters/TfrCabecalhoVotacao.h"

#include "widgets/Painel.h"

#include "grading/ControleNotas.h"
#include "voters/ControleVotantes.h"

#include <QComboBox>
#include <QLabel>

TfrCabecalhoVotacao::TfrCabecalhoVotacao(QWidget *pai) : QFrame(pai)
{
    setObjectName(QStringLiteral("CabecalhoVotacao"));
    setFixedHeight(altura);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    painel = criarPainel(this);
    painel->setGeometry(0, 0, larguraPainel, altura);

    lblCategoria = new QLabel(QStringLiteral("Categoria:"), painel);
    lblCategoria->setObjectName(QStringLiteral("lblCategoria"));
    lblCategoria->move(16, topoRotulo);

    cbCategoria = new QComboBox(painel);
    cbCategoria->setObjectName(QStringLiteral("cbCategoria"));
    cbCategoria->setEditable(false);
    cbCategoria->setFixedWidth(larguraCategoria);
    cbCategoria->move(lblCategoria->x() + lblCategoria->sizeHint().width() + 8,
                      (altura - cbCategoria->sizeHint().height()) / 2);
    lblCategoria->setBuddy(cbCategoria);

    for (int k = 0; k < maximoVotantes; ++k) {
        auto *rotulo = new QLabel(painel);
        rotulo->setTextFormat(Qt::PlainText);
        rotulo->setObjectName(QStringLiteral("rotuloVotante%1").arg(k));
        rotulo->setGeometry(esquerdaRotulo + passoColuna * k, topoRotulo, larguraRotulo,
                            rotulo->sizeHint().height());
        rotulo->setVisible(false);
        rotulosVotantes[static_cast<size_t>(k)] = rotulo;
    }
    connect(cbCategoria, &QComboBox::activated, this, &TfrCabecalhoVotacao::cbCategoriaChange);
}

void TfrCabecalhoVotacao::deslocar(int x)
{
    painel->move(-x, 0);
}

void TfrCabecalhoVotacao::cbCategoriaChange()
{
    const int c = cbCategoria->currentIndex();
    const int n = controleVotantes->quantidadeVotantes(c);
    controleNotas->mostrarCategoria(c);
    for (int k = n; k < maximoVotantes; ++k)
        rotulosVotantes[static_cast<size_t>(k)]->setVisible(false);
    const QColor cor = paraQColor(controleVotantes->corCategoria(c));
    for (int j = 0; j < n; ++j) {
        QLabel *rotulo = rotulosVotantes[static_cast<size_t>(j)];
        rotulo->setText(controleVotantes->rotuloVotante(c, j));
        rotulo->setToolTip(controleVotantes->nomeVotante(c, j));
        QPalette paleta = rotulo->palette();
        paleta.setColor(QPalette::WindowText, cor);
        rotulo->setPalette(paleta);
        rotulo->setVisible(true);
    }
}

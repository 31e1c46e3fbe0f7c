#include "problems/TfrProblema.h"

#include "widgets/Painel.h"

#include "problems/ControleProblemas.h"
#include "widgets/Acessibilidade.h"
#include "widgets/CaixaCor.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

namespace {

const QString nomeInicial = QStringLiteral("Problema");
constexpr int larguraNumero = 28;
constexpr int larguraBordaNormal = 1;
constexpr int larguraBordaSelecionada = 3;

} // namespace

TfrProblema::TfrProblema(QWidget *pai) : QFrame(pai)
{
    setFixedHeight(altura);

    painel = criarPainelQuePreenche(this);
    painel->setAutoFillBackground(true);
    painel->setFocusPolicy(Qt::ClickFocus);

    lblNumero = new QLabel(painel);
    lblNumero->setObjectName(QStringLiteral("lblNumero"));
    lblNumero->setFixedWidth(larguraNumero);

    edProblema = new EditLimitado(limiteNome, painel);
    edProblema->setObjectName(QStringLiteral("edProblema"));
    edProblema->definirTexto(nomeInicial);

    lblCorProblema = new QLabel(QStringLiteral("Identificador:"), painel);
    lblCorProblema->setObjectName(QStringLiteral("lblCorProblema"));

    cBoxCorProblema = new CaixaCor(painel);
    cBoxCorProblema->setObjectName(QStringLiteral("cBoxCorProblema"));
    lblCorProblema->setBuddy(cBoxCorProblema);
    nomearSobDemanda(cBoxCorProblema, [this] {
        return QStringLiteral("Cor do problema %1: %2")
            .arg(numero)
            .arg(cBoxCorProblema->currentText());
    });

    auto *linha = new QHBoxLayout(painel);
    linha->setContentsMargins(8, 4, 8, 4);
    linha->addWidget(lblNumero);
    linha->addWidget(edProblema, 1);
    linha->addSpacing(8);
    linha->addWidget(lblCorProblema);
    linha->addWidget(cBoxCorProblema);

    for (QWidget *filho : {static_cast<QWidget *>(painel), static_cast<QWidget *>(edProblema),
                           static_cast<QWidget *>(cBoxCorProblema)}) {
        filho->installEventFilter(this);
    }
    connect(cBoxCorProblema, &CaixaCor::corAlterada, this, &TfrProblema::cBoxCorProblemaChange);
    pintarDestaque();
    pintarNome();
}

QString TfrProblema::nome() const
{
    return edProblema->text();
}

void TfrProblema::definirNome(const QString &texto)
{
    edProblema->definirTexto(texto);
}

void TfrProblema::definirCor(ValorCor valor)
{
    cBoxCorProblema->definirCor(valor);
    // A palette set restyles the edit: a row reused or read keeps the one it has when the
    // colour is the same.
    if (valor == cor)
        return;
    cor = valor;
    pintarNome();
}

void TfrProblema::pintarNome()
{
    QPalette paleta = edProblema->palette();
    paleta.setColor(QPalette::Text, paraQColor(cor));
    edProblema->setPalette(paleta);
}

void TfrProblema::definirPosicao(int valor)
{
    posicao = valor;
    numero = valor + 1;
    lblNumero->setText(QString::number(numero) + u'.');
    nomear(painel, QStringLiteral("Problema %1").arg(numero));
    nomear(edProblema, QStringLiteral("Nome do problema %1").arg(numero));
}

void TfrProblema::reiniciar()
{
    definirNome(nomeInicial);
    cBoxCorProblema->reiniciar();
    definirCor(corPreta);
    destacar(false);
    numero = 0;
    posicao = 0;
}

QWidget *TfrProblema::encadearFoco(QWidget *anterior)
{
    if (anterior)
        setTabOrder(anterior, edProblema);
    setTabOrder(edProblema, cBoxCorProblema);
    return cBoxCorProblema;
}

void TfrProblema::focar()
{
    edProblema->setFocus();
}

void TfrProblema::destacar(bool selecionado)
{
    if (selecionado == destacado)
        return;
    destacado = selecionado;
    pintarDestaque();
}

void TfrProblema::pintarDestaque()
{
    painel->setLineWidth(destacado ? larguraBordaSelecionada : larguraBordaNormal);
    QPalette paleta = painel->palette();
    paleta.setColor(QPalette::Window, paraQColor(destacado ? corPrata : corFaceBotao));
    painel->setPalette(paleta);
}

void TfrProblema::painelEnter()
{
    controleProblemas->selecionar(posicao);
}

void TfrProblema::painelClick()
{
    edProblema->setFocus();
    painelEnter();
}

void TfrProblema::cBoxCorProblemaChange(ValorCor valor)
{
    definirCor(valor);
}

bool TfrProblema::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::FocusIn) {
        painelEnter();
    } else if (objeto == painel && evento->type() == QEvent::MouseButtonPress) {
        painelClick();
        return true;
    }
    return QFrame::eventFilter(objeto, evento);
}

#include "help/TfmSobre.h"

#include "app/Versao.h"
#include "widgets/Acessibilidade.h"
#include "widgets/AjusteTela.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TfmSobre *fmSobre = nullptr;

namespace {

constexpr int alturaPainelInferior = 48;
constexpr QPoint posicaoImagem{16, 72};
constexpr int ladoMoldura = 113;
constexpr QPoint posicaoTitulo{16, 8};
constexpr int alturaFonteTitulo = 16;
constexpr QPoint posicaoConcepcao{216, 40};
constexpr int alturaFonteTexto = 13;
constexpr int topoCreditos = 62;
constexpr int passoCreditos = 22;

const QString titulo =
    QStringLiteral("Sorvane " SORVANE_VERSAO " - Planejamento Escolar Participativo");

struct Credito {
    const char *nome;
    const char *texto;
    bool negrito;
    bool endereco; // shown as a web address
};

// The addresses are shown only; they lead nowhere when clicked.
constexpr Credito creditos[] = {
    {"lblInstituicao", "Projeto Sorvane", true, false},
    {"lblUnidade", "Gestão escolar participativa", false, false},
    {"lblSitio", "www.sorvane.example.org", false, true},
    {"lblEquipe", "Equipe Sorvane", true, false},
    {"lblMetodologia", "Metodologia de planejamento participativo", false, false},
    {"lblProgramacao", "Programação em C++ com Qt 6", false, false},
    {"lblSuporte", "suporte.sorvane.example.org", false, true},
    {"lblVersao", "Versão " SORVANE_VERSAO, false, false},
};

QFont fonteComAltura(const QFont &base, int altura, bool negrito)
{
    QFont fonte(base);
    fonte.setPixelSize(altura);
    fonte.setBold(negrito);
    return fonte;
}

QLabel *rotulo(QWidget *pai, const char *nome, const QString &texto, const QFont &fonte)
{
    auto *lbl = new QLabel(texto, pai);
    lbl->setObjectName(QString::fromLatin1(nome));
    lbl->setTextFormat(Qt::PlainText);
    lbl->setTextInteractionFlags(Qt::NoTextInteraction);
    lbl->setFont(fonte);
    lbl->adjustSize();
    return lbl;
}

void pareceEndereco(QLabel *lbl)
{
    QPalette paleta = lbl->palette();
    paleta.setColor(QPalette::WindowText, QColor(Qt::blue));
    lbl->setPalette(paleta);
    QFont fonte = lbl->font();
    fonte.setUnderline(true);
    lbl->setFont(fonte);
    lbl->setCursor(Qt::PointingHandCursor);
    lbl->setOpenExternalLinks(false);
}

} // namespace

TfmSobre::TfmSobre(QWidget *pai) : QDialog(pai)
{
    setObjectName(QStringLiteral("fmSobre"));
    setWindowTitle(QStringLiteral("Sobre o Aplicativo"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(largura, altura);

    auto *layout = new QVBoxLayout(AjusteTela::conteudo(this));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    montarPainelCentral(layout);
    montarPainelInferior(layout);

    if (pai)
        move(pai->geometry().center() - rect().center());
}

void TfmSobre::montarPainelCentral(QLayout *layout)
{
    auto *painelCentral = new QFrame(this);
    painelCentral->setObjectName(QStringLiteral("painelCentral"));
    painelCentral->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(painelCentral);

    auto *imgSobre = new QLabel(painelCentral);
    imgSobre->setObjectName(QStringLiteral("imgSobre"));
    imgSobre->setGeometry(QRect(posicaoImagem, QSize(ladoMoldura, ladoMoldura)));
    imgSobre->setAlignment(Qt::AlignCenter);
    imgSobre->setPixmap(QPixmap(QStringLiteral(":/sobre.png")));
    nomear(imgSobre, QStringLiteral("Símbolo do Sorvane"));

    const QFont base = font();
    QLabel *lblTitulo =
        rotulo(painelCentral, "lblTitulo", titulo, fonteComAltura(base, alturaFonteTitulo, true));
    lblTitulo->move(posicaoTitulo);

    QLabel *lblConcepcao =
        rotulo(painelCentral, "lblConcepcao", QStringLiteral("Concepção e Desenvolvimento"),
               fonteComAltura(base, alturaFonteTexto, false));
    lblConcepcao->move(posicaoConcepcao);
    const int centro = lblConcepcao->geometry().center().x();

    int topo = topoCreditos;
    for (const Credito &credito : creditos) {
        QLabel *lbl = rotulo(painelCentral, credito.nome, QString::fromUtf8(credito.texto),
                             fonteComAltura(base, alturaFonteTexto, credito.negrito));
        if (credito.endereco) {
            pareceEndereco(lbl);
            lbl->adjustSize();
        }
        lbl->move(centro - lbl->width() / 2, topo);
        topo += passoCreditos;
    }
}

void TfmSobre::montarPainelInferior(QLayout *layout)
{
    auto *painelInferior = new QFrame(this);
    painelInferior->setObjectName(QStringLiteral("painelInferior"));
    painelInferior->setFixedHeight(alturaPainelInferior);
    layout->addWidget(painelInferior);

    auto *linha = new QHBoxLayout(painelInferior);
    linha->addStretch();
    auto *btnSobre = new QPushButton(QStringLiteral("Ok"), painelInferior);
    btnSobre->setObjectName(QStringLiteral("btnSobre"));
    btnSobre->setDefault(true);
    linha->addWidget(btnSobre, 0, Qt::AlignTop);
    connect(btnSobre, &QPushButton::clicked, this, &QDialog::accept);
}

void TfmSobre::reject()
{
    accept();
}

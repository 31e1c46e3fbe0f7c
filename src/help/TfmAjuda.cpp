#include "help/TfmAjuda.h"

#include "app/Interacao.h"
#include "help/ArquivoAjuda.h"
#include "widgets/Acessibilidade.h"
#include "widgets/AjusteTela.h"

#include <QFont>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

TfmAjuda *fmAjuda = nullptr;

namespace {

const QString mensagemSemAjuda = QStringLiteral("Arquivo de ajuda não encontrado.");
constexpr int alturaFonte = 16;

} // namespace

TfmAjuda::TfmAjuda(QWidget *pai) : TfmAjuda(pastasAjuda(), pai) {}

TfmAjuda::TfmAjuda(const QStringList &pastas, QWidget *pai) : QDialog(pai)
{
    montar();
    carregar(pastas);
}

void TfmAjuda::montar()
{
    setObjectName(QStringLiteral("fmAjuda"));
    setWindowTitle(QStringLiteral("Ajuda sobre o Sorvane"));
    setSizeGripEnabled(true);
    resize(largura, altura);
    if (const QScreen *tela = screen())
        move(tela->availableGeometry().center() - rect().center());

    redtAjuda = new QTextEdit(this);
    redtAjuda->setObjectName(QStringLiteral("redtAjuda"));
    nomear(redtAjuda, QStringLiteral("Como utilizar o aplicativo"));
    redtAjuda->setReadOnly(true);
    redtAjuda->setAcceptRichText(false);
    redtAjuda->setTabChangesFocus(false);
    // The guide is laid out in lines of its own; long lines scroll sideways.
    redtAjuda->setLineWrapMode(QTextEdit::NoWrap);
    redtAjuda->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    redtAjuda->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont fonte(QStringLiteral("Times New Roman"));
    fonte.setStyleHint(QFont::Serif);
    fonte.setPixelSize(alturaFonte);
    redtAjuda->setFont(fonte);

    auto *layout = new QVBoxLayout(AjusteTela::conteudo(this));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(redtAjuda);
}

void TfmAjuda::carregar(const QStringList &pastas)
{
    const std::optional<QString> texto = lerAjuda(pastas);
    if (!texto) {
        interacao().mensagem(Icone::Erro, mensagemSemAjuda);
        return;
    }
    redtAjuda->setPlainText(*texto);
}

#include "documents/PainelBotoes.h"

#include "widgets/AjusteTela.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

PainelBotoes::PainelBotoes(QDialog *janela, QWidget *vista, int altura) : QFrame(janela)
{
    setObjectName(QStringLiteral("painelInferior"));
    setFixedHeight(altura);
    botoes = new QHBoxLayout(this);
    botoes->addStretch();

    auto *principal = new QVBoxLayout(AjusteTela::conteudo(janela));
    principal->setContentsMargins(0, 0, 0, 0);
    principal->setSpacing(0);
    principal->addWidget(vista);
    principal->addWidget(this);
}

QPushButton *PainelBotoes::adicionarBotao(const char *nome, const QString &texto,
                                          QKeySequence teclas)
{
    auto *novo = new QPushButton(texto, this);
    novo->setObjectName(QString::fromLatin1(nome));
    novo->setShortcut(teclas);
    // Enter in the document view must not press a button.
    novo->setAutoDefault(false);
    botoes->addWidget(novo);
    return novo;
}

#include "data/TfmPlanoEmUso.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfmPlanoEmUso::TfmPlanoEmUso(const QString &descricao, QWidget *pai) : QDialog(pai)
{
    setObjectName(QStringLiteral("fmPlanoEmUso"));
    setWindowTitle(QStringLiteral("Plano em uso"));
    lblMensagem = new QLabel(descricao + u'\n' + textoExplicacao, this);
    lblMensagem->setObjectName(QStringLiteral("lblMensagem"));
    lblMensagem->setTextFormat(Qt::PlainText);
    lblMensagem->setWordWrap(true);

    auto *botoes = new QDialogButtonBox(this);
    btnAbrirCopia =
        botoes->addButton(QStringLiteral("Abrir uma &cópia"), QDialogButtonBox::AcceptRole);
    btnAbrirCopia->setObjectName(QStringLiteral("btnAbrirCopia"));
    btnAbrirCopia->setAccessibleName(QStringLiteral("Abrir uma cópia do plano, sem arquivo"));
    btnCancelar = botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    btnCancelar->setAccessibleName(QStringLiteral("Cancelar a abertura do plano"));
    // Enter on the question changes nothing; a copy is a choice the user makes.
    btnCancelar->setDefault(true);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *coluna = new QVBoxLayout(this);
    coluna->addWidget(lblMensagem);
    coluna->addWidget(botoes);
}

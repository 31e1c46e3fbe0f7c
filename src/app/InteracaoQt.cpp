#include "app/InteracaoQt.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

const QString tituloCaixas = QStringLiteral("Projeto Sorvane");

QWidget *janelaAtiva()
{
    return QApplication::activeWindow();
}

} // namespace

void InteracaoQt::mensagem(Icone icone, const QString &texto)
{
    QMessageBox::Icon icon = QMessageBox::Information;
    if (icone == Icone::Aviso)
        icon = QMessageBox::Warning;
    else if (icone == Icone::Erro)
        icon = QMessageBox::Critical;
    QMessageBox caixa(icon, tituloCaixas, texto, QMessageBox::Ok, janelaAtiva());
    caixa.exec();
}

Resposta InteracaoQt::perguntar(const QString &texto)
{
    QMessageBox caixa(QMessageBox::Question, tituloCaixas, texto,
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Abort, janelaAtiva());
    // Closing the box counts as "No", never as "Abort".
    caixa.setEscapeButton(QMessageBox::No);
    switch (caixa.exec()) {
    case QMessageBox::Yes:
        return Resposta::Sim;
    case QMessageBox::Abort:
        return Resposta::Abortar;
    default:
        return Resposta::Nao;
    }
}

QString InteracaoQt::arquivoParaAbrir(const QString &sugestao)
{
    return QFileDialog::getOpenFileName(janelaAtiva(), QStringLiteral("Abrir"), sugestao);
}

QString InteracaoQt::arquivoParaSalvar(const QString &sugestao)
{
    // The program itself asks nothing before overwriting.
    return QFileDialog::getSaveFileName(janelaAtiva(), QStringLiteral("Salvar"), sugestao,
                                        QString(), nullptr, QFileDialog::DontConfirmOverwrite);
}

bool InteracaoQt::configurarImpressora(QPrinter &impressora)
{
    QPrintDialog dialogo(&impressora, janelaAtiva());
    return dialogo.exec() == QDialog::Accepted;
}

int InteracaoQt::exibirModal(QDialog &janela)
{
    return janela.exec();
}

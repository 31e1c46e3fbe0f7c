#include "app/InteracaoQt.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

const QString tituloCaixas = QStringLiteral("Projeto Sorvane");
const QString extensaoPdf = QStringLiteral(".pdf");

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
    // File names and the parser's words are shown as written, never as markup.
    caixa.setTextFormat(Qt::PlainText);
    caixa.exec();
}

Resposta InteracaoQt::perguntar(const QString &texto)
{
    QMessageBox caixa(QMessageBox::Question, tituloCaixas, texto,
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, janelaAtiva());
    caixa.setTextFormat(Qt::PlainText);
    // Esc and the close box change nothing: they answer as the third button does.
    caixa.setEscapeButton(QMessageBox::Cancel);
    switch (caixa.exec()) {
    case QMessageBox::Yes:
        return Resposta::Sim;
    case QMessageBox::No:
        return Resposta::Nao;
    default:
        return Resposta::Abortar;
    }
}

QString InteracaoQt::arquivoParaAbrir(const QString &sugestao)
{
    return QFileDialog::getOpenFileName(janelaAtiva(), QStringLiteral("Abrir"), sugestao);
}

QString InteracaoQt::arquivoParaSalvar(const QString &sugestao)
{
    // A PDF is offered among PDFs. The dialog never asks before replacing a file: where the
    // program asks (a PDF), it asks through perguntar, which tests can answer.
    const QString filtro = sugestao.endsWith(extensaoPdf, Qt::CaseInsensitive)
                               ? QStringLiteral("Documentos PDF (*.pdf);;Todos os arquivos (*)")
                               : QString();
    return QFileDialog::getSaveFileName(janelaAtiva(), QStringLiteral("Salvar"), sugestao, filtro,
                                        nullptr, QFileDialog::DontConfirmOverwrite);
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

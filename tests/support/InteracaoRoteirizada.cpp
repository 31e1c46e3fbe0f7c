#include "support/InteracaoRoteirizada.h"

#include <QDialog>

InteracaoRoteirizada::InteracaoRoteirizada()
{
    definirInteracao(this);
}

InteracaoRoteirizada::~InteracaoRoteirizada()
{
    definirInteracao(nullptr);
}

void InteracaoRoteirizada::mensagem(Icone icone, const QString &texto)
{
    mensagens.append({icone, texto});
}

Resposta InteracaoRoteirizada::perguntar(const QString &texto)
{
    perguntas.append(texto);
    return respostas.isEmpty() ? Resposta::Nao : respostas.dequeue();
}

QString InteracaoRoteirizada::arquivoParaAbrir(const QString &sugestao)
{
    sugestoesArquivo.append(sugestao);
    return arquivos.isEmpty() ? QString() : arquivos.dequeue();
}

QString InteracaoRoteirizada::arquivoParaSalvar(const QString &sugestao)
{
    sugestoesArquivo.append(sugestao);
    return arquivos.isEmpty() ? QString() : arquivos.dequeue();
}

bool InteracaoRoteirizada::configurarImpressora(QPrinter &)
{
    ++dialogosImpressora;
    return impressoras.isEmpty() ? false : impressoras.dequeue();
}

int InteracaoRoteirizada::exibirModal(QDialog &janela)
{
    janelasModais.append(janela.objectName());
    if (!modais.isEmpty())
        return modais.dequeue()(janela);
    if (modalPadrao)
        return modalPadrao(janela);
    return QDialog::Rejected;
}

QStringList InteracaoRoteirizada::textosMensagens() const
{
    QStringList textos;
    for (const MensagemRegistrada &registro : mensagens)
        textos.append(registro.texto);
    return textos;
}

void InteracaoRoteirizada::limpar()
{
    mensagens.clear();
    perguntas.clear();
    sugestoesArquivo.clear();
    janelasModais.clear();
    dialogosImpressora = 0;
}

#include "app/Inicializacao.h"

#include "app/Interacao.h"
#include "app/TfmPrincipal.h"
#include "data/TdmDados.h"
#include "data/TfmDadosEscola.h"
#include "problems/ControleProblemas.h"
#include "voters/ControleVotantes.h"

#include <QApplication>
#include <exception>

void criarObjetosGlobais()
{
    fmPrincipal = new TfmPrincipal;
    fmDadosEscola = new TfmDadosEscola(fmPrincipal);
    dmDados = new TdmDados;
}

void destruirObjetosGlobais()
{
    delete dmDados;
    dmDados = nullptr;
    delete fmDadosEscola;
    fmDadosEscola = nullptr;
    delete fmPrincipal;
    fmPrincipal = nullptr;
}

bool iniciarPlano()
{
    fmPrincipal->show();
    if (interacao().exibirModal(*fmDadosEscola) != QDialog::Accepted)
        return false;
    controleProblemas->atualizar(true);
    controleVotantes->atualizar(false);
    return true;
}

int executarPrograma()
{
    if (!iniciarPlano())
        return 0;
    return QApplication::exec();
}

int rodarPrograma()
{
    int status = statusErroInicializacao;
    try {
        criarObjetosGlobais();
        status = executarPrograma();
    } catch (const std::exception &erro) {
        interacao().mensagem(Icone::Erro, QString::fromUtf8(erro.what()));
    } catch (...) {
        interacao().mensagem(Icone::Erro, QStringLiteral("Erro inesperado na inicialização."));
    }
    destruirObjetosGlobais();
    return status;
}

#include "app/Inicializacao.h"

#include "app/Interacao.h"
#include "app/TfmPrincipal.h"
#include "data/TdmDados.h"
#include "data/TfmDadosEscola.h"
#include "grading/ControleNotas.h"
#include "problems/ControleProblemas.h"
#include "voters/ControleVotantes.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <cstdlib>
#include <exception>

namespace {

// SORVANE_SAIR_NO_DIALOGO=1: the process ends, with status 0 and without its teardown, as soon
// as the school data dialog has been painted for the first time, so that a script can time the
// start-up of the real program up to that moment (scripts/medir-inicio). Nothing else changes;
// config.ini is not written in such a run.
class SaidaNoDialogo : public QObject {
public:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        // Any part of the dialog: its own background is hidden under its content. Queued, so
        // the painting ends and reaches the screen first.
        if (evento->type() == QEvent::Paint && objeto->isWidgetType() &&
            static_cast<QWidget *>(objeto)->window() == fmDadosEscola)
            QMetaObject::invokeMethod(
                objeto, [] { std::_Exit(0); }, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

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

bool iniciarPlano(const QString &plano)
{
    fmPrincipal->show();
    if (!plano.isEmpty())
        fmDadosEscola->proporPlano(plano);
    SaidaNoDialogo saida;
    if (qEnvironmentVariableIntValue("SORVANE_SAIR_NO_DIALOGO") == 1)
        qApp->installEventFilter(&saida);
    // Work a crash left unsaved comes back first; the plan is then chosen.
    if (dmDados->recuperarTrabalho()) {
        fmDadosEscola->habilitarParteDoPlano(false);
        controleNotas->atualizar(false);
    } else if (fmDadosEscola->exibir() != QDialog::Accepted) {
        return false;
    }
    controleProblemas->atualizar(true);
    controleVotantes->atualizar(false);
    return true;
}

int executarPrograma(const QString &plano)
{
    if (!iniciarPlano(plano))
        return 0;
    return QApplication::exec();
}

int rodarPrograma(const QString &plano)
{
    int status = statusErroInicializacao;
    try {
        criarObjetosGlobais();
        status = executarPrograma(plano);
    } catch (const std::exception &erro) {
        interacao().mensagem(Icone::Erro, QString::fromUtf8(erro.what()));
    } catch (...) {
        interacao().mensagem(Icone::Erro, QStringLiteral("Erro inesperado na inicialização."));
    }
    destruirObjetosGlobais();
    return status;
}

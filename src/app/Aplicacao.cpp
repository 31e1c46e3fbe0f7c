#include "app/Aplicacao.h"

#include "app/Interacao.h"
#include "app/Versao.h"
#include "widgets/Acessibilidade.h"
#include "widgets/IconeSobDemanda.h"

#include <QAbstractAnimation>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>
#include <cstring>
#include <exception>
#include <utility>
#include <vector>

namespace {

QIcon iconePrograma()
{
    QList<IconeSobDemanda::Desenho> desenhos;
    for (int lado : {16, 24, 32, 48, 64, 128})
        desenhos.append({lado, QStringLiteral(":/icones/sorvane-%1.png").arg(lado)});
    desenhos.append({256, QStringLiteral(":/icone.png")});
    return QIcon(new IconeSobDemanda(desenhos));
}

std::function<void()> tarefaPendente;
std::vector<const QObject *> receptoresDeExibicao;

// Qt's animations only fade and slide what the style draws; the program animates nothing of
// its own.
bool ehAnimacao(const QObject *objeto)
{
    return qobject_cast<const QAbstractAnimation *>(objeto) ||
           std::strcmp(objeto->metaObject()->className(), "QAnimationTimer") == 0;
}

// Events that only lay out, show and paint what is already there. Anything not named here is
// taken as able to change the plan, so a kind of event this list forgets costs time, not work.
bool soExibe(const QObject *receptor, const QEvent *evento)
{
    switch (evento->type()) {
    case QEvent::Paint:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
    case QEvent::LayoutRequest:
    case QEvent::Polish:
    case QEvent::PolishRequest:
    case QEvent::ChildPolished:
    case QEvent::ChildAdded:
    case QEvent::ChildRemoved:
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::ParentChange:
    case QEvent::ParentAboutToChange:
    case QEvent::ZOrderChange:
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::EnabledChange:
    case QEvent::ContentsRectChange:
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
    case QEvent::ModifiedChange:
    case QEvent::ToolTipChange:
    case QEvent::DynamicPropertyChange:
    case QEvent::Expose:
    case QEvent::PlatformSurface:
    case QEvent::WinIdChange:
    case QEvent::Create:
    case QEvent::Destroy:
    case QEvent::MouseTrackingChange:
    case QEvent::CursorChange:
    case QEvent::ActionChanged:
    case QEvent::ActionAdded:
    case QEvent::ActionRemoved:
    // Gaining the focus commits nothing (leaving it may: an editor hands in its text then).
    case QEvent::FocusIn:
        return true;
    case QEvent::DeferredDelete:
        return ehAnimacao(receptor);
    case QEvent::Timer:
    case QEvent::MetaCall:
        return ehAnimacao(receptor) ||
               std::find(receptoresDeExibicao.begin(), receptoresDeExibicao.end(), receptor) !=
                   receptoresDeExibicao.end();
    default:
        return false;
    }
}

} // namespace

Aplicacao::Aplicacao(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Projeto Sorvane - versão " SORVANE_VERSAO));
    setOrganizationName(QStringLiteral("Sorvane"));
    setWindowIcon(iconePrograma());
    configurarIdioma();
    instalarAcessibilidade();
    ociosidade.setSingleShot(true);
    connect(&ociosidade, &QTimer::timeout, this, &Aplicacao::executarPendente);
}

void Aplicacao::antesDaProximaEdicao(std::function<void()> tarefa)
{
    executarPendente();
    tarefaPendente = std::move(tarefa);
    auto *aplicacao = qobject_cast<Aplicacao *>(QCoreApplication::instance());
    if (!aplicacao)
        executarPendente();
    else
        aplicacao->ociosidade.start(esperaOciosaMs);
}

void Aplicacao::declararSoExibicao(const QObject *receptor)
{
    receptoresDeExibicao.push_back(receptor);
}

void Aplicacao::executarPendente()
{
    if (tarefaPendente)
        std::exchange(tarefaPendente, nullptr)();
}

bool Aplicacao::notify(QObject *receptor, QEvent *evento)
{
    try {
        if (tarefaPendente && !soExibe(receptor, evento))
            executarPendente();
        return QApplication::notify(receptor, evento);
    } catch (const std::exception &erro) {
        interacao().mensagem(Icone::Erro, QString::fromUtf8(erro.what()));
    } catch (...) {
        interacao().mensagem(Icone::Erro, QStringLiteral("Erro inesperado."));
    }
    return false;
}

void Aplicacao::configurarIdioma()
{
    const QLocale sistema;
    if (sistema.language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    static QTranslator traducaoQt;
    if (traducaoQt.isEmpty() &&
        traducaoQt.load(QStringLiteral("qtbase_pt_BR"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&traducaoQt);
    }
}

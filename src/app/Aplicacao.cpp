#include "app/Aplicacao.h"

#include "app/Interacao.h"
#include "app/Versao.h"
#include "widgets/Acessibilidade.h"
#include "widgets/IconeSobDemanda.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <exception>

namespace {

QIcon iconePrograma()
{
    QList<IconeSobDemanda::Desenho> desenhos;
    for (int lado : {16, 24, 32, 48, 64, 128})
        desenhos.append({lado, QStringLiteral(":/icones/sorvane-%1.png").arg(lado)});
    desenhos.append({256, QStringLiteral(":/icone.png")});
    return QIcon(new IconeSobDemanda(desenhos));
}

} // namespace

Aplicacao::Aplicacao(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Projeto Sorvane - versão " SORVANE_VERSAO));
    setOrganizationName(QStringLiteral("Sorvane"));
    setWindowIcon(iconePrograma());
    configurarIdioma();
    instalarAcessibilidade();
}

bool Aplicacao::notify(QObject *receptor, QEvent *evento)
{
    try {
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

#include "data/TravaPlano.h"

#include "data/Caminhos.h"
#include "data/Regional.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace {

const QString sufixoTrava = QStringLiteral(".trava");
const QString textoEmUso = QStringLiteral("O plano %1 está aberto por %2 em %3 desde %4.");

QString absoluto(const QString &plano)
{
    return QDir::cleanPath(QFileInfo(plano).absoluteFilePath());
}

} // namespace

QString TravaPlano::arquivoDaTrava(const QString &plano)
{
    const QFileInfo informacao(absoluto(plano));
    return informacao.absolutePath() + QStringLiteral("/.") + informacao.fileName() + sufixoTrava;
}

TravaPlano::TravaPlano(const QString &plano)
    : caminho(absoluto(plano)), trava(std::make_unique<QLockFile>(arquivoDaTrava(plano)))
{
    // Held for as long as the plan is open, so its age says nothing: only a holder proven gone
    // makes it stale.
    trava->setStaleLockTime(0);
    if (trava->tryLock(0)) {
        situacao = Estado::tomada;
        return;
    }
    if (trava->error() != QLockFile::LockFailedError) {
        situacao = Estado::semTrava;
        return;
    }
    situacao = Estado::ocupada;
    qint64 processo = 0;
    QString programa;
    trava->getLockInfo(&processo, &maquina, &programa);
    const QFileInfo arquivo(trava->fileName());
    usuario = arquivo.owner();
    desde = arquivo.lastModified();
}

TravaPlano::~TravaPlano() = default;

bool TravaPlano::de(const QString &plano) const
{
    return absoluto(plano).compare(caminho, caixaDosNomes) == 0;
}

QString TravaPlano::descricaoDoDono() const
{
    const QString ninguem = QStringLiteral("(desconhecido)");
    return textoEmUso.arg(QDir::toNativeSeparators(caminho), usuario.isEmpty() ? ninguem : usuario,
                          maquina.isEmpty() ? ninguem : maquina,
                          desde.isValid() ? formatarDataHora(desde) : ninguem);
}

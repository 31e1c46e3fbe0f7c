#include "data/Gravacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

bool falha(QString *motivo, const QString &razao)
{
    if (motivo)
        *motivo = razao;
    return false;
}

#ifdef Q_OS_UNIX
QString razaoDoSistema()
{
    return qt_error_string(errno);
}
#endif

// Every byte from the start of the file, unbuffered: Qt's own write forgets the reason when a
// disk fills up in the middle of a write.
bool escreverTudo(QFileDevice &arquivo, const QByteArray &bytes, QString *motivo)
{
#ifdef Q_OS_UNIX
    const int descritor = arquivo.handle();
    if (::lseek(descritor, 0, SEEK_SET) != 0)
        return falha(motivo, razaoDoSistema());
    qsizetype escritos = 0;
    while (escritos < bytes.size()) {
        const ssize_t n = ::write(descritor, bytes.constData() + escritos,
                                  static_cast<size_t>(bytes.size() - escritos));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return falha(motivo, n < 0 ? razaoDoSistema() : qt_error_string(EIO));
        escritos += n;
    }
    return true;
#else
    if (!arquivo.seek(0) || arquivo.write(bytes) != bytes.size() || !arquivo.flush())
        return falha(motivo, arquivo.errorString());
    return true;
#endif
}

// The file's data reaches the disk, or the reason why not. On Windows QSaveFile::commit()
// flushes the file's buffers itself.
bool sincronizar([[maybe_unused]] QFileDevice &arquivo, [[maybe_unused]] QString *motivo)
{
#ifdef Q_OS_UNIX
    const int descritor = arquivo.handle();
#ifdef Q_OS_LINUX
    while (::fdatasync(descritor) != 0) {
#else
    while (::fsync(descritor) != 0) {
#endif
        if (errno == EINTR)
            continue;
        // A file system that keeps nothing to sync (some FUSE mounts) is no failure.
        if (errno == EINVAL || errno == ENOTSUP)
            break;
        return falha(motivo, razaoDoSistema());
    }
#endif
    return true;
}

// Makes the rename itself durable. The new file is in place whatever this says, so a folder
// that cannot be synced is not reported.
void sincronizarPasta([[maybe_unused]] const QString &arquivo)
{
#ifdef Q_OS_UNIX
    const QByteArray pasta = QFile::encodeName(QFileInfo(arquivo).absolutePath());
    const int descritor = ::open(pasta.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descritor < 0)
        return;
    ::fsync(descritor);
    ::close(descritor);
#endif
}

// An existing file in a folder that refused the temporary file: the only way left to save it is
// in place. The refusal itself tells, since access() answers for root's permitted rights rather
// than for those in effect.
bool soPodeGravarNoLugar(const QString &arquivo, [[maybe_unused]] int erroAbertura)
{
    const QFileInfo informacao(arquivo);
#ifdef Q_OS_UNIX
    return informacao.isFile() && (erroAbertura == EACCES || erroAbertura == EPERM);
#else
    return informacao.isFile() && informacao.isWritable() &&
           !QFileInfo(informacao.absolutePath()).isWritable();
#endif
}

bool gravarNoLugar(const QString &arquivo, const QByteArray &bytes, QString *motivo)
{
    QFile destino(arquivo);
    if (!destino.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return falha(motivo, destino.errorString());
    const QByteArray antigo = destino.readAll();
    if (destino.error() != QFileDevice::NoError)
        return falha(motivo, destino.errorString());
    // Truncating only at the end keeps the old blocks allocated: writing the old bytes back
    // over them needs no free space, so a full disk cannot stop the way back.
    const auto escrever = [&destino](const QByteArray &conteudo, QString *razao) {
        if (!escreverTudo(destino, conteudo, razao))
            return false;
        if (!destino.resize(conteudo.size()))
            return falha(razao, destino.errorString());
        return sincronizar(destino, razao);
    };
    QString razao;
    if (escrever(bytes, &razao))
        return true;
    escrever(antigo, nullptr);
    return falha(motivo, razao);
}

} // namespace

bool gravarArquivoInteiro(const QString &arquivo, const QByteArray &bytes, QString *motivo)
{
    QSaveFile saida(arquivo);
    if (!saida.open(QIODevice::WriteOnly)) {
        if (soPodeGravarNoLugar(arquivo, errno))
            return gravarNoLugar(arquivo, bytes, motivo);
        return falha(motivo, saida.errorString());
    }
    QString razao;
    if (!escreverTudo(saida, bytes, &razao) || !sincronizar(saida, &razao)) {
        saida.cancelWriting();
        return falha(motivo, razao);
    }
    if (!saida.commit())
        return falha(motivo, saida.errorString());
    sincronizarPasta(arquivo);
    return true;
}

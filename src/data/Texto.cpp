#include "data/Texto.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80–0x9F. The five holes map to the same C1
// control code points, as Windows does.
constexpr char16_t faixa80a9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString windows1252ParaTexto(const QByteArray &bytes)
{
    QString texto;
    texto.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F)
            texto.append(QChar(faixa80a9F[byte - 0x80]));
        else
            texto.append(QLatin1Char(c));
    }
    return texto;
}

} // namespace

bool ehUtf8Valido(const QByteArray &bytes)
{
    return QByteArrayView(bytes).isValidUtf8();
}

QString utf8ParaTexto(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}

QString decodificarTexto(const QByteArray &bytes)
{
    if (ehUtf8Valido(bytes)) {
        // The file's byte order mark is not part of its text; a second one is.
        const QByteArrayView marca("\xEF\xBB\xBF");
        const QByteArrayView texto(bytes);
        return utf8ParaTexto(texto.startsWith(marca) ? texto.sliced(marca.size()) : texto);
    }
    return windows1252ParaTexto(bytes);
}

QByteArray windows1252ParaUtf8(const QByteArray &bytes)
{
    return windows1252ParaTexto(bytes).toUtf8();
}

ArquivoLido lerArquivoComum(const QString &arquivo, qint64 limite)
{
    ArquivoLido lido;
    const QFileInfo informacao(arquivo);
    if (informacao.exists() && !informacao.isFile()) {
        lido.falha = ArquivoLido::Falha::naoEhArquivoComum;
        return lido;
    }
    QFile entrada(arquivo);
    if (!entrada.open(QIODevice::ReadOnly)) {
        lido.falha = ArquivoLido::Falha::naoAbriu;
        lido.motivo = entrada.errorString();
        return lido;
    }
    lido.tamanho = entrada.size();
    if (lido.tamanho > limite) {
        lido.falha = ArquivoLido::Falha::grandeDemais;
        return lido;
    }
    // In blocks, up to one byte past the limit: a device's size() may say 0 and never end.
    lido.bytes.reserve(lido.tamanho + 1);
    char bloco[64 * 1024];
    while (lido.bytes.size() <= limite) {
        const qint64 n = entrada.read(bloco, sizeof bloco);
        if (n < 0) {
            lido.falha = ArquivoLido::Falha::naoAbriu;
            lido.motivo = entrada.errorString();
            lido.bytes.clear();
            return lido;
        }
        if (n == 0)
            break;
        lido.bytes.append(bloco, n);
    }
    if (lido.bytes.size() > limite) {
        lido.falha = ArquivoLido::Falha::grandeDemais;
        lido.bytes.clear();
    }
    return lido;
}

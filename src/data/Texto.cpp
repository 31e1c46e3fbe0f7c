#include "data/Texto.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#define SORVANE_SSE2 1
#endif

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

// One character at p, if well-formed (no overlong form, no surrogate, nothing past U+10FFFF);
// p moves past it.
bool caractereBemFormado(const unsigned char *&p, const unsigned char *fim)
{
    const unsigned char primeiro = *p;
    if (primeiro < 0x80) {
        ++p;
        return true;
    }
    int seguintes = 1;
    unsigned char minimo = 0x80;
    unsigned char maximo = 0xBF;
    if (primeiro >= 0xC2 && primeiro <= 0xDF) {
    } else if (primeiro >= 0xE0 && primeiro <= 0xEF) {
        seguintes = 2;
        if (primeiro == 0xE0)
            minimo = 0xA0;
        else if (primeiro == 0xED)
            maximo = 0x9F;
    } else if (primeiro >= 0xF0 && primeiro <= 0xF4) {
        seguintes = 3;
        if (primeiro == 0xF0)
            minimo = 0x90;
        else if (primeiro == 0xF4)
            maximo = 0x8F;
    } else {
        return false;
    }
    if (fim - p <= seguintes || p[1] < minimo || p[1] > maximo)
        return false;
    for (int i = 2; i <= seguintes; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return false;
    }
    p += seguintes + 1;
    return true;
}

// Past the blocks of sixteen bytes that hold only ASCII and well-formed two-byte sequences,
// nearly all of a plan in Portuguese; returns where such a block ends or a sequence starts that
// needs the byte-by-byte check.
const unsigned char *pularBlocosSimples(const unsigned char *p, const unsigned char *fim)
{
#ifdef SORVANE_SSE2
    unsigned liderNoFim = 0; // the block before ended with the first byte of a pair
    while (fim - p >= 16) {
        const __m128i bloco = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const auto mascara = [](__m128i v) { return static_cast<unsigned>(_mm_movemask_epi8(v)); };
        const unsigned altos = mascara(bloco);
        const unsigned continuacoes = mascara(_mm_cmpeq_epi8(
            _mm_and_si128(bloco, _mm_set1_epi8(char(0xC0))), _mm_set1_epi8(char(0x80))));
        const __m128i apartirDeC2 =
            _mm_cmpeq_epi8(_mm_max_epu8(bloco, _mm_set1_epi8(char(0xC2))), bloco);
        const __m128i ateDF = _mm_cmpeq_epi8(_mm_min_epu8(bloco, _mm_set1_epi8(char(0xDF))), bloco);
        const unsigned lideres = mascara(_mm_and_si128(apartirDeC2, ateDF));
        if ((altos & ~(continuacoes | lideres)) != 0 ||
            continuacoes != (((lideres << 1) | liderNoFim) & 0xFFFFu))
            break;
        liderNoFim = lideres >> 15;
        p += 16;
    }
    return p - liderNoFim;
#else
    (void)fim;
    return p;
#endif
}

// The well-formed sequences of the Unicode standard.
bool utf8BemFormado(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const unsigned char *const fim = p + bytes.size();
    while (p < fim) {
        p = pularBlocosSimples(p, fim);
        const unsigned char *const ate = fim - p > 16 ? p + 16 : fim;
        while (p < ate) {
            if (!caractereBemFormado(p, fim))
                return false;
        }
    }
    return true;
}

// Whether the bytes end in ASCII or in one whole well-formed sequence, so that no character is
// left cut at the end.
bool terminaInteiro(QByteArrayView bytes)
{
    qsizetype inicio = bytes.size() - 1;
    if (inicio < 0 || static_cast<unsigned char>(bytes[inicio]) < 0x80)
        return true;
    for (int voltas = 0;
         inicio > 0 && voltas < 3 && (static_cast<unsigned char>(bytes[inicio]) & 0xC0) == 0x80;
         ++voltas)
        --inicio;
    return utf8BemFormado(bytes.sliced(inicio));
}

} // namespace

bool ehUtf8Valido(const QByteArray &bytes)
{
    return utf8BemFormado(bytes);
}

QString utf8ParaTexto(QByteArrayView bytes)
{
    // Qt's one-shot decoder is faster, and gives the same text, ill-formed sequences included,
    // unless a byte order mark opens the bytes or a character is cut at their end.
    if (!bytes.startsWith("\xEF\xBB\xBF") && terminaInteiro(bytes))
        return QString::fromUtf8(bytes);
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
    // Straight into the buffer, up to one byte past the limit: a file's size() may say 0 (as
    // the kernel's own files do) or grow while it is read.
    constexpr qint64 bloco = 64 * 1024;
    qint64 usados = 0;
    lido.bytes.resize(std::min(lido.tamanho, limite) + 1);
    while (usados <= limite) {
        if (usados == lido.bytes.size())
            lido.bytes.resize(std::min(usados + std::max(usados, bloco), limite + 1));
        const qint64 n = entrada.read(lido.bytes.data() + usados, lido.bytes.size() - usados);
        if (n < 0) {
            lido.falha = ArquivoLido::Falha::naoAbriu;
            lido.motivo = entrada.errorString();
            lido.bytes.clear();
            return lido;
        }
        if (n == 0)
            break;
        usados += n;
    }
    lido.bytes.truncate(usados);
    if (lido.bytes.size() > limite) {
        lido.falha = ArquivoLido::Falha::grandeDemais;
        lido.bytes.clear();
    }
    return lido;
}

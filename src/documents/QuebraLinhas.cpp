#include "documents/QuebraLinhas.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QVector>
#include <algorithm>

namespace {

constexpr int pontosPorPolegadaPadrao = 96;
constexpr double pontosPorPolegadaTipografica = 72.0;
constexpr double fatorPassoLinha = 1.2;
const QString delimitadores = QStringLiteral(" .!;:/-");

int pixelsDaFonte(const QPaintDevice *superficie)
{
    const int pontosPorPolegada =
        superficie != nullptr ? superficie->logicalDpiY() : pontosPorPolegadaPadrao;
    return qRound(QuebraLinhas::tamanhoFonte * pontosPorPolegada / pontosPorPolegadaTipografica);
}

QFont fonteEmPixels(int pixels)
{
    QFont fonte = QGuiApplication::font();
    fonte.setPixelSize(std::max(1, pixels));
    return fonte;
}

bool continuaCaractere(QChar caractere)
{
    return caractere.isLowSurrogate() || caractere.isMark();
}

// Where a line that reached the available width is cut: after its last delimiter, if any.
qsizetype corteNoDelimitador(const QString &linha)
{
    for (qsizetype i = linha.size(); i >= 1; --i) {
        if (delimitadores.contains(linha.at(i - 1)))
            return i;
    }
    return 0;
}

} // namespace

QuebraLinhas::QuebraLinhas(const QPaintDevice *superficie)
    : pixelsFonte(pixelsDaFonte(superficie)), fonteSuperficie(fonteEmPixels(pixelsFonte)),
      medidor(fonteSuperficie, superficie)
{
    larguraLatin1.fill(-1);
}

int QuebraLinhas::passoLinha() const
{
    return static_cast<int>(pixelsFonte * fatorPassoLinha);
}

int QuebraLinhas::alturaTexto() const
{
    return medidor.height();
}

int QuebraLinhas::largura(const QString &texto) const
{
    return medidor.horizontalAdvance(texto);
}

QStringList QuebraLinhas::quebrar(const QString &texto, int disponivel)
{
    const auto chave = qMakePair(texto, disponivel);
    if (const auto achado = quebras.constFind(chave); achado != quebras.constEnd())
        return *achado;

    // The sum of the characters' own widths (no kerning) points at where each line ends, so
    // only the runs beside that point are measured whole.
    const int comprimento = static_cast<int>(texto.size());
    QVector<int> somaLarguras(comprimento + 1, 0);
    for (int i = 0; i < comprimento; ++i)
        somaLarguras[i + 1] = somaLarguras[i] + larguraCaractere(texto.at(i));

    QStringList linhas;
    for (int inicio = 0; inicio < comprimento;) {
        const Trecho trecho = trechoDaLinha(texto, somaLarguras, inicio, disponivel);
        QString linha = texto.mid(inicio, trecho.comprimento);
        if (const qsizetype corte = corteNoDelimitador(linha);
            corte > 0 && trecho.largura >= disponivel)
            linha.truncate(corte);
        for (qsizetype fim = inicio + linha.size();
             fim < comprimento && continuaCaractere(texto.at(fim)); ++fim)
            linha += texto.at(fim);
        inicio += static_cast<int>(linha.size());
        linhas.append(linha);
    }
    quebras.insert(chave, linhas);
    return linhas;
}

void QuebraLinhas::esquecer()
{
    quebras.clear();
    larguraLatin1.fill(-1);
    larguraOutros.clear();
}

// The shortest run from `inicio` whose width reaches `disponivel`, or the rest of the text.
QuebraLinhas::Trecho QuebraLinhas::trechoDaLinha(const QString &texto,
                                                 const QVector<int> &somaLarguras, int inicio,
                                                 int disponivel) const
{
    const int restantes = static_cast<int>(texto.size()) - inicio;
    const auto larguraDe = [&](int n) { return largura(texto.mid(inicio, n)); };
    Trecho trecho{1, 0};
    while (trecho.comprimento < restantes &&
           somaLarguras[inicio + trecho.comprimento] - somaLarguras[inicio] < disponivel)
        ++trecho.comprimento;
    trecho.largura = larguraDe(trecho.comprimento);
    if (trecho.largura >= disponivel) {
        while (trecho.comprimento > 1) {
            const int menor = larguraDe(trecho.comprimento - 1);
            if (menor < disponivel)
                break;
            --trecho.comprimento;
            trecho.largura = menor;
        }
        return trecho;
    }
    while (trecho.comprimento < restantes && trecho.largura < disponivel)
        trecho.largura = larguraDe(++trecho.comprimento);
    return trecho;
}

int QuebraLinhas::larguraCaractere(QChar caractere)
{
    const char16_t codigo = caractere.unicode();
    if (codigo < larguraLatin1.size()) {
        int &conhecida = larguraLatin1[codigo];
        if (conhecida < 0)
            conhecida = medidor.horizontalAdvance(caractere);
        return conhecida;
    }
    if (const auto achado = larguraOutros.constFind(codigo); achado != larguraOutros.constEnd())
        return *achado;
    const int medida = medidor.horizontalAdvance(caractere);
    larguraOutros.insert(codigo, medida);
    return medida;
}

#pragma once

// The chart's text on one surface: its font (10 points at the surface's resolution), the heights
// the layout steps by, and the lines a text breaks into inside a box. The breaks and the
// characters' own widths are kept, as the same texts come back at every layout; they hold for
// this surface only, so another surface takes another QuebraLinhas.
//
// A line is the shortest run of characters whose width reaches the box's available width, or the
// rest of the text when that is narrower. When the run reaches it and holds one of the
// delimiters " .!;:/-", it ends after the last of them. A line never ends inside a character:
// between the halves of a surrogate pair or before a combining mark.

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>

class QPaintDevice;

class QuebraLinhas {
public:
    static constexpr int tamanhoFonte = 10; // points

    // nullptr: a screen of 96 dots per inch.
    explicit QuebraLinhas(const QPaintDevice *superficie = nullptr);

    const QFont &fonte() const { return fonteSuperficie; }
    int alturaFontePixels() const { return pixelsFonte; }
    int passoLinha() const;  // from one line of a box to the next
    int alturaTexto() const; // the height of a line of text ("X")
    int largura(const QString &texto) const;

    // The lines of `texto` in a box whose text may be `disponivel` pixels wide.
    QStringList quebrar(const QString &texto, int disponivel);
    void esquecer(); // what was kept, for a plan just opened

private:
    int larguraCaractere(QChar caractere);
    struct Trecho {
        int comprimento;
        int largura;
    };
    Trecho trechoDaLinha(const QString &texto, const QVector<int> &somaLarguras, int inicio,
                         int disponivel) const;

    int pixelsFonte;
    QFont fonteSuperficie;
    QFontMetrics medidor;
    QHash<QPair<QString, int>, QStringList> quebras;
    std::array<int, 256> larguraLatin1; // -1 while unknown
    QHash<char16_t, int> larguraOutros;
};

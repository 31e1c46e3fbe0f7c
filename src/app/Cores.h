#pragma once

// Colour values as plan files store them: a signed 32-bit integer, 0x00BBGGRR for plain
// colours, and system colours with the top byte 0xFF and the system colour's index in the
// low byte (negative when read as signed).

#include <QColor>
#include <QString>
#include <QVector>

using ValorCor = qint32;

constexpr ValorCor corPreta = 0x000000;
constexpr ValorCor corPrata = 0xC0C0C0;
constexpr ValorCor corBranca = 0xFFFFFF;
constexpr ValorCor corCinza = 0x808080;
constexpr ValorCor corSistema = static_cast<ValorCor>(0xFF000000u);
constexpr ValorCor corFaceBotao = corSistema | 15;

struct CorNomeada {
    ValorCor valor;
    QString nome;
};

// The chooser's list: 16 standard, 4 extended and the system colours, with Portuguese names.
const QVector<CorNomeada> &coresPadrao();

ValorCor valorRgb(int vermelho, int verde, int azul);
QColor paraQColor(ValorCor valor);

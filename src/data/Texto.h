#pragma once

// Decoding of the text files the program reads (plans, the user guide): UTF-8 when the bytes
// are valid UTF-8, Windows-1252 otherwise, so older files with accents still read correctly.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

bool ehUtf8Valido(const QByteArray &bytes);
// UTF-8 as text, every character kept: QString::fromUtf8 drops a leading U+FEFF.
QString utf8ParaTexto(QByteArrayView bytes);
QString decodificarTexto(const QByteArray &bytes);
QByteArray windows1252ParaUtf8(const QByteArray &bytes);

#pragma once

// What a reader sees of each paragraph of a rich text: its words, weight, slant, size and
// alignment.

#include <QList>
#include <QString>

class QTextDocument;

struct ParagrafoFormatado {
    QString texto;
    bool negrito = false;
    bool italico = false;
    double pontos = 0;
    bool centralizado = false;
};

QList<ParagrafoFormatado> paragrafos(const QTextDocument &documento);
QStringList linhas(const QTextDocument &documento);

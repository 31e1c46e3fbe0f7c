#pragma once

// The largest plan the program can hold: 10 problems with 128-character names, 12 categories
// of 12 named voters, every grade set, and per problem 5 indicators and 3 causes of 3
// operations with every text at its typing limit and on several lines, plus a long review.

#include <QByteArray>
#include <QString>

QByteArray planoMaximo();
void gravarPlanoMaximo(const QString &arquivo);

#pragma once

// The command line: `sorvane [PLANO]`. A plan named there (the file manager passes the one the
// user double-clicked) is the one the school data dialog offers to open. --help and --version
// answer in the terminal and end the program before any window exists, so they need no
// display; any other option is refused with a word on how to ask for help.

#include <QString>
#include <QStringList>

struct LinhaDeComando {
    enum class Pedido { iniciar, ajuda, versao, erro };
    Pedido pedido = Pedido::iniciar;
    QString plano; // empty when none was given
    QString erro;
};

// `argumentos` without the program's name. --help and --version win wherever they stand, so
// they are found even among options only Qt knows; after "--" every word is a file name.
LinhaDeComando lerLinhaDeComando(const QStringList &argumentos);

// Prints the help, the version or the error; the exit status.
int responderLinhaDeComando(const LinhaDeComando &linha);

inline constexpr int statusLinhaInvalida = 2;

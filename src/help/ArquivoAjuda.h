#pragma once

// Finding and reading the user guide. A program started from a desktop menu runs in the
// user's home folder, so besides the current folder the guide is also looked for beside the
// executable and in the folder the installation put it in.

#include <QString>
#include <QStringList>
#include <optional>

inline const QString nomeArquivoAjuda = QStringLiteral("ajuda.txt");

// The folder the installation puts the guide in, as configured at build time.
QString pastaAjudaInstalada();

// Where the guide is looked for, in this order: the current folder at the moment of the call,
// the executable's folder, the data folder of an installation moved to another prefix (found
// from the executable's folder), and the configured installation folder.
QStringList pastasAjuda();

// The text of the first guide in `pastas` that exists and can be read, decoded as UTF-8 when
// valid and as Windows-1252 otherwise, with its line ends as LF. Nothing when none can be read.
std::optional<QString> lerAjuda(const QStringList &pastas);

#pragma once

// File names as the plan file and config.ini keep them: relative to the start-up directory
// when that is possible, so a folder of plans can move as a whole.

#include <QString>

// Directory names compare case-blind where the file system is case-blind.
#ifdef Q_OS_WIN
inline constexpr Qt::CaseSensitivity caixaDosNomes = Qt::CaseInsensitive;
#else
inline constexpr Qt::CaseSensitivity caixaDosNomes = Qt::CaseSensitive;
#endif

// `nome` made relative to the directory `base` (which ends with "/"): one "../" per level of
// `base` that the name does not share, then the rest of the name. A relative name, or one on
// another drive, comes back unchanged. Both may use "/" or the host's separator.
QString nomeRelativo(const QString &nome, const QString &base,
                     Qt::CaseSensitivity caixa = caixaDosNomes);

// Whether two names reach the same file (through links too, when both exist).
bool mesmoArquivo(const QString &um, const QString &outro);

// True for an existing file; a directory of that name does not count.
bool arquivoExiste(const QString &nome);

// The process's current directory with "/" appended.
QString diretorioAtual();

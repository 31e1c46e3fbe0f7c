#pragma once

// Writes and reads the indicators, causes and operations sections for a set of windows, one
// problem per window in order, the way the grade matrix does it around them.

#include "data/DocumentoXml.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class TfmICProblema;

namespace analise {

// A plan document holding the three empty sections.
DocumentoXml documentoVazio();

// The saved bytes of the windows' sections.
QByteArray gravar(const std::vector<const TfmICProblema *> &janelas);

// Reads the sections into the windows, problem i into window i. Returns false when the
// operations reader raised (the grade matrix then warns); the windows after it are not read.
bool ler(const QByteArray &bytes, const std::vector<TfmICProblema *> &janelas);

// Names of the children of problem `problema` in section `secao` of the saved bytes.
QStringList nomesDosFilhos(const QByteArray &bytes, const QString &secao, int problema);

} // namespace analise

#pragma once

// Helpers for tests of the plan file: raw file bytes, and the school data dialog answered as a
// user would answer it through the scripted interaction.

#include "support/InteracaoRoteirizada.h"

#include <QByteArray>
#include <QString>

namespace apoio {

QByteArray lerBytes(const QString &arquivo);
void gravarBytes(const QString &arquivo, const QByteArray &bytes);

// A modal action for the school data dialog: fills the fields it is given (a null QString
// leaves a field as it is), presses Ok and answers with the dialog's result.
struct RespostaEscola {
    QString escola;
    QString diretor;
    QString data;
    QString nomePlano;
};
InteracaoRoteirizada::AcaoModal pressionarOk(const RespostaEscola &resposta = {});

// The text of a plan file line by line: every line gets CR LF.
QByteArray linhas(std::initializer_list<const char *> texto);

} // namespace apoio

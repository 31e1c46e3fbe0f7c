#pragma once

// The sections of a plan whose root holds `corpo`, ready for a section reader. The list shares
// its document, so it outlives this call.

#include "data/DocumentoXml.h"

#include <QByteArray>

namespace apoio {

inline ListaNos secoesDe(const QByteArray &corpo)
{
    DocumentoXml documento;
    documento.carregarBytes("<planejamento xmlns=\"xmlns\">" + corpo + "</planejamento>");
    return documento.secoes();
}

} // namespace apoio

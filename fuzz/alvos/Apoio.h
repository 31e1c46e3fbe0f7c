#pragma once

// What the fast targets share: the plan's reading of untrusted bytes and the checks of texts.

#include "data/DocumentoXml.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace alvos {

// The document in `bytes`, or nothing when the reader refuses it with a message.
std::optional<DocumentoXml> lerDocumento(const QByteArray &bytes);

bool textoValido(const QString &texto); // UTF-16 without a half of a pair

// A text as the file gives it back: line ends as LF.
QString quebrasLf(QString texto);

// Where two texts part, as code points, for the message of a broken promise.
QString ondeDiferem(const QString &esperado, const QString &obtido);

// "what: detail", for the message of a broken promise.
QString falha(const char *promessa, const QString &detalhe = {});

} // namespace alvos

#pragma once

// Exceptions the program raises for damaged input. Readers catch them and fall back or warn;
// whatever escapes reaches the application's error box, which shows the message as is.

#include <QString>
#include <stdexcept>

class ErroSorvane : public std::runtime_error {
public:
    explicit ErroSorvane(const QString &mensagem)
        : std::runtime_error(mensagem.toStdString()), texto(mensagem)
    {
    }
    QString mensagem() const { return texto; }

private:
    QString texto;
};

// A missing element or attribute, a position outside a list, a file that does not parse or
// cannot be written.
class ErroXml : public ErroSorvane {
public:
    using ErroSorvane::ErroSorvane;
};

// A text that does not convert to the number or date that was asked for.
class ErroConversao : public ErroSorvane {
public:
    using ErroSorvane::ErroSorvane;
};

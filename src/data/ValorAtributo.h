#pragma once

// An attribute as read from an element: its text, or null when the attribute is missing.
// Converting null to text or to a number fails, so a reader that needs the attribute stops
// at the first one that is missing.

#include <QString>
#include <optional>

class ValorAtributo {
public:
    ValorAtributo() = default;
    ValorAtributo(const QString &nome, std::optional<QString> valor);

    bool nulo() const { return !valor.has_value(); }
    QString texto() const; // raises ErroXml when null
    int inteiro() const;   // decimal, 32 bits; raises ErroXml or ErroConversao

private:
    QString nome;
    std::optional<QString> valor;
};

// Strict decimal integer of 32 bits: optional sign, digits, surrounding blanks allowed.
int converterInteiro(const QString &texto);

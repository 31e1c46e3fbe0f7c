#pragma once

// The operations of one cause as plain texts, in the file's layout. A cause keeps them here
// until its sheet is first opened: the largest plan holds ninety operations of eight texts, and
// building their editors for a plan that is only opened, printed and saved took most of the
// time of opening it.

#include <QByteArray>
#include <QString>
#include <array>
#include <bitset>

class ElementoXml;
class ListaNos;

class OperacoesCausa {
public:
    static constexpr int maximo = 3;
    static constexpr int numCampos = 8;
    using Textos = std::array<QString, numCampos>;

    // Fields in file order: quem, oque, fisico, humano, financeiro, prazo, resultado, avaliacao.
    static QString nomeElemento(int campo);
    static QString nomeOperacao(int causa, int operacao); // "op<causa>c<operacao>", 1-based

    int quantidade() const { return numOperacoes; }
    void adicionar(); // an empty operation, while there is room
    void limpar();
    // Operation indice goes or comes back; the later ones move. Inserting needs room.
    void remover(int indice);
    void inserir(int indice, const Textos &campos);

    const Textos &textos(int indice) const; // indice in 0 … quantidade() − 1
    void definirTexto(int indice, int campo, const QString &texto);
    void definirTextos(int indice, const Textos &campos);

    // Reads operation indice from its eight field elements, by position; raises when a field is
    // missing, keeping the fields read before it.
    void ler(const ListaNos &filhos, int indice);
    // Appends the operations to the problem's element; returns their number.
    int gravar(ElementoXml problema, int causa) const;

private:
    // A field read from a file keeps its bytes while it is unchanged: they are decoded only
    // when the text is first asked for, and written back as they are.
    struct Operacao {
        Textos textos;
        std::array<QByteArray, numCampos> lidos; // null once the field changed
        std::bitset<numCampos> porDecodificar;   // textos[campo] not yet made from lidos
    };

    mutable std::array<Operacao, maximo> operacoes;
    int numOperacoes = 0;
};

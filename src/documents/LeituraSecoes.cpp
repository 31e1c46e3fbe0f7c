#include "documents/LeituraSecoes.h"

ElementoXml secaoOuNada(const ListaNos &secoes, const QString &nome)
{
    for (const ElementoXml &secao : secoes) {
        if (secao.nome() == nome)
            return secao;
    }
    return {};
}

ElementoXml filhoOuNada(const ListaNos &filhos, int posicao)
{
    if (posicao < 0 || posicao >= filhos.quantidade())
        return {};
    return filhos.item(posicao);
}

QString atributoOuVazio(const ElementoXml &elemento, const QString &nome)
{
    if (!elemento.valido())
        return {};
    const ValorAtributo valor = elemento.atributo(nome);
    return valor.nulo() ? QString() : valor.texto();
}

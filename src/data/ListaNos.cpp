#include "data/ListaNos.h"

#include "data/Erros.h"

ListaNos::ListaNos(std::shared_ptr<ArvoreXml> documento, pugi::xml_node pai)
    : documento(std::move(documento)), pai(pai)
{
    for (pugi::xml_node filho = pai.first_child(); filho; filho = filho.next_sibling()) {
        if (filho.type() == pugi::node_element)
            nos.emplace_back(this->documento, filho);
    }
}

ElementoXml ListaNos::item(int posicao) const
{
    if (posicao < 0 || posicao >= quantidade()) {
        throw ErroXml(QStringLiteral("Posição %1 fora da lista de %2 elementos de \"%3\".")
                          .arg(posicao)
                          .arg(quantidade())
                          .arg(QString::fromUtf8(pai.name())));
    }
    return nos[static_cast<size_t>(posicao)];
}

ElementoXml ListaNos::porNome(const QString &nome) const
{
    // A plan may carry its elements with a prefix of its namespace (<p:escola>): an element of
    // the parent's namespace answers to its local name.
    for (const ElementoXml &elemento : nos) {
        const QString qualificado = elemento.nome();
        if (qualificado == nome)
            return elemento;
        if (qualificado.contains(u':') && elemento.nomeLocal() == nome &&
            elemento.espacoNomes() == ElementoXml(documento, pai).espacoNomes())
            return elemento;
    }
    throw ErroXml(QStringLiteral("Elemento \"%1\" não encontrado.").arg(nome));
}

void ListaNos::removerTodos()
{
    while (pai.first_child())
        pai.remove_child(pai.first_child());
    nos.clear();
}

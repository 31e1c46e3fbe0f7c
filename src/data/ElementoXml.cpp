#include "data/ElementoXml.h"

#include "data/Erros.h"
#include "data/ListaNos.h"

namespace {

QString deUtf8(const char *texto)
{
    return QString::fromUtf8(texto);
}

// Line ends inside texts are kept as LF in memory; the file writer turns every LF into CR LF,
// and the parser turns CR LF back into LF, so a text survives any number of saves.
QString normalizarQuebras(QString texto)
{
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(u'\r', u'\n');
    return texto;
}

} // namespace

ElementoXml::ElementoXml(std::shared_ptr<pugi::xml_document> documento, pugi::xml_node no)
    : documento(std::move(documento)), no(no)
{
}

QString ElementoXml::nome() const
{
    return deUtf8(no.name());
}

ListaNos ElementoXml::filhos() const
{
    return ListaNos(documento, no);
}

ElementoXml ElementoXml::adicionarFilho(const QString &nome)
{
    if (!no)
        throw ErroXml(QStringLiteral("Elemento \"%1\" sem pai no documento.").arg(nome));
    return ElementoXml(documento, no.append_child(nome.toUtf8().constData()));
}

void ElementoXml::definirAtributo(const QString &nome, const QString &valor)
{
    const QByteArray chave = nome.toUtf8();
    pugi::xml_attribute atributo = no.attribute(chave.constData());
    if (!atributo)
        atributo = no.append_attribute(chave.constData());
    atributo.set_value(valor.toUtf8().constData());
}

ValorAtributo ElementoXml::atributo(const QString &nome) const
{
    const pugi::xml_attribute atributo = no.attribute(nome.toUtf8().constData());
    if (!atributo)
        return ValorAtributo(nome, std::nullopt);
    return ValorAtributo(nome, deUtf8(atributo.value()));
}

QString ElementoXml::texto() const
{
    return deUtf8(no.child_value());
}

void ElementoXml::definirTexto(const QString &texto)
{
    if (texto.isEmpty()) {
        // An empty text leaves no text node, so the element is written as empty.
        while (no.first_child() && no.first_child().type() == pugi::node_pcdata)
            no.remove_child(no.first_child());
        return;
    }
    no.text().set(normalizarQuebras(texto).toUtf8().constData());
}

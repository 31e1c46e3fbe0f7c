#include "data/ElementoXml.h"

#include "data/Erros.h"
#include "data/ListaNos.h"
#include "data/Texto.h"

#include <string>
#include <string_view>

namespace {

// Line ends inside texts are kept as LF in memory; the file writer turns every LF into CR LF,
// and the parser turns CR LF back into LF, so a text survives any number of saves.
QString normalizarQuebras(QString texto)
{
    if (!texto.contains(u'\r'))
        return texto;
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(u'\r', u'\n');
    return texto;
}

// NUL is the one character XML cannot carry, not even as a reference. It is left out of what
// is written, so that it does not end the value there and drop the rest.
QString semNul(QString texto)
{
    if (texto.contains(QChar(u'\0')))
        texto.remove(QChar(u'\0'));
    return texto;
}

bool ehTexto(const pugi::xml_node &no)
{
    return no.type() == pugi::node_pcdata || no.type() == pugi::node_cdata;
}

} // namespace

ElementoXml::ElementoXml(std::shared_ptr<ArvoreXml> documento, pugi::xml_node no)
    : documento(std::move(documento)), no(no)
{
}

QString ElementoXml::nome() const
{
    return utf8ParaTexto(no.name());
}

QString ElementoXml::nomeLocal() const
{
    const QString qualificado = nome();
    return qualificado.mid(qualificado.indexOf(u':') + 1);
}

// Declared on the element itself or on the nearest parent that declares it; empty for none.
QString ElementoXml::espacoNomes() const
{
    const std::string_view qualificado = no.name();
    const size_t doisPontos = qualificado.find(':');
    const std::string declaracao = doisPontos == std::string_view::npos
                                       ? std::string("xmlns")
                                       : "xmlns:" + std::string(qualificado.substr(0, doisPontos));
    for (pugi::xml_node atual = no; atual; atual = atual.parent()) {
        if (const pugi::xml_attribute valor = atual.attribute(declaracao.c_str()))
            return utf8ParaTexto(valor.value());
    }
    return {};
}

ListaNos ElementoXml::filhos() const
{
    return ListaNos(documento, no);
}

ElementoXml ElementoXml::adicionarFilho(const QString &nome)
{
    if (!no)
        throw ErroXml(QStringLiteral("Elemento \"%1\" sem pai no documento.").arg(nome));
    // Element names are short and plain ASCII: no buffer to allocate for them.
    char curto[64];
    if (nome.size() < qsizetype(sizeof curto)) {
        qsizetype i = 0;
        for (; i < nome.size() && nome[i].unicode() < 0x80; ++i)
            curto[i] = static_cast<char>(nome[i].unicode());
        if (i == nome.size()) {
            curto[i] = '\0';
            return ElementoXml(documento, no.append_child(curto));
        }
    }
    return ElementoXml(documento, no.append_child(nome.toUtf8().constData()));
}

void ElementoXml::definirAtributo(const QString &nome, const QString &valor)
{
    const QByteArray chave = nome.toUtf8();
    pugi::xml_attribute atributo = no.attribute(chave.constData());
    if (!atributo)
        atributo = no.append_attribute(chave.constData());
    atributo.set_value(semNul(valor).toUtf8().constData());
}

ValorAtributo ElementoXml::atributo(const QString &nome) const
{
    const pugi::xml_attribute atributo = no.attribute(nome.toUtf8().constData());
    if (!atributo)
        return ValorAtributo(nome, std::nullopt);
    return ValorAtributo(nome, utf8ParaTexto(atributo.value()));
}

QString ElementoXml::texto() const
{
    // One text node, nearly every element, is decoded where it lies, without textoUtf8's copy.
    const pugi::xml_node primeiro = no.first_child();
    if (!primeiro.next_sibling())
        return ehTexto(primeiro) ? utf8ParaTexto(primeiro.value()) : QString();
    return utf8ParaTexto(textoUtf8());
}

QByteArray ElementoXml::textoUtf8() const
{
    // A comment or an instruction inside a text, which the parser leaves out, or a CDATA section
    // cuts it in parts; the text is all of them, as it is once saved.
    const pugi::xml_node primeiro = no.first_child();
    if (!primeiro.next_sibling())
        return ehTexto(primeiro) ? QByteArray(primeiro.value()) : QByteArray();
    QByteArray partes;
    for (pugi::xml_node filho = primeiro; filho; filho = filho.next_sibling()) {
        if (ehTexto(filho))
            partes += filho.value();
    }
    return partes;
}

void ElementoXml::definirTexto(const QString &texto)
{
    definirTextoUtf8(normalizarQuebras(semNul(texto)).toUtf8());
}

void ElementoXml::definirTextoUtf8(const QByteArray &bytes)
{
    for (pugi::xml_node filho = no.first_child(); filho;) {
        const pugi::xml_node seguinte = filho.next_sibling();
        if (ehTexto(filho))
            no.remove_child(filho);
        filho = seguinte;
    }
    // An empty text leaves no text node, so the element is written as empty.
    if (!bytes.isEmpty())
        no.prepend_child(pugi::node_pcdata)
            .set_value(bytes.constData(), static_cast<size_t>(bytes.size()));
}

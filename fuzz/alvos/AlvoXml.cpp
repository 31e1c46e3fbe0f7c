// The XML layer: the bytes as a plan file (UTF-8 or the Windows-1252 fallback), walked as the
// section readers walk it, converted as they convert, saved and read back; and the same bytes
// as texts that a writer puts into a new document.

#include "alvos/Alvos.h"
#include "alvos/Apoio.h"

#include "data/DocumentoXml.h"
#include "data/Erros.h"
#include "data/Texto.h"

#include <QStringList>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace alvos {

namespace {

// The attributes the plan's readers ask for.
const QStringList atributosDoPlano = {QStringLiteral("xmlns"),   QStringLiteral("nome"),
                                      QStringLiteral("cor"),     QStringLiteral("data"),
                                      QStringLiteral("diretor"), QStringLiteral("total"),
                                      QStringLiteral("maximo"),  QStringLiteral("titulo"),
                                      QStringLiteral("id"),      QStringLiteral("operacoes")};

// A piece per element; the input's text is cut in at most this many.
constexpr qsizetype maximoPartes = 8;

// A plan that a refused file must leave as it was.
const QByteArray planoAnterior =
    "<planejamento xmlns=\"xmlns\"><escola nome=\"E\"/></planejamento>";

// The integer converter's promise said another way: blanks around, an optional sign, decimal
// digits, a value of 32 bits.
std::optional<int> inteiroEsperado(const QString &texto)
{
    const QString limpo = texto.trimmed();
    const bool negativo = limpo.startsWith(u'-');
    const qsizetype inicio = (negativo || limpo.startsWith(u'+')) ? 1 : 0;
    if (inicio == limpo.size())
        return std::nullopt;
    qint64 valor = 0;
    for (qsizetype i = inicio; i < limpo.size(); ++i) {
        const char16_t c = limpo[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        valor = valor * 10 + (c - u'0');
        if (valor > qint64(INT32_MAX) + 1)
            return std::nullopt;
    }
    valor = negativo ? -valor : valor;
    if (valor > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(valor);
}

template <typename Acao> bool levanta(Acao acao)
{
    try {
        acao();
    } catch (const ErroXml &) {
        return true;
    }
    return false;
}

QString comTamanho(const QString &texto)
{
    return QString::number(texto.size()) + u':' + texto;
}

QString verificarAtributos(const ElementoXml &elemento, QString &vista)
{
    for (const QString &nome : atributosDoPlano) {
        const ValorAtributo valor = elemento.atributo(nome);
        if (valor.nulo())
            continue;
        const QString texto = valor.texto();
        if (!textoValido(texto))
            return falha("an attribute reads as invalid UTF-16", nome);
        vista += nome + u'=' + comTamanho(texto);
        const std::optional<int> esperado = inteiroEsperado(texto);
        try {
            const int numero = valor.inteiro();
            if (esperado != numero)
                return falha("an attribute converts to the wrong integer", texto);
        } catch (const ErroConversao &) {
            if (esperado)
                return falha("an integer attribute does not convert", texto);
        }
    }
    return {};
}

QString verificarFilhos(const ElementoXml &elemento, const ListaNos &filhos)
{
    int contados = 0;
    for (const ElementoXml &filho : filhos) {
        if (filhos.item(contados).nome() != filho.nome())
            return falha("a child by position is not the child in order", filho.nome());
        ++contados;
    }
    if (contados != filhos.quantidade())
        return falha("a child list counts other than it lists", elemento.nome());
    return {};
}

// Lookups that miss raise, and nothing else does (the first child by the name of the last).
QString verificarBuscas(const ElementoXml &raiz)
{
    const ListaNos filhos = raiz.filhos();
    const ValorAtributo ausente = raiz.atributo(QStringLiteral(" ausente"));
    if (!levanta([&] { filhos.item(-1); }) || !levanta([&] { filhos.item(filhos.quantidade()); }) ||
        !levanta([&] { filhos.porNome(QStringLiteral(" ausente")); }) ||
        !levanta([&] { ausente.texto(); }) || !levanta([&] { ausente.inteiro(); }))
        return falha("a lookup that misses does not raise");
    if (filhos.quantidade() > 0) {
        const QString nome = filhos.item(filhos.quantidade() - 1).nome();
        if (filhos.porNome(nome).nome() != nome)
            return falha("a child by name is not one of that name", nome);
    }
    return {};
}

// Walks every element as the readers do and returns what they see of it; an empty optional
// and `erro` set when a promise of the navigation broke.
std::optional<QString> percorrer(const DocumentoXml &documento, QString &erro)
{
    QString vista;
    std::vector<std::pair<ElementoXml, int>> pendentes{{documento.raiz(), 0}};
    while (!pendentes.empty()) {
        const auto [elemento, nivel] = pendentes.back();
        pendentes.pop_back();
        const QString nome = elemento.nome();
        const QString texto = elemento.texto();
        if (!textoValido(nome) || !textoValido(texto)) {
            erro = falha("a name or text reads as invalid UTF-16", nome);
            return std::nullopt;
        }
        vista += QString::number(nivel) + u'<' + comTamanho(nome) + comTamanho(texto);
        erro = verificarAtributos(elemento, vista);
        const ListaNos filhos = elemento.filhos();
        if (erro.isEmpty())
            erro = verificarFilhos(elemento, filhos);
        if (!erro.isEmpty())
            return std::nullopt;
        for (int i = filhos.quantidade() - 1; i >= 0; --i)
            pendentes.emplace_back(filhos.item(i), nivel + 1);
    }
    return vista;
}

QString verificarDecodificacao(const QByteArray &bytes)
{
    const QString texto = decodificarTexto(bytes);
    if (!textoValido(texto))
        return falha("decoded text is invalid UTF-16");
    if (ehUtf8Valido(bytes)) {
        const QByteArray semBom = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
        if (texto.toUtf8() != semBom)
            return falha("UTF-8 decoded and encoded again differs");
        return {};
    }
    if (texto.size() != bytes.size())
        return falha("a Windows-1252 byte is not one character");
    const QByteArray convertido = windows1252ParaUtf8(bytes);
    if (!ehUtf8Valido(convertido) || decodificarTexto(convertido) != texto)
        return falha("Windows-1252 converted to UTF-8 reads differently");
    return {};
}

// The document saved reads back as the same document, and saves as the same bytes.
QString verificarGravacao(const DocumentoXml &documento, const QString &vista)
{
    const QByteArray salvo = documento.paraBytes();
    if (!ehUtf8Valido(salvo))
        return falha("a saved document is not UTF-8");
    DocumentoXml relido;
    try {
        relido.carregarBytes(salvo);
    } catch (const ErroXml &erro) {
        return falha("a saved document is refused", erro.mensagem());
    }
    QString erro;
    const std::optional<QString> vistaRelida = percorrer(relido, erro);
    if (!vistaRelida)
        return erro;
    if (*vistaRelida != vista)
        return falha("a saved document reads back differently", ondeDiferem(vista, *vistaRelida));
    if (relido.paraBytes() != salvo)
        return falha("a document saved, read and saved again changed");
    return {};
}

// The input's text written by a writer into a new document, as the plan's writers write: every
// piece as an attribute (set over an older value) and as the text of an element that holds no
// other (set over an older text). Only NUL, which XML cannot carry, is left out, and texts get
// LF line ends.
QString verificarEscrita(const QByteArray &bytes)
{
    QStringList partes = decodificarTexto(bytes).split(u'\x01');
    if (partes.size() > maximoPartes)
        partes = partes.mid(0, maximoPartes - 1) << partes.mid(maximoPartes - 1).join(u'\x01');
    DocumentoXml novo;
    ElementoXml raiz = novo.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));
    for (const QString &parte : partes) {
        ElementoXml item = raiz.adicionarFilho(QStringLiteral("problema"));
        item.definirAtributo(QStringLiteral("nome"), QStringLiteral("antes"));
        item.definirAtributo(QStringLiteral("cor"), parte);
        item.definirAtributo(QStringLiteral("nome"), parte);
        ElementoXml indicador = item.adicionarFilho(QStringLiteral("indicador"));
        indicador.definirTexto(QStringLiteral("antes"));
        indicador.definirTexto(parte);
    }
    DocumentoXml relido;
    try {
        relido.carregarBytes(novo.paraBytes());
    } catch (const ErroXml &erro) {
        return falha("a written document is refused", erro.mensagem());
    }
    const ListaNos itens = relido.secoes();
    if (itens.quantidade() != partes.size())
        return falha("a written document reads back with other elements");
    for (int i = 0; i < itens.quantidade(); ++i) {
        const QString parte = QString(partes[i]).remove(QChar(u'\0'));
        const ElementoXml item = itens.item(i);
        for (const char *nome : {"nome", "cor"}) {
            const QString lido = item.atributo(QString::fromLatin1(nome)).texto();
            if (lido != parte)
                return falha("an attribute reads back differently", ondeDiferem(parte, lido));
        }
        const QString texto = item.filhos().item(0).texto();
        if (texto != quebrasLf(parte))
            return falha("a text reads back differently", ondeDiferem(quebrasLf(parte), texto));
    }
    return {};
}

} // namespace

QString xml(const QByteArray &bytes)
{
    if (QString erro = verificarDecodificacao(bytes); !erro.isEmpty())
        return erro;
    if (QString erro = verificarEscrita(bytes); !erro.isEmpty())
        return erro;

    DocumentoXml documento;
    documento.carregarBytes(planoAnterior);
    const QByteArray anterior = documento.paraBytes();
    try {
        documento.carregarBytes(bytes);
    } catch (const ErroXml &erro) {
        if (erro.mensagem().isEmpty() || !textoValido(erro.mensagem()))
            return falha("a refusal without a readable reason");
        if (documento.paraBytes() != anterior)
            return falha("a refused file changed the document");
        return {};
    }
    if (QString erro = verificarBuscas(documento.raiz()); !erro.isEmpty())
        return erro;
    QString erro;
    const std::optional<QString> vista = percorrer(documento, erro);
    if (!vista)
        return erro;
    return verificarGravacao(documento, *vista);
}

} // namespace alvos

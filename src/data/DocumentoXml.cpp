#include "data/DocumentoXml.h"

#include "data/Erros.h"
#include "data/Gravacao.h"
#include "data/Texto.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr qint64 megabyte = 1024 * 1024;
constexpr unsigned opcoesLeitura = pugi::parse_default | pugi::parse_ws_pcdata_single;
constexpr unsigned opcoesEscrita = pugi::format_indent | pugi::format_no_declaration;
const char *const indentacao = "    ";

// The file's layout as the parser's output streams by: every LF becomes CR LF, and a CR, which
// only a text taken from a reference (&#13;) holds (ElementoXml writes LF only), is written as
// that reference, or the next load would take it for a line end. One pass, no copy after it.
class EscritorArquivo : public pugi::xml_writer {
public:
    QByteArray bytes;
    void write(const void *dados, size_t tamanho) override
    {
        const char *trecho = static_cast<const char *>(dados);
        const char *const fim = trecho + tamanho;
        // Found with memchr, which passes over the plain text many bytes at a time; the room
        // is made once per piece, so the bytes are copied once.
        qsizetype acrescimo = 0;
        for (const char *lf = proximo(trecho, fim, '\n'); lf != fim;
             lf = proximo(lf + 1, fim, '\n'))
            acrescimo += 1;
        for (const char *cr = proximo(trecho, fim, '\r'); cr != fim;
             cr = proximo(cr + 1, fim, '\r'))
            acrescimo += 4;
        const qsizetype antes = bytes.size();
        bytes.resize(antes + static_cast<qsizetype>(tamanho) + acrescimo);
        char *saida = bytes.data() + antes;
        const char *lf = proximo(trecho, fim, '\n');
        const char *cr = proximo(trecho, fim, '\r');
        while (true) {
            const char *const quebra = std::min(lf, cr);
            saida = copiar(saida, trecho, quebra - trecho);
            if (quebra == fim)
                break;
            if (quebra == lf) {
                saida = copiar(saida, "\r\n", 2);
                lf = proximo(quebra + 1, fim, '\n');
            } else {
                saida = copiar(saida, "&#13;", 5);
                cr = proximo(quebra + 1, fim, '\r');
            }
            trecho = quebra + 1;
        }
    }

private:
    static const char *proximo(const char *de, const char *fim, char procurado)
    {
        const void *achado = std::memchr(de, procurado, static_cast<size_t>(fim - de));
        return achado ? static_cast<const char *>(achado) : fim;
    }
    static char *copiar(char *para, const char *de, std::ptrdiff_t quantos)
    {
        std::memcpy(para, de, static_cast<size_t>(quantos));
        return para + quantos;
    }
};

// Whether a character reference in the text stands for what UTF-8 cannot carry: a surrogate
// or a code point past U+10FFFF, which the parser writes as it is.
bool referenciaMalFormada(std::string_view texto)
{
    for (size_t e = texto.find("&#"); e != std::string_view::npos; e = texto.find("&#", e + 2)) {
        size_t i = e + 2;
        const bool hexa = i < texto.size() && (texto[i] == 'x' || texto[i] == 'X');
        if (hexa)
            ++i;
        std::uint64_t valor = 0;
        for (; i < texto.size() && valor <= 0x10FFFF; ++i) {
            const char c = texto[i];
            int digito = -1;
            if (c >= '0' && c <= '9')
                digito = c - '0';
            else if (hexa && c >= 'a' && c <= 'f')
                digito = c - 'a' + 10;
            else if (hexa && c >= 'A' && c <= 'F')
                digito = c - 'A' + 10;
            if (digito < 0)
                break;
            valor = valor * (hexa ? 16 : 10) + static_cast<std::uint64_t>(digito);
        }
        if (valor > 0x10FFFF || (valor >= 0xD800 && valor <= 0xDFFF))
            return true;
    }
    return false;
}

bool temBomUtf16ou32(const QByteArray &bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

// Line and column (from 1) of a byte offset, for messages that point into the file.
QString posicaoNoTexto(const QByteArray &bytes, qsizetype deslocamento)
{
    int linha = 1;
    int coluna = 1;
    for (qsizetype i = 0; i < deslocamento && i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ++linha;
            coluna = 1;
        } else if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80) {
            ++coluna;
        }
    }
    return QStringLiteral("linha %1, coluna %2").arg(linha).arg(coluna);
}

// The parser's reasons, in the words the program's messages use.
QString motivoDoLeitor(pugi::xml_parse_status estado)
{
    switch (estado) {
    case pugi::status_out_of_memory:
        return QStringLiteral("memória insuficiente para ler o arquivo");
    case pugi::status_unrecognized_tag:
    case pugi::status_bad_start_element:
        return QStringLiteral("marcação de elemento inválida");
    case pugi::status_bad_pi:
        return QStringLiteral("declaração ou instrução de processamento inválida");
    case pugi::status_bad_comment:
        return QStringLiteral("comentário inválido");
    case pugi::status_bad_cdata:
        return QStringLiteral("seção CDATA inválida");
    case pugi::status_bad_doctype:
        return QStringLiteral("declaração de tipo de documento inválida");
    case pugi::status_bad_pcdata:
        return QStringLiteral("texto inválido");
    case pugi::status_bad_attribute:
        return QStringLiteral("atributo inválido");
    case pugi::status_bad_end_element:
        return QStringLiteral("fim de elemento inválido");
    case pugi::status_end_element_mismatch:
        return QStringLiteral("elemento fechado sem ter sido aberto, ou aberto e não fechado "
                              "(o arquivo pode estar incompleto)");
    case pugi::status_no_document_element:
        return QStringLiteral("o documento não tem elemento raiz");
    default:
        return QStringLiteral("erro de leitura do XML");
    }
}

// A NUL reference (&#0;) ends a text where it stands, and may leave it empty, or blank between
// elements, where the parser keeps no text. Saved and read again, such a text would be gone;
// it goes at once, so the document reads the same before and after a save.
class TextosSemConteudo : public pugi::xml_tree_walker {
public:
    std::vector<pugi::xml_node> achados;

    bool for_each(pugi::xml_node &no) override
    {
        if (no.type() != pugi::node_pcdata)
            return true;
        const std::string_view valor = no.value();
        const bool emBranco = valor.find_first_not_of(" \t\r\n") == std::string_view::npos;
        if (valor.empty() || (emBranco && (no.previous_sibling() || no.next_sibling())))
            achados.push_back(no);
        return true;
    }
};

void tirarTextosSemConteudo(pugi::xml_document &documento)
{
    TextosSemConteudo busca;
    documento.traverse(busca);
    for (pugi::xml_node &no : busca.achados)
        no.parent().remove_child(no);
}

} // namespace

DocumentoXml::DocumentoXml() : documento(std::make_shared<ArvoreXml>()) {}

void DocumentoXml::carregar(const QString &arquivo)
{
    const ArquivoLido lido = lerArquivoComum(arquivo, tamanhoMaximoArquivo);
    switch (lido.falha) {
    case ArquivoLido::Falha::nenhuma:
        break;
    case ArquivoLido::Falha::naoEhArquivoComum:
        throw ErroXml(QStringLiteral("O arquivo \"%1\" não é um arquivo comum (é uma pasta, um "
                                     "dispositivo ou um canal); ele não foi lido.")
                          .arg(arquivo));
    case ArquivoLido::Falha::naoAbriu:
        throw ErroXml(
            QStringLiteral("Não foi possível ler o arquivo \"%1\": %2").arg(arquivo, lido.motivo));
    case ArquivoLido::Falha::grandeDemais:
        // Rounded up, so a file just past the limit never reads as at it. A size the file
        // system does not know (a device) is not shown.
        if (lido.tamanho > tamanhoMaximoArquivo) {
            throw ErroXml(QStringLiteral("O arquivo \"%1\" tem %2 MB, mais que o limite de %3 MB "
                                         "de um plano; ele não foi lido.")
                              .arg(arquivo)
                              .arg((lido.tamanho + megabyte - 1) / megabyte)
                              .arg(tamanhoMaximoArquivo / megabyte));
        }
        throw ErroXml(QStringLiteral("O arquivo \"%1\" passa do limite de %2 MB de um plano; ele "
                                     "não foi lido.")
                          .arg(arquivo)
                          .arg(tamanhoMaximoArquivo / megabyte));
    }
    try {
        carregarBytes(lido.bytes);
        bytesLidos = lido.bytes;
    } catch (const ErroXml &erro) {
        throw ErroXml(QStringLiteral("Arquivo \"%1\": %2").arg(arquivo, erro.mensagem()));
    }
}

void DocumentoXml::carregarBytes(const QByteArray &conteudo)
{
    QByteArray texto = conteudo;
    pugi::xml_encoding codificacao = pugi::encoding_utf8;
    bool bemFormado = true;
    if (temBomUtf16ou32(conteudo)) {
        codificacao = pugi::encoding_auto;
        bemFormado = false; // not looked into: each text is checked as it is read
    } else if (!ehUtf8Valido(conteudo)) {
        texto = windows1252ParaUtf8(conteudo);
    }

    if (conteudo.isEmpty())
        throw ErroXml(QStringLiteral("XML inválido: o arquivo está vazio."));
    auto novo = std::make_shared<ArvoreXml>();
    const pugi::xml_parse_result resultado = novo->load_buffer(
        texto.constData(), static_cast<size_t>(texto.size()), opcoesLeitura, codificacao);
    if (!resultado) {
        throw ErroXml(
            QStringLiteral("XML inválido (%1): %2.")
                .arg(posicaoNoTexto(texto, resultado.offset), motivoDoLeitor(resultado.status)));
    }
    if (!novo->document_element())
        throw ErroXml(QStringLiteral("XML inválido: o documento não tem elemento raiz."));
    tirarTextosSemConteudo(*novo);
    novo->textosBemFormados =
        bemFormado && !referenciaMalFormada(
                          std::string_view(texto.constData(), static_cast<size_t>(texto.size())));
    documento = std::move(novo);
    gravadosPorLer.reset();
    estaAtivo = true;
}

void DocumentoXml::adotarGravados(const QByteArray &bytes)
{
    gravadosPorLer = bytes;
    bytesLidos = bytes;
}

// The tree the bytes were written from reads the same but for what the parser normalises;
// should the parse fail, that tree stays.
void DocumentoXml::lerGravados() const
{
    if (!gravadosPorLer)
        return;
    const QByteArray bytes = *std::exchange(gravadosPorLer, std::nullopt);
    try {
        DocumentoXml lido;
        lido.carregarBytes(bytes);
        documento = lido.documento;
    } catch (const ErroXml &) {
    }
}

QByteArray DocumentoXml::paraBytes() const
{
    EscritorArquivo escritor;
    documento->save(escritor, indentacao, opcoesEscrita, pugi::encoding_utf8);
    // A character reference outside Unicode (&#xD800;) leaves bytes that are no UTF-8 in the
    // tree. Written as they are, they would make the next load read the whole file as
    // Windows-1252; they are written as the readers read them, as U+FFFD. A tree known to hold
    // none (made from texts, or read from a file without such references) is not checked.
    if (!documento->textosBemFormados && !ehUtf8Valido(escritor.bytes))
        escritor.bytes = utf8ParaTexto(escritor.bytes).toUtf8();
    return escritor.bytes;
}

QByteArray DocumentoXml::salvar(const QString &arquivo) const
{
    const QByteArray bytes = paraBytes();
    QString motivo;
    if (!gravarArquivoInteiro(arquivo, bytes, &motivo)) {
        throw ErroXml(
            QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2").arg(arquivo, motivo));
    }
    return bytes;
}

ElementoXml DocumentoXml::criarRaiz(const QString &nome, const QString &espacoNomes)
{
    auto novo = std::make_shared<ArvoreXml>();
    pugi::xml_node raiz = novo->append_child(nome.toUtf8().constData());
    raiz.append_attribute("xmlns").set_value(espacoNomes.toUtf8().constData());
    documento = std::move(novo);
    gravadosPorLer.reset();
    return ElementoXml(documento, raiz);
}

ElementoXml DocumentoXml::raiz() const
{
    lerGravados();
    return ElementoXml(documento, documento->document_element());
}

ListaNos DocumentoXml::secoes() const
{
    const ElementoXml elemento = raiz();
    if (!elemento.valido())
        throw ErroXml(QStringLiteral("O documento não tem elemento raiz."));
    return elemento.filhos();
}

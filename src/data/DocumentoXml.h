#pragma once

// A plan document in memory, and its file form: UTF-8 without declaration, four spaces per
// level, CR LF line ends. Loading accepts UTF-8 (with or without BOM) and falls back to
// Windows-1252; a failed load leaves the document as it was. Saving writes all of the file or
// none of it (gravarArquivoInteiro), so a failed save never damages the file that was there.

#include "data/ElementoXml.h"
#include "data/ListaNos.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

class DocumentoXml {
public:
    // Larger files are refused before they are read: no plan comes near this size.
    static constexpr qint64 tamanhoMaximoArquivo = 32 * 1024 * 1024;

    DocumentoXml();

    bool ativo() const { return estaAtivo; }
    void ativar() { estaAtivo = true; }

    void carregar(const QString &arquivo);           // raises ErroXml
    void carregarBytes(const QByteArray &conteudo);  // raises ErroXml
    QByteArray salvar(const QString &arquivo) const; // what was written; raises ErroXml
    QByteArray paraBytes() const;                    // the file's bytes

    // After these bytes, made by paraBytes, were written: from now on the document reads as the
    // file does. The tree is read from them when first asked for, so a save nothing reads after
    // costs no parse.
    void adotarGravados(const QByteArray &bytes);

    // The bytes of the file this document was last loaded from; none before any such load.
    const std::optional<QByteArray> &bytesDoArquivo() const { return bytesLidos; }

    // Makes a new root element carrying the default namespace declaration, in a new tree: child
    // lists handed out earlier keep the old tree, which they share.
    ElementoXml criarRaiz(const QString &nome, const QString &espacoNomes);
    ElementoXml raiz() const; // not valido() when the document is empty
    ListaNos secoes() const;  // the root's children; raises when there is no root

private:
    void lerGravados() const;

    mutable std::shared_ptr<ArvoreXml> documento;
    mutable std::optional<QByteArray> gravadosPorLer;
    bool estaAtivo = false;
    std::optional<QByteArray> bytesLidos;
};

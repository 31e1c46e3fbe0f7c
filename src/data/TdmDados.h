#pragma once

// The data module: the only place where the plan file is read and written. It owns the plan's
// XML document, walks the section writers and readers in their fixed order and remembers the
// current plan file in config.ini between runs.

#include "data/DocumentoXml.h"

#include <QString>

class TdmDados {
public:
    static inline const QString arquivoConfiguracao = QStringLiteral("config.ini");
    static inline const QString secaoArquivos = QStringLiteral("arquivos");
    static inline const QString chavePlanejamento = QStringLiteral("planejamento");
    static inline const QString planoPadraoConfiguracao = QStringLiteral("./plano.xml");
    static inline const QString planoPadrao = QStringLiteral("plano.xml");
    static inline const QString mensagemErroGravacao =
        QStringLiteral("Erro de gravação do arquivo de dados!\nTente salvar o arquivo em outro "
                       "local.");

    TdmDados();  // reads config.ini from the start-up directory
    ~TdmDados(); // writes config.ini there

    TdmDados(const TdmDados &) = delete;
    TdmDados &operator=(const TdmDados &) = delete;

    // Raises on a file that cannot be read or parsed, before anything has changed.
    void carregar(const QString &nome);
    void salvar(const QString &nome); // reports its own failure, never raises
    void limpar(bool comItens);
    QString nomeArquivoOuPadrao() const;

    void prepararCedula();          // saves, then fills fmCedula
    void prepararAta();             // saves, then fills fmRelatorio
    ListaNos prepararOrganograma(); // saves, then hands out the sections

    // The lists' sections (problems, categories, grades and analysis), written and read in the
    // order their readers need; the school's section is not among them.
    static void gravarListas(DocumentoXml &documento);
    static void lerListas(const ListaNos &secoes);

    DocumentoXml xmlDoc;
    QString arquivoPlano;
    QString diretorioInicial;

private:
    void gravarConfiguracao() const;
};

extern TdmDados *dmDados;

#pragma once

// The data module: the only place where the plan file is read and written. It owns the plan's
// XML document, walks the section writers and readers in their fixed order and remembers the
// current plan file in config.ini between runs. It also knows whether the plan on screen still
// is what was last loaded or saved: the plan is built from the screens as a save would write it
// and compared with what that load or save left, so no edit anywhere can slip past the check.

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
    ~TdmDados(); // writes config.ini there, as every opening and naming of a plan does

    TdmDados(const TdmDados &) = delete;
    TdmDados &operator=(const TdmDados &) = delete;

    // Raises on a file that cannot be read or parsed, or is not a plan, before anything has
    // changed.
    void carregar(const QString &nome);
    // The same with the plan `nome` already read by lerArquivoPlano, so it is parsed once.
    void carregar(const QString &nome, DocumentoXml lido);
    bool salvar(const QString &nome); // reports its own failure, never raises; false then
    void limpar(bool comItens);
    QString nomeArquivoOuPadrao() const;

    // A plan file read whole and checked: raises ErroXml, with the file name and the reason, for
    // a file that cannot be read, does not parse, or whose root is not a plan's.
    static DocumentoXml lerArquivoPlano(const QString &nome);

    // The plan on screen has no file until the user names one (after "Novo plano"); what the
    // screens hold now counts as unchanged.
    void esquecerArquivo();
    bool temArquivo() const { return !arquivoPlano.isEmpty(); }
    // True when the screens hold something the last load or save did not.
    bool planoAlterado() const;

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
    void gravarConfiguracao();
    void lerPlano(); // from xmlDoc into the screens
    static void montarPlano(DocumentoXml &documento);
    static QByteArray planoDasTelas();

    QByteArray planoGravado; // the plan as the last load or save left the screens
    bool configuracaoFalhou = false;
};

extern TdmDados *dmDados;

#pragma once

// The data module: the only place where the plan file is read and written. It owns the plan's
// XML document, walks the section writers and readers in their fixed order and remembers the
// current plan file in config.ini between runs. It also knows whether the plan on screen still
// is what was last loaded or saved: the plan is built from the screens as a save would write it
// and compared with what that load or save left, so no edit anywhere can slip past the check.
//
// It holds the open plan file's lock (TravaPlano), so two copies of the program never edit one
// file, and it remembers the file's bytes as it last read or wrote them: a save over
// a file that another program has changed since asks first.

#include "data/CopiaRecuperacao.h"
#include "data/DocumentoXml.h"
#include "data/TravaPlano.h"

#include <QString>
#include <memory>
#include <optional>

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
    static inline const QString perguntaRecuperar =
        QStringLiteral("Foi encontrado trabalho não salvo do plano %1, de %2. Deseja "
                       "recuperá-lo?");
    static inline const QString planoSemNome = QStringLiteral("sem nome");
    static inline const QString perguntaAlteradoNoDisco =
        QStringLiteral("O arquivo %1 foi alterado por outro programa desde que foi aberto. "
                       "Deseja substituí-lo?");

    TdmDados();  // reads config.ini from the start-up directory
    ~TdmDados(); // writes config.ini there, as every opening and naming of a plan does

    TdmDados(const TdmDados &) = delete;
    TdmDados &operator=(const TdmDados &) = delete;

    // Raises on a file that cannot be read or parsed, or is not a plan, before anything has
    // changed.
    void carregar(const QString &nome);
    // The same with the plan `nome` already read by lerArquivoPlano, so it is parsed once.
    void carregar(const QString &nome, DocumentoXml lido);
    // Reports its own failure, never raises; false then, and false when the user cancelled.
    bool salvar(const QString &nome);
    bool gravacaoCancelada() const { return cancelada; } // by the last save
    void limpar(bool comItens);

    // Before the plan file `nome` is opened: its lock is taken, unless another running copy of
    // the program holds it; the user then chooses a copy without a file, or nothing.
    enum class Reserva { plano, copia, cancelada };
    Reserva reservarPlano(const QString &nome);
    // The plan read from a file another copy holds, on screen without a file.
    void abrirCopia(DocumentoXml lido);

    // At start-up: offers, one by one, the work a crash left unsaved; true when a recovered
    // plan is now on screen (counted as changed, under its own file name).
    bool recuperarTrabalho();
    // The user gave up the changes on screen: their recovery copy goes.
    void descartarRecuperacao();
    CopiaRecuperacao &copiaRecuperacao() { return *recuperacao; }
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
    // The plan just read, as the baseline of planoAlterado; done by itself before any edit.
    void tomarLinhaDeBase();

    // Each saves, then fills its window or hands out the sections; false, or
    // gravacaoCancelada(), when the user stopped the save.
    bool prepararCedula();          // fills fmCedula
    bool prepararAta();             // fills fmRelatorio
    ListaNos prepararOrganograma(); // the sections

    // The lists' sections (problems, categories, grades and analysis), written and read in the
    // order their readers need; the school's section is not among them.
    static void gravarListas(DocumentoXml &documento);
    static void lerListas(const ListaNos &secoes);

    DocumentoXml xmlDoc;
    QString arquivoPlano;
    QString diretorioInicial;

private:
    enum class Gravacao { feita, falhou, cancelada };
    Gravacao gravar(const QString &nome);
    bool podeGravarSobre(const QString &nome, QString &destino);
    void gravarConfiguracao();
    void lerPlano(); // from xmlDoc into the screens
    bool abrirRecuperado(const CopiaRecuperacao::Pendente &pendente);
    QString absolutoDoPlano() const; // empty without a file
    static void montarPlano(DocumentoXml &documento);
    static QByteArray planoDasTelas();

    void definirLinhaDeBase(const QByteArray &bytes);
    void adiarLinhaDeBase();

    QByteArray planoGravado;          // the plan as the last load or save left the screens
    bool linhaDeBasePendente = false; // a plan was read and nothing since could have changed it
    unsigned leituraAdiada = 0;       // which reading the waiting task is for
    std::shared_ptr<char> vida = std::make_shared<char>(); // what a waiting task asks after
    bool configuracaoFalhou = false;
    bool cancelada = false;
    std::optional<QByteArray> bytesNoDisco; // the plan file as last read or written here
    std::unique_ptr<TravaPlano> trava;
    std::unique_ptr<TravaPlano> travaReservada; // taken for a plan about to be opened
    int reconstrucoes = 0; // the screens are being rebuilt: nothing to copy now
    std::unique_ptr<CopiaRecuperacao> recuperacao;
};

extern TdmDados *dmDados;

// Feeds arbitrary bytes to the program as a plan file: the data module's load into a headless
// program (after emptying both lists, as "&Abrir plano" does), a save of what the screens then
// hold, and the three documents built from the bytes as they came. Any crash, hang or sanitizer
// report is a fault; errors the program reports are not. A save that the program cannot read
// back, or that a second load and save would change, costs the user data: that aborts too.

#include "app/Aplicacao.h"
#include "app/Inicializacao.h"
#include "app/Interacao.h"
#include "data/DocumentoXml.h"
#include "data/Erros.h"
#include "data/TdmDados.h"
#include "documents/TfmCedula.h"
#include "documents/TfmDiagrama.h"
#include "documents/TfmRelatorio.h"
#include "grading/ControleNotas.h"
#include "problems/ControleProblemas.h"
#include "voters/ControleVotantes.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Answers every question as a user who cancels, and shows nothing.
class InteracaoSilenciosa : public Interacao {
public:
    void mensagem(Icone, const QString &) override {}
    Resposta perguntar(const QString &) override { return Resposta::Nao; }
    QString arquivoParaAbrir(const QString &) override { return {}; }
    QString arquivoParaSalvar(const QString &) override { return {}; }
    bool configurarImpressora(QPrinter &) override { return false; }
    int exibirModal(QDialog &) override { return QDialog::Rejected; }
};

template <typename Acao> void semErroDeLeitura(Acao acao)
{
    try {
        acao();
    } catch (const ErroSorvane &) {
        // A damaged plan may be refused with a message; that is not a finding.
    }
}

const QString arquivoEntrada = QStringLiteral("entrada.xml");
const QString arquivoSaida = QStringLiteral("saida.xml");
const QString arquivoSegundaSaida = QStringLiteral("saida2.xml");

QByteArray lerArquivo(const QString &nome)
{
    QFile arquivo(nome);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

[[noreturn]] void falhar(const char *motivo)
{
    std::fprintf(stderr, "fuzz_plano: %s\n", motivo);
    std::abort();
}

// The plan in `nome` into the screens as "&Abrir plano" puts it there, then saved as `destino`.
void abrirESalvar(const QString &nome, const QString &destino)
{
    controleProblemas->esvaziar();
    controleVotantes->esvaziar();
    semErroDeLeitura([&] { dmDados->carregar(nome); });
    controleProblemas->atualizar(false);
    controleVotantes->atualizar(false);
    controleNotas->atualizar(false);
    QFile::remove(destino);
    dmDados->salvar(destino);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static Aplicacao aplicacao(*argc, *argv);
    static QTemporaryDir pasta;
    QDir::setCurrent(pasta.path());
    static InteracaoSilenciosa silencio;
    definirInteracao(&silencio);
    criarObjetosGlobais();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const QByteArray bytes(reinterpret_cast<const char *>(dados), static_cast<qsizetype>(tamanho));
    {
        QFile entrada(arquivoEntrada);
        if (!entrada.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        entrada.write(bytes);
    }

    abrirESalvar(arquivoEntrada, arquivoSaida);
    const QByteArray salvo = lerArquivo(arquivoSaida);
    if (salvo.isEmpty())
        falhar("the plan on screen was not saved");
    abrirESalvar(arquivoSaida, arquivoSegundaSaida);
    if (lerArquivo(arquivoSegundaSaida) != salvo)
        falhar("opening and saving a saved plan changed it");

    DocumentoXml documento;
    try {
        documento.carregarBytes(bytes);
    } catch (const ErroSorvane &) {
        return 0;
    }
    const ListaNos secoes = documento.secoes();
    semErroDeLeitura([&] {
        TfmCedula cedula;
        cedula.gerarCedula(secoes);
    });
    semErroDeLeitura([&] {
        TfmRelatorio relatorio;
        relatorio.montarAta(secoes);
    });
    semErroDeLeitura([&] {
        TfmDiagrama diagrama;
        diagrama.montarOrganograma(secoes, QStringLiteral("plano.xml"));
    });
    return 0;
}

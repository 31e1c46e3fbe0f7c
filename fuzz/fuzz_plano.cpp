// Feeds arbitrary bytes to the program as a plan file, along the road the regression cases of
// the test suite take (support/confiabilidade/PercursoPlano.h): opened as "&Abrir plano" opens
// a plan, saved, reopened and saved again, and the documents built. A crash, a hang, a
// sanitizer report or a broken promise of that road is a finding; a file the program refuses
// with a message is not.

#include "app/Aplicacao.h"
#include "app/Inicializacao.h"
#include "app/Interacao.h"
#include "support/confiabilidade/PercursoPlano.h"

#include <QDialog>
#include <QDir>
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
    const QString falha = percorrerPlano(bytes);
    if (!falha.isEmpty()) {
        std::fprintf(stderr, "fuzz_plano: %s\n", qPrintable(falha));
        std::abort();
    }
    return 0;
}

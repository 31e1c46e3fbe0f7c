// What the user waits for, on the largest plan the program can hold, each operation beside its
// floor. Headless (offscreen), with the scripted interaction answering every dialog; each figure
// is the median of several repetitions. `make bench` builds and runs it.
//
// With --instrucoes, under callgrind (`make bench-instrucoes`), each row runs its timed part a
// few times, the first one uncounted, and only the timed part is counted: the instructions of
// each row are written as a dump of their own, named after the row and the runs counted.

#include "Pisos.h"
#include "Tabela.h"

#include "app/Aplicacao.h"
#include "app/Inicializacao.h"
#include "app/TfmPrincipal.h"
#include "data/CopiaRecuperacao.h"
#include "data/TdmDados.h"
#include "documents/DadosOrganograma.h"
#include "documents/Organograma.h"
#include "documents/ServicoImpressao.h"
#include "documents/TfmCedula.h"
#include "documents/TfmDiagrama.h"
#include "documents/TfmRelatorio.h"
#include "grading/ControleNotas.h"
#include "problems/ControleProblemas.h"
#include "problems/TfrProblema.h"
#include "support/PlanoMaximo.h"
#include "support/Programa.h"
#include "voters/ControleVotantes.h"
#include "voters/TfrCabecalhoVotacao.h"

#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <QThread>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <valgrind/callgrind.h>

namespace {

enum Aba { abaProblemas = 0, abaVotantes = 1, abaNotas = 2, abaClassificacao = 3 };

const QString arquivoMaximo = QStringLiteral("maximo.xml");
const QString arquivoSalvo = QStringLiteral("salvo.xml");
const QDate dataCedulas(2026, 12, 7);

std::unique_ptr<Programa> programa;

bool contarInstrucoes = false;
int execucoesDaLinha = 0; // of the timed part, since the last row ended

template <typename Funcao> double cronometrar(Funcao &&funcao)
{
    // The first run of a row warms the caches it uses, as the first repetition of a timing does.
    const bool contar = contarInstrucoes && execucoesDaLinha++ > 0;
    if (contar)
        CALLGRIND_TOGGLE_COLLECT;
    const auto inicio = std::chrono::steady_clock::now();
    funcao();
    const auto fim = std::chrono::steady_clock::now();
    if (contar)
        CALLGRIND_TOGGLE_COLLECT;
    return std::chrono::duration<double>(fim - inicio).count();
}

// Each row's count goes into a dump of its own, "<row> <runs counted>".
class ColetorInstrucoes : public ColetorMedianas {
public:
    void ReportRuns(const std::vector<Run> &execucoes) override
    {
        ColetorMedianas::ReportRuns(execucoes);
        if (execucoes.empty())
            return;
        const std::string nome = execucoes.front().run_name.function_name + ' ' +
                                 std::to_string(std::max(0, execucoesDaLinha - 1));
        CALLGRIND_DUMP_STATS_AT(nome.c_str());
        execucoesDaLinha = 0;
    }
};

// Posted layout, update and paint events: what stands between a handler and the screen. The
// program's timers all start idle work (the baseline of a plan just read, frames built ahead,
// the recovery copy), which the screen does not wait for; under callgrind, slow enough for them
// to fall due, they would count in rows that do not wait for them either.
void processarEventos()
{
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
}

// The largest plan opened as the user opens it: "Abrir plano" on the file.
void abrirPlanoMaximo()
{
    programa->interacao.arquivos.enqueue(arquivoMaximo);
    fmPrincipal->mItemAbrirClick();
    programa->interacao.limpar();
    processarEventos();
}

void garantirPrograma()
{
    if (programa)
        return;
    programa = std::make_unique<Programa>();
    fmPrincipal->show();
    abrirPlanoMaximo();
}

void mostrarAba(int aba)
{
    fmPrincipal->pcControlePaginas->setCurrentIndex(aba);
    processarEventos();
}

template <typename Janela> std::unique_ptr<Janela> novaJanela()
{
    return std::make_unique<Janela>(fmPrincipal);
}

QTextDocument &documentoDe(QDialog &janela, const char *nome)
{
    return *janela.findChild<QTextEdit *>(QString::fromLatin1(nome))->document();
}

// --- building and the plan file ---------------------------------------------------------------

void construir(benchmark::State &estado)
{
    programa.reset();
    InteracaoRoteirizada silenciosa;
    for (auto _ : estado) {
        estado.SetIterationTime(cronometrar([] { criarObjetosGlobais(); }));
        destruirObjetosGlobais();
    }
}

void carregar(benchmark::State &estado)
{
    garantirPrograma();
    for (auto _ : estado) {
        // Idle time takes the baseline of the plan read before the user's next command.
        dmDados->tomarLinhaDeBase();
        controleProblemas->esvaziar();
        controleVotantes->esvaziar();
        estado.SetIterationTime(cronometrar([] { dmDados->carregar(arquivoMaximo); }));
    }
    abrirPlanoMaximo();
}

void carregarPiso(benchmark::State &estado)
{
    for (auto _ : estado)
        estado.SetIterationTime(cronometrar([] { pisos::carregarXml(arquivoMaximo); }));
}

void abrir(benchmark::State &estado)
{
    garantirPrograma();
    for (auto _ : estado) {
        // As idle time leaves it before the user's next command: the baseline taken, so the
        // question about the plan being left costs what it costs in use.
        dmDados->tomarLinhaDeBase();
        estado.SetIterationTime(cronometrar([] { abrirPlanoMaximo(); }));
    }
}

// The least that puts the plan on screen: the file parsed, the visible tab's frames built,
// filled, laid out and painted.
void abrirPiso(benchmark::State &estado)
{
    garantirPrograma();
    pisos::PlanoNaTela piso(fmPrincipal->size());
    for (auto _ : estado) {
        piso.esvaziar();
        estado.SetIterationTime(cronometrar([&piso] { piso.abrir(arquivoMaximo); }));
    }
}

QByteArray bytesDe(const QString &arquivo)
{
    QFile entrada(arquivo);
    return entrada.open(QIODevice::ReadOnly) ? entrada.readAll() : QByteArray();
}

void salvar(benchmark::State &estado)
{
    garantirPrograma();
    for (auto _ : estado)
        estado.SetIterationTime(cronometrar([] { dmDados->salvar(arquivoSalvo); }));
    // The plan opened and saved again gives the same bytes: the generator writes what the
    // program holds.
    estado.SetLabel(bytesDe(arquivoSalvo) == bytesDe(arquivoMaximo) ? "mesmos bytes"
                                                                    : "BYTES DIFERENTES");
}

void salvarPiso(benchmark::State &estado)
{
    QFile arquivo(arquivoMaximo);
    arquivo.open(QIODevice::ReadOnly);
    const QByteArray bytes = arquivo.readAll();
    pugi::xml_document documento;
    documento.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()),
                          pugi::parse_default | pugi::parse_ws_pcdata_single);
    for (auto _ : estado) {
        estado.SetIterationTime(
            cronometrar([&documento] { pisos::salvarXml(documento, arquivoSalvo); }));
    }
}

// --- interactive operations -----------------------------------------------------------------

void mostrarNotas(benchmark::State &estado, int aba)
{
    garantirPrograma();
    for (auto _ : estado) {
        mostrarAba(abaProblemas);
        estado.SetIterationTime(cronometrar([aba] { mostrarAba(aba); }));
    }
    mostrarAba(abaProblemas);
}

// A tab shown right after the Open reached the screen, before idle time built its frames.
void primeiraVezNaAba(benchmark::State &estado, int aba)
{
    garantirPrograma();
    for (auto _ : estado) {
        mostrarAba(abaProblemas);
        abrirPlanoMaximo();
        // Taken in use a moment after the screen, long before a click can reach a tab.
        dmDados->tomarLinhaDeBase();
        estado.SetIterationTime(cronometrar([aba] { mostrarAba(aba); }));
    }
    mostrarAba(abaProblemas);
}

void mudarCategoria(benchmark::State &estado)
{
    garantirPrograma();
    mostrarAba(abaNotas);
    TfrCabecalhoVotacao *cabecalho = controleNotas->cabecalhoVotacao();
    int categoria = 0;
    for (auto _ : estado) {
        categoria = (categoria + 1) % cabecalho->cbCategoria->count();
        estado.SetIterationTime(cronometrar([cabecalho, categoria] {
            // What choosing an entry does: the box changes, then its handler runs.
            cabecalho->cbCategoria->setCurrentIndex(categoria);
            cabecalho->cbCategoriaChange();
            processarEventos();
        }));
    }
    mostrarAba(abaProblemas);
}

void adicionarProblema(benchmark::State &estado)
{
    garantirPrograma();
    mostrarAba(abaProblemas);
    for (auto _ : estado) {
        fmPrincipal->sbtnRemoverClick();
        processarEventos();
        estado.SetIterationTime(cronometrar([] {
            fmPrincipal->sbtnAdicionarClick();
            processarEventos();
        }));
    }
    abrirPlanoMaximo();
}

// A problem with all its grades, indicators, causes and operations goes each time.
void removerProblema(benchmark::State &estado)
{
    garantirPrograma();
    mostrarAba(abaProblemas);
    for (auto _ : estado) {
        abrirPlanoMaximo();
        controleProblemas->selecionar(0);
        estado.SetIterationTime(cronometrar([] {
            fmPrincipal->sbtnRemoverClick();
            processarEventos();
        }));
    }
    abrirPlanoMaximo();
}

// --- the recovery copy ----------------------------------------------------------------------

// A change on the largest plan, as typing leaves it: a problem's name, new each time.
// An edit as the user makes it, long after the plan's baseline was taken; called directly, with
// no event before it, it would be taken as part of the plan read.
void mudarPlano(int vez)
{
    dmDados->tomarLinhaDeBase();
    controleProblemas->quadro(0)->definirNome(QStringLiteral("Cópia de recuperação %1").arg(vez));
}

// The copy's part on the user's thread, when the input is quiet: the plan's bytes built and
// handed to the writing thread.
void recuperacaoNaEntrada(benchmark::State &estado)
{
    garantirPrograma();
    CopiaRecuperacao &copia = dmDados->copiaRecuperacao();
    static int vez = 0; // every change new, across repetitions
    for (auto _ : estado) {
        mudarPlano(++vez);
        estado.SetIterationTime(cronometrar([&copia] { copia.verificarAgora(); }));
        copia.aguardarGravacoes();
    }
    abrirPlanoMaximo();
}

// From the user's last key to the copy on disk holding the change.
void recuperacaoGravada(benchmark::State &estado)
{
    garantirPrograma();
    CopiaRecuperacao &copia = dmDados->copiaRecuperacao();
    static int vez = 0; // every change new, across repetitions
    for (auto _ : estado) {
        mudarPlano(++vez);
        const QByteArray marca = QStringLiteral("Cópia de recuperação %1\"").arg(vez).toUtf8();
        const QString arquivo =
            CopiaRecuperacao::pasta() + u'/' + copia.chaveAtual() + QStringLiteral(".xml");
        estado.SetIterationTime(cronometrar([&] {
            QKeyEvent tecla(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
            QCoreApplication::sendEvent(fmPrincipal, &tecla);
            while (!bytesDe(arquivo).contains(marca)) {
                QCoreApplication::processEvents();
                QThread::msleep(5);
            }
        }));
    }
    abrirPlanoMaximo();
}

// --- documents ------------------------------------------------------------------------------

ListaNos secoesSalvas()
{
    garantirPrograma();
    return dmDados->prepararOrganograma();
}

template <typename Janela, typename Montar>
void montarDocumento(benchmark::State &estado, Montar montar)
{
    const ListaNos secoes = secoesSalvas();
    for (auto _ : estado) {
        auto janela = novaJanela<Janela>();
        estado.SetIterationTime(cronometrar([&] { montar(*janela, secoes); }));
    }
}

// What the user waits for: the text built and the window painted for the first time.
template <typename Janela, typename Montar>
void documentoNaTela(benchmark::State &estado, Montar montar)
{
    const ListaNos secoes = secoesSalvas();
    for (auto _ : estado) {
        auto janela = novaJanela<Janela>();
        estado.SetIterationTime(cronometrar([&] {
            montar(*janela, secoes);
            janela->show();
            processarEventos();
        }));
        janela->hide();
    }
}

template <typename Janela, typename Montar>
pisos::TextoFinal textoFinal(const char *nomeTexto, Montar montar)
{
    const ListaNos secoes = secoesSalvas();
    auto janela = novaJanela<Janela>();
    montar(*janela, secoes);
    return pisos::capturarTexto(documentoDe(*janela, nomeTexto));
}

template <typename Janela, typename Montar>
void documentoPiso(benchmark::State &estado, const char *nomeTexto, Montar montar)
{
    const pisos::TextoFinal texto = textoFinal<Janela>(nomeTexto, montar);
    {
        // The floor must build exactly the text the window shows.
        const ListaNos secoes = secoesSalvas();
        auto janela = novaJanela<Janela>();
        montar(*janela, secoes);
        if (!pisos::mesmoTexto(documentoDe(*janela, nomeTexto), *pisos::construirTexto(texto)))
            estado.SkipWithError("o piso não reproduz o texto da janela");
    }
    for (auto _ : estado) {
        std::unique_ptr<QTextDocument> construido;
        estado.SetIterationTime(cronometrar([&] { construido = pisos::construirTexto(texto); }));
    }
}

template <typename Janela, typename Montar>
void documentoPdf(benchmark::State &estado, const char *nomeTexto, const QString &titulo,
                  Montar montar)
{
    const ListaNos secoes = secoesSalvas();
    auto janela = novaJanela<Janela>();
    montar(*janela, secoes);
    const QTextDocument &texto = documentoDe(*janela, nomeTexto);
    // The user prints from the window on screen, whose view has laid its text out meanwhile.
    janela->show();
    processarEventos();
    texto.documentLayout()->documentSize();
    for (auto _ : estado) {
        // A fresh file each time: replacing one would ask first, and the answer writes nothing.
        QFile::remove(QStringLiteral("documento.pdf"));
        programa->interacao.arquivos.enqueue(QStringLiteral("documento.pdf"));
        estado.SetIterationTime(cronometrar(
            [&] { ServicoImpressao::salvarPdf(texto, titulo, QStringLiteral("x.pdf")); }));
    }
}

const auto montarCedulas = [](TfmCedula &janela, const ListaNos &secoes) {
    janela.gerarCedula(secoes, dataCedulas);
};
const auto montarAta = [](TfmRelatorio &janela, const ListaNos &secoes) {
    janela.montarAta(secoes);
};

// --- the chart ------------------------------------------------------------------------------

TelaOrganograma telaAtual()
{
    TelaOrganograma tela;
    if (const QScreen *primaria = QGuiApplication::primaryScreen()) {
        tela.tela = primaria->size();
        tela.pontosPorPolegada = qRound(primaria->logicalDotsPerInchY());
    }
    tela.impressoras = ServicoImpressao::instancia().quantidadeImpressoras();
    if (tela.impressoras > 0) {
        ServicoImpressao &servico = ServicoImpressao::instancia();
        tela.pagina = QSize(servico.larguraPagina(), servico.alturaPagina());
    }
    return tela;
}

// As the chart window does it: the layout of every page, then page 1 painted on the picture.
void passagensOrganograma(Organograma &desenho)
{
    desenho.montar(0, 0);
    desenho.pintarPagina(1);
}

void organograma(benchmark::State &estado)
{
    const ListaNos secoes = secoesSalvas();
    Organograma desenho;
    desenho.medidasTela(telaAtual());
    for (auto _ : estado) {
        // A chart just opened: nothing of an earlier pass is known.
        desenho.definirPlano(secoes, arquivoSalvo);
        estado.SetIterationTime(cronometrar([&desenho] { passagensOrganograma(desenho); }));
    }
}

void organogramaPiso(benchmark::State &estado)
{
    Organograma desenho;
    desenho.definirPlano(secoesSalvas(), arquivoSalvo);
    desenho.medidasTela(telaAtual());
    QuebraLinhas linhas(&desenho.imagem());
    pisos::TextosDesenho textos{desenho.imagem(), linhas.fonte(), {}, {}};

    // Every line of the chart (the title once), and what of page 1 lands on the picture.
    const LeiauteOrganograma &leiaute = desenho.montar(0, 0);
    for (qsizetype i = 0; i < leiaute.paginas.size(); ++i) {
        for (const PecaOrganograma &peca : leiaute.paginas[i].pecas) {
            const bool titulo = i > 0 && peca.area.topo < leiaute.inicioDoGrafico;
            if (peca.tipo == PecaOrganograma::Tipo::Texto && !titulo)
                textos.linhas.append(peca.texto);
        }
    }
    for (const PecaOrganograma &peca : leiaute.paginas.value(0).pecas) {
        if (peca.tipo == PecaOrganograma::Tipo::Texto && peca.area.topo < desenho.imagem().height())
            textos.textos.append({QPoint(peca.area.esquerda, peca.area.topo), peca.texto});
    }

    for (auto _ : estado)
        estado.SetIterationTime(cronometrar([&textos] { pisos::pintarTextos(textos); }));
    estado.counters["linhas"] = static_cast<double>(textos.linhas.size());
    estado.counters["textos"] = static_cast<double>(textos.textos.size());
}

void organogramaPdf(benchmark::State &estado)
{
    const ListaNos secoes = secoesSalvas();
    auto janela = novaJanela<TfmDiagrama>();
    janela->montarOrganograma(secoes, arquivoSalvo);
    for (auto _ : estado) {
        QFile::remove(QStringLiteral("organograma.pdf"));
        programa->interacao.arquivos.enqueue(QStringLiteral("organograma.pdf"));
        estado.SetIterationTime(cronometrar([&janela] { janela->btnSalvarPdfClick(); }));
    }
}

// --- registration ---------------------------------------------------------------------------

// iteracoes 0: as many as fill a tenth of a second. Counting instructions, two runs do: one to
// warm up, one counted.
benchmark::internal::Benchmark *ajustar(benchmark::internal::Benchmark *linha, int iteracoes,
                                        int repeticoes)
{
    linha->UseManualTime()->Unit(benchmark::kMillisecond);
    if (contarInstrucoes)
        return linha->Iterations(2)->Repetitions(1);
    if (iteracoes > 0)
        linha->Iterations(iteracoes);
    else
        linha->MinTime(0.1);
    return linha->Repetitions(repeticoes)->ReportAggregatesOnly(true);
}

template <typename Funcao>
void registrar(const char *nome, Funcao funcao, int iteracoes, int repeticoes = 9)
{
    ajustar(benchmark::RegisterBenchmark(nome, funcao), iteracoes, repeticoes);
}

std::vector<LinhaTabela> registrarTudo()
{
    registrar("construir", construir, 0);
    registrar("carregar", carregar, 5);
    registrar("carregar_piso", carregarPiso, 0);
    registrar("abrir", abrir, 5, 5);
    registrar("abrir_piso", abrirPiso, 5, 5);
    registrar("salvar", salvar, 5);
    registrar("salvar_piso", salvarPiso, 0);
    registrar(
        "aba_notas", [](benchmark::State &e) { mostrarNotas(e, abaNotas); }, 10);
    registrar(
        "aba_classificacao", [](benchmark::State &e) { mostrarNotas(e, abaClassificacao); }, 10);
    registrar(
        "primeira_votantes", [](benchmark::State &e) { primeiraVezNaAba(e, abaVotantes); }, 5);
    registrar(
        "primeira_notas", [](benchmark::State &e) { primeiraVezNaAba(e, abaNotas); }, 5);
    registrar(
        "primeira_classificacao",
        [](benchmark::State &e) { primeiraVezNaAba(e, abaClassificacao); }, 5);
    registrar("categoria", mudarCategoria, 24);
    registrar("adicionar", adicionarProblema, 10);
    registrar("remover", removerProblema, 4, 5);
    registrar("recuperacao_entrada", recuperacaoNaEntrada, 5);
    registrar("recuperacao_gravada", recuperacaoGravada, 2, 3);
    registrar(
        "cedulas", [](benchmark::State &e) { montarDocumento<TfmCedula>(e, montarCedulas); }, 3);
    registrar(
        "cedulas_piso",
        [](benchmark::State &e) { documentoPiso<TfmCedula>(e, "cedula", montarCedulas); }, 3);
    registrar(
        "cedulas_tela", [](benchmark::State &e) { documentoNaTela<TfmCedula>(e, montarCedulas); },
        3);
    registrar(
        "ata", [](benchmark::State &e) { montarDocumento<TfmRelatorio>(e, montarAta); }, 5);
    registrar(
        "ata_piso",
        [](benchmark::State &e) { documentoPiso<TfmRelatorio>(e, "relatorio", montarAta); }, 5);
    registrar(
        "ata_tela", [](benchmark::State &e) { documentoNaTela<TfmRelatorio>(e, montarAta); }, 5);
    registrar("organograma", organograma, 5);
    registrar("organograma_piso", organogramaPiso, 5);
    registrar(
        "cedulas_pdf",
        [](benchmark::State &e) {
            documentoPdf<TfmCedula>(e, "cedula", TfmCedula::tituloImpressao, montarCedulas);
        },
        1, 3);
    registrar(
        "ata_pdf",
        [](benchmark::State &e) {
            documentoPdf<TfmRelatorio>(e, "relatorio", TfmRelatorio::tituloImpressao, montarAta);
        },
        2, 3);
    registrar("organograma_pdf", organogramaPdf, 2, 3);

    constexpr double quadro = 16;       // one frame at 60 Hz
    constexpr double prazoCopia = 2000; // the promise: a change is on disk within 2 s
    return {
        {"construir", "Construir o programa (3 objetos globais)", "", 0, 0},
        {"carregar", "carregar", "carregar_piso", 5, 0},
        {"abrir", "Abrir plano (comando inteiro, até a tela)", "abrir_piso", 2, quadro},
        {"salvar", "salvar", "salvar_piso", 2, 0},
        {"aba_notas", "Mostrar \"Notas\"", "", 0, quadro},
        {"aba_classificacao", "Mostrar \"Classificação\"", "", 0, quadro},
        {"primeira_votantes", "Mostrar \"Votantes\" logo após Abrir", "", 0, quadro},
        {"primeira_notas", "Mostrar \"Notas\" logo após Abrir", "", 0, quadro},
        {"primeira_classificacao", "Mostrar \"Classificação\" logo após Abrir", "", 0, quadro},
        {"categoria", "Mudar a categoria em \"Notas\"", "", 0, quadro},
        {"adicionar", "Adicionar um problema", "", 0, quadro},
        {"remover", "Remover um problema", "", 0, quadro},
        {"recuperacao_entrada", "Cópia de recuperação: a parte na entrada", "", 0, quadro},
        {"recuperacao_gravada", "Cópia de recuperação: no disco após a tecla", "", 0, prazoCopia},
        {"cedulas", "Cédulas (144)", "cedulas_piso", 3, 0},
        {"cedulas_tela", "Cédulas: texto e janela na tela", "", 0, 0},
        {"ata", "Ata de reunião", "ata_piso", 3, 0},
        {"ata_tela", "Ata: texto e janela na tela", "", 0, 0},
        {"organograma", "Organograma: contagem + página 1", "organograma_piso", 2, 0},
        {"cedulas_pdf", "PDF das cédulas", "", 0, 0},
        {"ata_pdf", "PDF da ata", "", 0, 0},
        {"organograma_pdf", "PDF do organograma", "", 0, 0},
    };
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--instrucoes") == 0) {
            contarInstrucoes = true;
            std::copy(argv + i + 1, argv + argc + 1, argv + i);
            --argc;
            break;
        }
    }
    Aplicacao aplicacao(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QTemporaryDir pasta;
    if (!pasta.isValid() || !QDir::setCurrent(pasta.path()))
        return 2;
    // The recovery copies stay in here, out of the user's data folder.
    qputenv("XDG_DATA_HOME", QFile::encodeName(pasta.path() + QStringLiteral("/dados")));
    gravarPlanoMaximo(arquivoMaximo);

    benchmark::Initialize(&argc, argv);
    const std::vector<LinhaTabela> linhas = registrarTudo();
    ColetorMedianas medianas;
    ColetorInstrucoes instrucoes;
    ColetorMedianas &coletor = contarInstrucoes ? instrucoes : medianas;
    benchmark::RunSpecifiedBenchmarks(&coletor);
    programa.reset();
    benchmark::Shutdown();
    imprimirTabela(linhas, coletor);
    return 0;
}

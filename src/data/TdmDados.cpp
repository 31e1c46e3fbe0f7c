#include "data/TdmDados.h"

#include "app/Aplicacao.h"
#include "app/Interacao.h"
#include "app/TfmPrincipal.h"
#include "data/ArquivoIni.h"
#include "data/Caminhos.h"
#include "data/Erros.h"
#include "data/NomesPlano.h"
#include "data/Regional.h"
#include "data/Texto.h"
#include "data/TfmDadosEscola.h"
#include "data/TfmPlanoEmUso.h"
#include "documents/TfmCedula.h"
#include "documents/TfmRelatorio.h"
#include "grading/ControleNotas.h"
#include "problems/ControleProblemas.h"
#include "voters/ControleVotantes.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <exception>

TdmDados *dmDados = nullptr;

namespace {

const QString erroConfiguracao =
    QStringLiteral("Não foi possível gravar o nome do plano atual em \"%1\": %2");
const QString recusaPlanoEmUso = QStringLiteral("%1\nEscolha outro nome para salvar o plano.");
const QString erroNaoEhPlano =
    QStringLiteral("Arquivo \"%1\": não é um plano escolar (o elemento principal é <%2>, e não "
                   "<%3>); ele não foi aberto.");

// None when the file cannot be read (or is missing): nothing there to keep.
std::optional<QByteArray> bytesDoArquivo(const QString &nome)
{
    const ArquivoLido lido = lerArquivoComum(nome, DocumentoXml::tamanhoMaximoArquivo);
    return lido.lido() ? std::optional<QByteArray>(lido.bytes) : std::nullopt;
}

// While it lives the screens are being rebuilt, and hold no plan worth a copy.
class Reconstrucao {
public:
    explicit Reconstrucao(int &contador) : contador(contador) { ++contador; }
    ~Reconstrucao() { --contador; }
    Reconstrucao(const Reconstrucao &) = delete;
    Reconstrucao &operator=(const Reconstrucao &) = delete;

private:
    int &contador;
};

} // namespace

TdmDados::TdmDados() : diretorioInicial(diretorioAtual())
{
    recuperacao = std::make_unique<CopiaRecuperacao>([this](QByteArray &bytes) {
        if (reconstrucoes > 0)
            return CopiaRecuperacao::Estado::ocupado;
        if (!xmlDoc.ativo())
            return CopiaRecuperacao::Estado::salvo; // no plan is open yet
        bytes = planoDasTelas();
        if (linhaDeBasePendente)
            definirLinhaDeBase(bytes);
        return bytes == planoGravado ? CopiaRecuperacao::Estado::salvo
                                     : CopiaRecuperacao::Estado::alterado;
    });
    const QString ini = QStringLiteral("./") + arquivoConfiguracao;
    if (arquivoExiste(ini))
        arquivoPlano =
            ArquivoIni(ini).ler(secaoArquivos, chavePlanejamento, planoPadraoConfiguracao);
}

TdmDados::~TdmDados()
{
    try {
        // A plan left unchanged needs no copy; one with changes keeps it, as after a crash.
        if (xmlDoc.ativo() && !planoAlterado())
            recuperacao->descartar();
        gravarConfiguracao();
    } catch (...) {
        // A teardown never throws; the message, when it could be shown, was shown.
    }
}

// Written as soon as a plan is opened or named, so that a crash does not forget which plan was
// in use; a failure is told once, until a write succeeds again.
void TdmDados::gravarConfiguracao()
{
    const QString nome = diretorioInicial + arquivoConfiguracao;
    ArquivoIni ini(nome);
    const QString antes = ini.conteudo();
    ini.escrever(secaoArquivos, chavePlanejamento, arquivoPlano);
    if (ini.conteudo() == antes && arquivoExiste(nome))
        return;
    if (ini.gravar()) {
        configuracaoFalhou = false;
        return;
    }
    if (!configuracaoFalhou)
        interacao().mensagem(Icone::Informacao, erroConfiguracao.arg(nome, ini.erro()));
    configuracaoFalhou = true;
}

DocumentoXml TdmDados::lerArquivoPlano(const QString &nome)
{
    DocumentoXml documento;
    documento.carregar(nome);
    // The plan's element in the plan's namespace, with or without a prefix; plans written by
    // hand without the namespace have always opened too.
    const ElementoXml raiz = documento.raiz();
    const QString espaco = raiz.espacoNomes();
    if (raiz.nomeLocal() != nomesPlano::raiz ||
        (!espaco.isEmpty() && espaco != nomesPlano::espacoNomes)) {
        const QString lida = espaco.isEmpty()
                                 ? raiz.nome()
                                 : QStringLiteral("%1 xmlns=\"%2\"").arg(raiz.nome(), espaco);
        throw ErroXml(erroNaoEhPlano.arg(nome, lida, nomesPlano::raiz));
    }
    return documento;
}

void TdmDados::carregar(const QString &nome)
{
    if (!arquivoExiste(nome)) {
        xmlDoc.ativar();
        xmlDoc.criarRaiz(nomesPlano::raiz, nomesPlano::espacoNomes);
        lerPlano();
        return;
    }
    // Read and checked before anything changes: a damaged file, or one that is not a plan,
    // never becomes the current plan.
    const QString relativo = nomeRelativo(nome, diretorioInicial);
    carregar(relativo, lerArquivoPlano(relativo));
}

void TdmDados::carregar(const QString &nome, DocumentoXml lido)
{
    xmlDoc = std::move(lido);
    arquivoPlano = nomeRelativo(nome, diretorioInicial);
    bytesNoDisco = xmlDoc.bytesDoArquivo();
    if (travaReservada && travaReservada->de(arquivoPlano))
        trava = std::move(travaReservada);
    else if (!trava || !trava->de(arquivoPlano))
        trava = std::make_unique<TravaPlano>(arquivoPlano);
    travaReservada.reset();
    lerPlano();
}

void TdmDados::abrirCopia(DocumentoXml lido)
{
    xmlDoc = std::move(lido);
    travaReservada.reset();
    arquivoPlano.clear();
    bytesNoDisco.reset();
    trava.reset();
    lerPlano();
    fmPrincipal->esconderNomeArquivo();
}

TdmDados::Reserva TdmDados::reservarPlano(const QString &nome)
{
    travaReservada.reset();
    if (trava && trava->de(nome))
        return Reserva::plano;
    auto nova = std::make_unique<TravaPlano>(nome);
    if (nova->estado() != TravaPlano::Estado::ocupada) {
        travaReservada = std::move(nova);
        return Reserva::plano;
    }
    TfmPlanoEmUso pergunta(nova->descricaoDoDono(), fmPrincipal);
    return interacao().exibirModal(pergunta) == QDialog::Accepted ? Reserva::copia
                                                                  : Reserva::cancelada;
}

void TdmDados::lerPlano()
{
    const Reconstrucao reconstrucao(reconstrucoes);
    const ControleNotas::Adiamento adiamento;
    recuperacao->definirPlano(absolutoDoPlano());
    const ListaNos secoes = xmlDoc.secoes();
    fmPrincipal->lerEscola(secoes);
    fmDadosEscola->lerEscola(secoes);
    fmPrincipal->mostrarNomeArquivo(arquivoPlano);
    lerListas(secoes);
    adiarLinhaDeBase();
    gravarConfiguracao();
}

void TdmDados::lerListas(const ListaNos &secoes)
{
    controleProblemas->lerProblemas(secoes);
    controleVotantes->lerCategorias(secoes);
    controleNotas->lerNotas(secoes);
    controleNotas->lerIndicadores(secoes);
    controleNotas->lerCausas(secoes);
    controleNotas->mostrarCategoria(0);
}

void TdmDados::gravarListas(DocumentoXml &documento)
{
    controleProblemas->gravarProblemas(documento);
    controleVotantes->gravarCategorias(documento);
    controleNotas->gravarNotas(documento);
}

void TdmDados::montarPlano(DocumentoXml &documento)
{
    // A fresh tree each time, so that section lists handed out earlier keep theirs.
    documento.ativar();
    documento.criarRaiz(nomesPlano::raiz, nomesPlano::espacoNomes);
    fmDadosEscola->gravarEscola(documento);
    gravarListas(documento);
}

QByteArray TdmDados::planoDasTelas()
{
    DocumentoXml documento;
    montarPlano(documento);
    return documento.paraBytes();
}

bool TdmDados::planoAlterado() const
{
    // Nothing can have been edited since a plan was read while its baseline waits.
    return !linhaDeBasePendente && planoDasTelas() != planoGravado;
}

void TdmDados::definirLinhaDeBase(const QByteArray &bytes)
{
    planoGravado = bytes;
    linhaDeBasePendente = false;
}

// Taking the bytes of the plan just read costs as much as a save; the screens come first, and
// they are taken before anything can edit the plan (Aplicacao::antesDaProximaEdicao).
void TdmDados::adiarLinhaDeBase()
{
    linhaDeBasePendente = true;
    // The task an earlier reading left runs first, and must not take this plan's bytes there
    // and then, before the screen.
    const unsigned leitura = ++leituraAdiada;
    Aplicacao::antesDaProximaEdicao([this, vivo = std::weak_ptr<char>(vida), leitura] {
        if (!vivo.expired() && leitura == leituraAdiada)
            tomarLinhaDeBase();
    });
}

void TdmDados::tomarLinhaDeBase()
{
    if (!linhaDeBasePendente)
        return;
    try {
        definirLinhaDeBase(planoDasTelas());
    } catch (...) {
        // Counted as changed, so that leaving the plan asks.
        definirLinhaDeBase(QByteArray());
        throw;
    }
}

QString TdmDados::absolutoDoPlano() const
{
    return temArquivo() ? QDir::cleanPath(QFileInfo(arquivoPlano).absoluteFilePath()) : QString();
}

void TdmDados::descartarRecuperacao()
{
    recuperacao->descartar();
}

bool TdmDados::recuperarTrabalho()
{
    for (const CopiaRecuperacao::Pendente &pendente : CopiaRecuperacao::pendentes()) {
        const QString nome =
            pendente.plano.isEmpty()
                ? planoSemNome
                : QDir::toNativeSeparators(nomeRelativo(pendente.plano, diretorioInicial));
        const QString pergunta = perguntaRecuperar.arg(nome, formatarDataHora(pendente.momento));
        if (interacao().perguntar(pergunta) == Resposta::Sim && abrirRecuperado(pendente))
            return true;
    }
    return false;
}

// The recovered plan goes on screen under its own file's name, counted as changed, so the next
// save writes it there; the file on disk is taken as it is now, so that save asks nothing.
bool TdmDados::abrirRecuperado(const CopiaRecuperacao::Pendente &pendente)
{
    DocumentoXml recuperado;
    try {
        recuperado.carregarBytes(CopiaRecuperacao::ler(pendente.chave));
    } catch (const ErroSorvane &erro) {
        interacao().mensagem(Icone::Informacao, erro.mensagem());
        return false;
    }
    Reserva reserva = Reserva::copia;
    if (!pendente.plano.isEmpty()) {
        reserva = reservarPlano(pendente.plano);
        if (reserva == Reserva::cancelada)
            return false;
    }
    limpar(false);
    if (reserva == Reserva::copia) {
        abrirCopia(std::move(recuperado));
    } else {
        xmlDoc = std::move(recuperado);
        arquivoPlano = nomeRelativo(pendente.plano, diretorioInicial);
        bytesNoDisco = bytesDoArquivo(arquivoPlano);
        trava = std::move(travaReservada);
        if (!trava)
            trava = std::make_unique<TravaPlano>(arquivoPlano);
        lerPlano();
    }
    definirLinhaDeBase(QByteArray());
    recuperacao->adotar(pendente.chave);
    return true;
}

void TdmDados::esquecerArquivo()
{
    arquivoPlano.clear();
    recuperacao->definirPlano(QString());
    bytesNoDisco.reset();
    trava.reset();
    definirLinhaDeBase(planoDasTelas());
}

bool TdmDados::salvar(const QString &nome)
{
    const Gravacao resultado = gravar(nome);
    cancelada = resultado == Gravacao::cancelada;
    return resultado == Gravacao::feita;
}

// Over the plan's own file, when another program has changed it since this one last read or
// wrote it, only after the user says so; "Não" asks for another name in `destino`.
bool TdmDados::podeGravarSobre(const QString &nome, QString &destino)
{
    destino = nome;
    while (temArquivo() && mesmoArquivo(destino, arquivoPlano)) {
        const std::optional<QByteArray> agora = bytesDoArquivo(destino);
        if (!agora || agora == bytesNoDisco)
            return true;
        switch (interacao().perguntar(
            perguntaAlteradoNoDisco.arg(QDir::toNativeSeparators(arquivoPlano)))) {
        case Resposta::Sim:
            return true;
        case Resposta::Nao:
            destino = interacao().arquivoParaSalvar(QString());
            if (destino.isEmpty())
                return false;
            continue;
        case Resposta::Abortar:
            return false;
        }
    }
    return true;
}

TdmDados::Gravacao TdmDados::gravar(const QString &pedido)
{
    QString nome;
    if (!podeGravarSobre(pedido, nome))
        return Gravacao::cancelada;
    // A file another copy of the program holds is never written from here.
    std::unique_ptr<TravaPlano> nova;
    if (!trava || !trava->de(nome)) {
        nova = std::make_unique<TravaPlano>(nome);
        if (nova->estado() == TravaPlano::Estado::ocupada) {
            interacao().mensagem(Icone::Informacao, recusaPlanoEmUso.arg(nova->descricaoDoDono()));
            return Gravacao::falhou;
        }
    }
    try {
        montarPlano(xmlDoc);
        arquivoPlano = nomeRelativo(nome, diretorioInicial);
        const QByteArray gravados = xmlDoc.salvar(arquivoPlano);
        definirLinhaDeBase(gravados);
        bytesNoDisco = gravados;
        if (nova)
            trava = std::move(nova);
        recuperacao->definirPlano(absolutoDoPlano());
        recuperacao->descartar(absolutoDoPlano());
        fmPrincipal->mostrarNomeArquivo(arquivoPlano);
        // What stays in memory is exactly what the file holds.
        xmlDoc.adotarGravados(gravados);
    } catch (const std::exception &erro) {
        // The plan keeps the name it was to be saved under; the file there is what this program
        // last saw of it, so the next try asks nothing.
        if (nova)
            bytesNoDisco = bytesDoArquivo(arquivoPlano);
        interacao().mensagem(Icone::Informacao,
                             mensagemErroGravacao + u'\n' + QString::fromUtf8(erro.what()));
        return Gravacao::falhou;
    }
    gravarConfiguracao();
    return Gravacao::feita;
}

void TdmDados::limpar(bool comItens)
{
    const Reconstrucao reconstrucao(reconstrucoes);
    const ControleNotas::Adiamento adiamento;
    controleProblemas->esvaziar();
    controleVotantes->esvaziar();
    if (!comItens)
        return;
    controleProblemas->adicionar();
    controleProblemas->atualizar(false);
    controleVotantes->adicionar();
    controleVotantes->atualizar(false);
}

QString TdmDados::nomeArquivoOuPadrao() const
{
    return arquivoPlano.isEmpty() ? planoPadrao : arquivoPlano;
}

bool TdmDados::prepararCedula()
{
    if (!salvar(arquivoPlano) && cancelada)
        return false;
    fmCedula->gerarCedula(xmlDoc.secoes());
    return true;
}

bool TdmDados::prepararAta()
{
    if (!salvar(arquivoPlano) && cancelada)
        return false;
    fmRelatorio->montarAta(xmlDoc.secoes());
    return true;
}

ListaNos TdmDados::prepararOrganograma()
{
    salvar(arquivoPlano);
    return xmlDoc.secoes();
}

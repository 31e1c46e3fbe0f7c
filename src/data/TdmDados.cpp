#include "data/TdmDados.h"

#include "app/Interacao.h"
#include "app/TfmPrincipal.h"
#include "data/ArquivoIni.h"
#include "data/Caminhos.h"
#include "data/Erros.h"
#include "data/TfmDadosEscola.h"
#include "documents/TfmCedula.h"
#include "documents/TfmRelatorio.h"
#include "grading/ControleNotas.h"
#include "problems/ControleProblemas.h"
#include "voters/ControleVotantes.h"

#include <exception>

TdmDados *dmDados = nullptr;

namespace {

const QString raizPlano = QStringLiteral("planejamento");
const QString espacoNomesPlano = QStringLiteral("xmlns");
const QString erroConfiguracao =
    QStringLiteral("Não foi possível gravar o nome do plano atual em \"%1\": %2");
const QString erroNaoEhPlano =
    QStringLiteral("Arquivo \"%1\": não é um plano escolar (o elemento principal é <%2>, e não "
                   "<%3>); ele não foi aberto.");

} // namespace

TdmDados::TdmDados() : diretorioInicial(diretorioAtual())
{
    const QString ini = QStringLiteral("./") + arquivoConfiguracao;
    if (arquivoExiste(ini))
        arquivoPlano =
            ArquivoIni(ini).ler(secaoArquivos, chavePlanejamento, planoPadraoConfiguracao);
}

TdmDados::~TdmDados()
{
    try {
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
    if (raiz.nomeLocal() != raizPlano || (!espaco.isEmpty() && espaco != espacoNomesPlano)) {
        const QString lida = espaco.isEmpty()
                                 ? raiz.nome()
                                 : QStringLiteral("%1 xmlns=\"%2\"").arg(raiz.nome(), espaco);
        throw ErroXml(erroNaoEhPlano.arg(nome, lida, raizPlano));
    }
    return documento;
}

void TdmDados::carregar(const QString &nome)
{
    if (!arquivoExiste(nome)) {
        xmlDoc.ativar();
        xmlDoc.criarRaiz(raizPlano, espacoNomesPlano);
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
    lerPlano();
}

void TdmDados::lerPlano()
{
    const ListaNos secoes = xmlDoc.secoes();
    fmPrincipal->lerEscola(secoes);
    fmDadosEscola->lerEscola(secoes);
    fmPrincipal->mostrarNomeArquivo(arquivoPlano);
    lerListas(secoes);
    planoGravado = planoDasTelas();
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
    documento.criarRaiz(raizPlano, espacoNomesPlano);
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
    return planoDasTelas() != planoGravado;
}

void TdmDados::esquecerArquivo()
{
    arquivoPlano.clear();
    planoGravado = planoDasTelas();
}

bool TdmDados::salvar(const QString &nome)
{
    try {
        montarPlano(xmlDoc);
        arquivoPlano = nomeRelativo(nome, diretorioInicial);
        planoGravado = xmlDoc.salvar(arquivoPlano);
        fmPrincipal->mostrarNomeArquivo(arquivoPlano);
        // What stays in memory is exactly what the file holds.
        xmlDoc.carregar(arquivoPlano);
    } catch (const std::exception &erro) {
        interacao().mensagem(Icone::Informacao,
                             mensagemErroGravacao + u'\n' + QString::fromUtf8(erro.what()));
        return false;
    }
    gravarConfiguracao();
    return true;
}

void TdmDados::limpar(bool comItens)
{
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

void TdmDados::prepararCedula()
{
    salvar(arquivoPlano);
    fmCedula->gerarCedula(xmlDoc.secoes());
}

void TdmDados::prepararAta()
{
    salvar(arquivoPlano);
    fmRelatorio->montarAta(xmlDoc.secoes());
}

ListaNos TdmDados::prepararOrganograma()
{
    salvar(arquivoPlano);
    return xmlDoc.secoes();
}

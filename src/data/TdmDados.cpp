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

void TdmDados::gravarConfiguracao() const
{
    ArquivoIni ini(diretorioInicial + arquivoConfiguracao);
    ini.escrever(secaoArquivos, chavePlanejamento, arquivoPlano);
    if (!ini.gravar()) {
        interacao().mensagem(
            Icone::Informacao,
            erroConfiguracao.arg(diretorioInicial + arquivoConfiguracao, ini.erro()));
    }
}

void TdmDados::carregar(const QString &nome)
{
    if (arquivoExiste(nome)) {
        const QString relativo = nomeRelativo(nome, diretorioInicial);
        // Parsed before anything changes: a damaged file never becomes the current plan.
        xmlDoc.carregar(relativo);
        arquivoPlano = relativo;
    } else {
        xmlDoc.ativar();
        xmlDoc.criarRaiz(raizPlano, espacoNomesPlano);
    }

    const ListaNos secoes = xmlDoc.secoes();
    fmPrincipal->lerEscola(secoes);
    fmDadosEscola->lerEscola(secoes);
    fmPrincipal->mostrarNomeArquivo(arquivoPlano);
    lerListas(secoes);
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

void TdmDados::salvar(const QString &nome)
{
    try {
        // A fresh tree each time, so that section lists handed out earlier keep theirs, and a
        // plan read from a file with a foreign root is written back with the plan's own root.
        xmlDoc.ativar();
        xmlDoc.criarRaiz(raizPlano, espacoNomesPlano);
        fmDadosEscola->gravarEscola(xmlDoc);
        gravarListas(xmlDoc);

        arquivoPlano = nomeRelativo(nome, diretorioInicial);
        xmlDoc.salvar(arquivoPlano);
        fmPrincipal->mostrarNomeArquivo(arquivoPlano);
        // What stays in memory is exactly what the file holds.
        xmlDoc.carregar(arquivoPlano);
    } catch (const std::exception &) {
        interacao().mensagem(Icone::Informacao, mensagemErroGravacao);
    }
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

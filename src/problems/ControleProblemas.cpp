#include "problems/ControleProblemas.h"

#include "app/Interacao.h"
#include "data/DocumentoXml.h"
#include "data/Erros.h"
#include "data/NomesPlano.h"
#include "grading/ControleNotas.h"

ControleProblemas *controleProblemas = nullptr;

namespace {

const QString mensagemLimite = QStringLiteral("Número Máximo de Problemas atingido!");
const QString mensagemSelecione = QStringLiteral("Selecione um problema para exclusão!");
const QString naoDisponivel = QStringLiteral("(Não disponível)");
const QString descricaoFixa = QStringLiteral("descrição");

} // namespace

ControleProblemas::ControleProblemas(CaixaRolagem *sbProblemas)
    : ListaDeQuadros(sbProblemas, QStringLiteral("Problema"))
{
}

bool ControleProblemas::adicionar()
{
    if (cheia()) {
        interacao().mensagem(Icone::Informacao, mensagemLimite);
        return false;
    }
    acrescentarQuadro();
    selecionar(quantidade - 1);
    controleNotas->adicionarLinha();
    return true;
}

bool ControleProblemas::remover()
{
    if (!selecionar(selecionado)) {
        interacao().mensagem(Icone::Informacao, mensagemSelecione);
        return false;
    }
    const int p = selecionado;
    descartarQuadro(p);
    controleNotas->removerLinha(p);
    if (quantidade > 0)
        selecionar(p < quantidade ? p : p - 1);
    return true;
}

bool ControleProblemas::inserir(int p)
{
    if (!adicionar())
        return false;
    moverUltimoPara(p);
    controleNotas->moverUltimaLinhaPara(p);
    selecionar(p);
    return true;
}

bool ControleProblemas::selecionar(int indice)
{
    if (!escolher(indice))
        return false;
    destacarSelecionado();
    return true;
}

void ControleProblemas::gravarProblemas(DocumentoXml &documento) const
{
    ElementoXml secao = documento.raiz().adicionarFilho(nomesPlano::secaoProblemas);
    secao.definirAtributo(nomesPlano::atributoMaximo, QString::number(maximo));
    secao.definirAtributo(nomesPlano::atributoTotal, QString::number(quantidade));
    for (int i = 0; i < quantidade; ++i) {
        const TfrProblema *atual = quadros[static_cast<size_t>(i)];
        ElementoXml problema = secao.adicionarFilho(nomesPlano::problema);
        problema.definirAtributo(nomesPlano::atributoNome, atual->nome());
        problema.definirAtributo(nomesPlano::atributoCor, QString::number(atual->corProblema()));
        problema.definirTexto(descricaoFixa);
    }
}

void ControleProblemas::lerProblemas(const ListaNos &secoes)
{
    const DestaqueNoFim destaque(*this);
    try {
        const ListaNos filhos = secoes.porNome(nomesPlano::secaoProblemas).filhos();
        int k = 0;
        for (const ElementoXml &filho : filhos) {
            // An eleventh problem is refused with the list's message, and reading ends.
            if (!adicionar())
                return;
            TfrProblema *atual = quadros[static_cast<size_t>(k)];
            atual->definirNome(filho.atributo(nomesPlano::atributoNome).texto());
            atual->definirCor(filho.atributo(nomesPlano::atributoCor).inteiro());
            ++k;
        }
    } catch (const ErroSorvane &) {
        // What was read stays; one default problem marks where the damaged section ended.
        adicionar();
    }
}

QString ControleProblemas::nomeProblema(int i) const
{
    if (i < 0 || i >= quantidade)
        return naoDisponivel;
    return quadros[static_cast<size_t>(i)]->nome();
}

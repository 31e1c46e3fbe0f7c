#include "problems/ControleProblemas.h"

#include "app/CaixaRolagem.h"
#include "app/Interacao.h"
#include "data/DocumentoXml.h"
#include "data/Erros.h"
#include "grading/ControleNotas.h"
#include "problems/TfrProblema.h"

#include <QLineEdit>

ControleProblemas *controleProblemas = nullptr;

namespace {

const QString mensagemLimite = QStringLiteral("Número Máximo de Problemas atingido!");
const QString mensagemSelecione = QStringLiteral("Selecione um problema para exclusão!");
const QString naoDisponivel = QStringLiteral("(Não disponível)");
const QString descricaoFixa = QStringLiteral("descrição");

} // namespace

ControleProblemas::ControleProblemas(CaixaRolagem *sbProblemas)
    : Lista(maximoProblemas), sbProblemas(sbProblemas)
{
}

TfrProblema *ControleProblemas::quadro(int i) const
{
    if (i < 0 || i >= quantidade)
        return nullptr;
    return quadros[static_cast<size_t>(i)];
}

bool ControleProblemas::adicionar()
{
    if (quantidade >= maximoProblemas) {
        interacao().mensagem(Icone::Informacao, mensagemLimite);
        return false;
    }
    auto *novo = new TfrProblema(sbProblemas->conteudo());
    novo->setObjectName(QStringLiteral("Problema%1").arg(contadorNomes));
    ++contadorNomes;
    quadros[static_cast<size_t>(quantidade)] = novo;
    ++quantidade;
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
    delete quadros[static_cast<size_t>(p)];
    --quantidade;
    for (int i = p; i < quantidade; ++i)
        quadros[static_cast<size_t>(i)] = quadros[static_cast<size_t>(i + 1)];
    quadros[static_cast<size_t>(quantidade)] = nullptr;
    controleNotas->removerLinha();
    if (quantidade > 0)
        selecionar(p < quantidade ? p : p - 1);
    return true;
}

bool ControleProblemas::selecionar(int indice)
{
    if (quantidade < 1)
        return false;
    if (indice >= 0 && indice < quantidade)
        selecionado = indice;
    controleNotas->selecionarLinha(indice);
    for (int i = 0; i < quantidade; ++i)
        quadros[static_cast<size_t>(i)]->destacar(i == selecionado);
    return true;
}

void ControleProblemas::atualizar(bool foco)
{
    sbProblemas->rolarParaTopo();
    int y = 0;
    for (int i = 0; i < quantidade; ++i) {
        TfrProblema *atual = quadros[static_cast<size_t>(i)];
        atual->posicao = i;
        atual->definirNumero(i + 1);
        atual->setParent(sbProblemas->conteudo());
        atual->move(0, y);
        atual->show();
        y += atual->height();
    }
    if (quantidade == 0)
        return;
    if (foco && selecionado >= 0)
        quadros[static_cast<size_t>(selecionado)]->edProblema->setFocus();
    sbProblemas->definirAlturaConteudo(y);
}

void ControleProblemas::esvaziar()
{
    for (int i = quantidade - 1; i >= 0; --i) {
        selecionar(i);
        remover();
    }
}

void ControleProblemas::gravarProblemas(DocumentoXml &documento) const
{
    ElementoXml secao = documento.raiz().adicionarFilho(QStringLiteral("problemas"));
    secao.definirAtributo(QStringLiteral("maximo"), QString::number(maximoProblemas));
    secao.definirAtributo(QStringLiteral("total"), QString::number(quantidade));
    for (int i = 0; i < quantidade; ++i) {
        const TfrProblema *atual = quadros[static_cast<size_t>(i)];
        ElementoXml problema = secao.adicionarFilho(QStringLiteral("problema"));
        problema.definirAtributo(QStringLiteral("nome"), atual->nome());
        problema.definirAtributo(QStringLiteral("cor"), QString::number(atual->corProblema()));
        problema.definirTexto(descricaoFixa);
    }
}

void ControleProblemas::lerProblemas(const ListaNos &secoes)
{
    try {
        const ListaNos filhos = secoes.porNome(QStringLiteral("problemas")).filhos();
        int k = 0;
        for (const ElementoXml &filho : filhos) {
            // An eleventh problem is refused with the list's message, and reading ends.
            if (!adicionar())
                return;
            TfrProblema *atual = quadros[static_cast<size_t>(k)];
            atual->definirNome(filho.atributo(QStringLiteral("nome")).texto());
            atual->definirCor(filho.atributo(QStringLiteral("cor")).inteiro());
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

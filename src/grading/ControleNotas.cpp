#include "grading/ControleNotas.h"

#include "app/CaixaRolagem.h"
#include "app/Interacao.h"
#include "data/DocumentoXml.h"

ControleNotas *controleNotas = nullptr;

namespace {

const QString mensagemSelecione = QStringLiteral("Selecione um painel para exclusão!");

} // namespace

ControleNotas::ControleNotas(CaixaRolagem *sbNotas, CaixaRolagem *sbClassificacao)
    : Lista(maximoLinhas), sbNotas(sbNotas), sbClassificacao(sbClassificacao)
{
}

ControleNotas::~ControleNotas() = default;

void ControleNotas::atualizar(bool)
{
    atualizarNotas();
    classificar();
}

bool ControleNotas::adicionarLinha()
{
    if (quantidade >= maximoLinhas)
        return false;
    ++quantidade;
    return true;
}

bool ControleNotas::removerLinha()
{
    if (quantidade == 0) {
        interacao().mensagem(Icone::Informacao, mensagemSelecione);
        return false;
    }
    --quantidade;
    if (selecionado >= quantidade)
        selecionado = quantidade - 1;
    return true;
}

bool ControleNotas::selecionarLinha(int indice)
{
    if (quantidade == 0)
        return false;
    if (indice >= 0 && indice < quantidade)
        selecionado = indice;
    return true;
}

bool ControleNotas::mostrarCategoria(int)
{
    return false;
}
void ControleNotas::removerCategoria(int) {}
void ControleNotas::atualizarNotas() {}
void ControleNotas::classificar() {}
void ControleNotas::gravarNotas(DocumentoXml &) const {}
void ControleNotas::lerNotas(const ListaNos &) {}
void ControleNotas::lerIndicadores(const ListaNos &) {}
void ControleNotas::lerCausas(const ListaNos &) {}

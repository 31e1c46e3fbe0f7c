#include "voters/ControleVotantes.h"

#include "app/CaixaRolagem.h"
#include "data/DocumentoXml.h"

ControleVotantes *controleVotantes = nullptr;

namespace {

const QString naoDisponivel = QStringLiteral("(Não disponível)");
const QString semDado = QStringLiteral("N/D");

} // namespace

// Placeholder until the voter categories are built: an empty list that answers by position.
ControleVotantes::ControleVotantes(CaixaRolagem *sbVotantes)
    : Lista(maximoCategorias), sbVotantes(sbVotantes)
{
}

bool ControleVotantes::adicionar()
{
    return false;
}
bool ControleVotantes::remover()
{
    return false;
}
bool ControleVotantes::selecionar(int)
{
    return quantidade > 0;
}
void ControleVotantes::atualizar(bool) {}
void ControleVotantes::esvaziar() {}
void ControleVotantes::gravarCategorias(DocumentoXml &) const {}
void ControleVotantes::lerCategorias(const ListaNos &) {}
QString ControleVotantes::tituloCategoria(int) const
{
    return naoDisponivel;
}
int ControleVotantes::quantidadeVotantes(int) const
{
    return 0;
}
ValorCor ControleVotantes::corCategoria(int) const
{
    return corPreta;
}
QString ControleVotantes::rotuloVotante(int, int) const
{
    return semDado;
}
QString ControleVotantes::nomeVotante(int, int) const
{
    return semDado;
}
TfrCategoria *ControleVotantes::quadro(int) const
{
    return nullptr;
}

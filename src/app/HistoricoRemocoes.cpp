#include "app/HistoricoRemocoes.h"

#include <utility>

void HistoricoRemocoes::registrar(Remocao remocao)
{
    desfeitas.clear();
    remocoes.push_back(std::move(remocao));
    if (remocoes.size() > static_cast<size_t>(limite))
        remocoes.pop_front();
}

void HistoricoRemocoes::desfeita()
{
    desfeitas.push_back(std::move(remocoes.back()));
    remocoes.pop_back();
}

void HistoricoRemocoes::refeita(std::optional<Remocao> comoAgora)
{
    desfeitas.pop_back();
    if (comoAgora)
        remocoes.push_back(std::move(*comoAgora));
}

void HistoricoRemocoes::limpar()
{
    remocoes.clear();
    desfeitas.clear();
}

#include "app/Interacao.h"

#include "app/InteracaoQt.h"

namespace {

Interacao *atual = nullptr;

} // namespace

Interacao &interacao()
{
    static InteracaoQt padrao;
    if (atual)
        return *atual;
    return padrao;
}

void definirInteracao(Interacao *nova)
{
    atual = nova;
}

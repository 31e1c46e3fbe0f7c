#include "app/Interacao.h"

#include "app/InteracaoQt.h"

namespace {

Interacao *atual = nullptr;

} // namespace

Interacao &interacao()
{
    static InteracaoQt padrao;
    return atual ? *atual : padrao;
}

void definirInteracao(Interacao *nova)
{
    atual = nova;
}

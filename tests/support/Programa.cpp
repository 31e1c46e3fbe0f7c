#include "support/Programa.h"

#include "app/Inicializacao.h"

Programa::Programa()
{
    criarObjetosGlobais();
}

Programa::~Programa()
{
    destruirObjetosGlobais();
}

bool Programa::iniciar(InteracaoRoteirizada::AcaoModal acao, const QString &plano)
{
    if (acao)
        interacao.modais.enqueue(std::move(acao));
    return iniciarPlano(plano);
}

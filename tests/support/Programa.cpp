#include "support/Programa.h"

#include "app/Inicializacao.h"
#include "data/CopiaRecuperacao.h"

#include <QDir>

Programa::Programa()
{
    criarObjetosGlobais();
}

Programa::~Programa()
{
    destruirObjetosGlobais();
    if (!manterRecuperacao)
        QDir(CopiaRecuperacao::pasta()).removeRecursively();
}

bool Programa::iniciar(InteracaoRoteirizada::AcaoModal acao, const QString &plano)
{
    if (acao)
        interacao.modais.enqueue(std::move(acao));
    return iniciarPlano(plano);
}

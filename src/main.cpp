#include "app/Aplicacao.h"
#include "app/Inicializacao.h"

int main(int argc, char *argv[])
{
    Aplicacao aplicacao(argc, argv);
    return rodarPrograma();
}

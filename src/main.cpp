#include "app/Aplicacao.h"
#include "app/Inicializacao.h"
#include "app/LinhaDeComando.h"

int main(int argc, char *argv[])
{
    // --help and --version answer before the application object, which needs a display.
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos.append(QString::fromLocal8Bit(argv[i]));
    const LinhaDeComando pedida = lerLinhaDeComando(argumentos);
    if (pedida.pedido == LinhaDeComando::Pedido::ajuda ||
        pedida.pedido == LinhaDeComando::Pedido::versao)
        return responderLinhaDeComando(pedida);

    Aplicacao aplicacao(argc, argv);
    // Read again without the options Qt took for itself (-platform, -style...).
    const LinhaDeComando linha = lerLinhaDeComando(QCoreApplication::arguments().mid(1));
    if (linha.pedido != LinhaDeComando::Pedido::iniciar)
        return responderLinhaDeComando(linha);
    return rodarPrograma(linha.plano);
}

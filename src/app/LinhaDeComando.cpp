#include "app/LinhaDeComando.h"

#include "app/Versao.h"

#include <cstdio>

namespace {

const QString textoAjuda =
    QStringLiteral("Uso: sorvane [PLANO]\n"
                   "Planejamento participativo do plano de gestão da escola.\n"
                   "\n"
                   "  PLANO          o arquivo do plano, por exemplo plano.xml: a janela\n"
                   "                 \"Plano Escolar\" já o traz, e \"Ok\" o abre (ou o cria)\n"
                   "  -h, --help     mostra esta ajuda e termina\n"
                   "  --version      mostra a versão e termina\n");
const QString textoVersao = QStringLiteral("Sorvane " SORVANE_VERSAO "\n");
const QString dicaAjuda = QStringLiteral("\nUse \"sorvane --help\" para ver como usar.\n");

void escrever(std::FILE *saida, const QString &texto)
{
    std::fputs(texto.toLocal8Bit().constData(), saida);
}

} // namespace

LinhaDeComando lerLinhaDeComando(const QStringList &argumentos)
{
    LinhaDeComando linha;
    QStringList planos;
    bool soArquivos = false;
    bool versao = false;
    for (const QString &argumento : argumentos) {
        if (soArquivos || !argumento.startsWith(u'-') || argumento == QLatin1String("-")) {
            planos.append(argumento);
        } else if (argumento == QLatin1String("--")) {
            soArquivos = true;
        } else if (argumento == QLatin1String("--help") || argumento == QLatin1String("-h")) {
            linha.pedido = LinhaDeComando::Pedido::ajuda;
            return linha;
        } else if (argumento == QLatin1String("--version")) {
            versao = true;
        } else if (linha.erro.isEmpty()) {
            linha.erro = QStringLiteral("sorvane: opção desconhecida: %1").arg(argumento);
        }
    }
    if (versao) {
        linha.pedido = LinhaDeComando::Pedido::versao;
    } else if (!linha.erro.isEmpty()) {
        linha.pedido = LinhaDeComando::Pedido::erro;
    } else if (planos.size() > 1) {
        linha.pedido = LinhaDeComando::Pedido::erro;
        linha.erro =
            QStringLiteral("sorvane: um plano de cada vez (foram dados %1)").arg(planos.size());
    } else if (!planos.isEmpty()) {
        linha.plano = planos.first();
    }
    return linha;
}

int responderLinhaDeComando(const LinhaDeComando &linha)
{
    switch (linha.pedido) {
    case LinhaDeComando::Pedido::ajuda:
        escrever(stdout, textoAjuda);
        return 0;
    case LinhaDeComando::Pedido::versao:
        escrever(stdout, textoVersao);
        return 0;
    case LinhaDeComando::Pedido::erro:
        escrever(stderr, linha.erro + dicaAjuda);
        return statusLinhaInvalida;
    case LinhaDeComando::Pedido::iniciar:
        break;
    }
    return 0;
}

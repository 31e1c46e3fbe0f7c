#include "support/voters/PlanoAmostra.h"

#include "data/TdmDados.h"
#include "grading/ControleNotas.h"
#include "grading/TfrNotas.h"
#include "problems/ControleProblemas.h"
#include "problems/TfrProblema.h"
#include "voters/ControleVotantes.h"
#include "voters/TfrCategoria.h"

#include <QComboBox>
#include <QLineEdit>

namespace amostra {

void adicionarProblema(const QString &nome)
{
    controleProblemas->adicionar();
    controleProblemas->quadro(controleProblemas->total() - 1)->definirNome(nome);
}

TfrCategoria *adicionarCategoria(const QString &titulo, const QString &id, ValorCor cor,
                                 const QStringList &nomes)
{
    controleVotantes->adicionar();
    const int c = controleVotantes->total() - 1;
    TfrCategoria *quadro = controleVotantes->quadro(c);
    quadro->montar(); // typed as on its tab
    quadro->edCategoria->setText(titulo);
    quadro->edIdentificador->setText(id);
    quadro->definirCor(cor);
    escolherQuantidade(c, static_cast<int>(nomes.size()));
    for (int j = 0; j < nomes.size(); ++j)
        quadro->definirNomeVotante(j, nomes.at(j));
    return quadro;
}

void escolherQuantidade(int categoria, int votantes)
{
    TfrCategoria *quadro = controleVotantes->quadro(categoria);
    quadro->montar();
    quadro->cbQuantidade->setCurrentIndex(votantes - 1);
    Q_EMIT quadro->cbQuantidade->activated(votantes - 1);
}

void darNota(int p, int c, int v, int nota)
{
    controleNotas->mostrarCategoria(c);
    controleNotas->linhaNotas(p)->montar();
    auto *caixa =
        controleNotas->linhaNotas(p)->findChild<QComboBox *>(QStringLiteral("cbNota%1").arg(v));
    caixa->setCurrentIndex(nota);
    Q_EMIT caixa->activated(nota);
}

DocumentoXml salvarPlano()
{
    DocumentoXml documento;
    documento.criarRaiz(QStringLiteral("planejamento"), QStringLiteral("xmlns"));
    TdmDados::gravarListas(documento);
    return documento;
}

void abrirPlano(const DocumentoXml &documento)
{
    DocumentoXml copia;
    copia.carregarBytes(documento.paraBytes());
    controleProblemas->esvaziar();
    controleVotantes->esvaziar();
    TdmDados::lerListas(copia.secoes());
}

QByteArray bytesSecoes(DocumentoXml &documento)
{
    for (const ElementoXml &secao : documento.secoes()) {
        const QString nome = secao.nome();
        if (nome == QLatin1String("indicadores") || nome == QLatin1String("causas") ||
            nome == QLatin1String("operacoes")) {
            secao.filhos().removerTodos();
        }
    }
    return documento.paraBytes();
}

} // namespace amostra

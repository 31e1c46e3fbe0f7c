#include "support/data/ApoioPlano.h"

#include "data/TfmDadosEscola.h"

#include <QFile>
#include <QPushButton>
#include <QtTest>

namespace apoio {

QByteArray lerBytes(const QString &arquivo)
{
    QFile entrada(arquivo);
    if (!entrada.open(QIODevice::ReadOnly))
        return {};
    return entrada.readAll();
}

void gravarBytes(const QString &arquivo, const QByteArray &bytes)
{
    QFile saida(arquivo);
    QVERIFY2(saida.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(arquivo));
    QCOMPARE(saida.write(bytes), bytes.size());
}

InteracaoRoteirizada::AcaoModal pressionarOk(const RespostaEscola &resposta)
{
    return [resposta](QDialog &janela) {
        auto &dialogo = static_cast<TfmDadosEscola &>(janela);
        if (!resposta.escola.isNull())
            dialogo.definirEscola(resposta.escola);
        if (!resposta.diretor.isNull())
            dialogo.definirDiretor(resposta.diretor);
        if (!resposta.data.isNull())
            dialogo.definirData(resposta.data);
        if (!resposta.nomePlano.isNull())
            dialogo.definirNomePlano(resposta.nomePlano);
        dialogo.setResult(QDialog::Rejected);
        dialogo.btnOk->click();
        return dialogo.result();
    };
}

QByteArray linhas(std::initializer_list<const char *> texto)
{
    QByteArray resultado;
    for (const char *linha : texto)
        resultado += QByteArray(linha) + "\r\n";
    return resultado;
}

} // namespace apoio

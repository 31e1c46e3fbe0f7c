#include "data/TdmDados.h"

TdmDados *dmDados = nullptr;

// Placeholder until the plan file is built.
TdmDados::TdmDados() = default;
TdmDados::~TdmDados() = default;
void TdmDados::carregar(const QString &) {}
void TdmDados::salvar(const QString &) {}
void TdmDados::limpar(bool) {}
QString TdmDados::nomeArquivoOuPadrao() const
{
    return arquivoPlano.isEmpty() ? QStringLiteral("plano.xml") : arquivoPlano;
}
void TdmDados::prepararCedula() {}
void TdmDados::prepararAta() {}
ListaNos TdmDados::prepararOrganograma()
{
    return {};
}

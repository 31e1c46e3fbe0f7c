#include "analysis/TfmICProblema.h"

#include "data/ElementoXml.h"
#include "data/ListaNos.h"

// Placeholder until the analysis windows are built.
TfmICProblema::TfmICProblema(QWidget *pai) : QDialog(pai)
{
    setObjectName(QStringLiteral("fmICProblema"));
    setWindowTitle(QStringLiteral("Indicadores e Causas do Problema"));
}
TfmICProblema::~TfmICProblema() = default;
void TfmICProblema::definirRevisao(const QString &) {}
QString TfmICProblema::revisaoGeral() const
{
    return {};
}
void TfmICProblema::gravarIndicadores(ElementoXml) const {}
void TfmICProblema::gravarCausas(ElementoXml, ElementoXml) const {}
void TfmICProblema::carregarIndicadores(const ElementoXml &) {}
void TfmICProblema::carregarCausas(const ElementoXml &) {}
void TfmICProblema::carregarOperacoes(const ListaNos &) {}

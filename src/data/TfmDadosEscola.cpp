#include "data/TfmDadosEscola.h"

TfmDadosEscola *fmDadosEscola = nullptr;

// Placeholder until the school data dialog is built.
TfmDadosEscola::TfmDadosEscola(QWidget *pai) : QDialog(pai)
{
    setObjectName(QStringLiteral("fmDadosEscola"));
    setWindowTitle(QStringLiteral("Plano Escolar"));
}
void TfmDadosEscola::definirEscola(const QString &) {}
void TfmDadosEscola::definirDiretor(const QString &) {}
void TfmDadosEscola::definirData(const QString &) {}
void TfmDadosEscola::definirNomePlano(const QString &) {}
void TfmDadosEscola::gravarEscola(DocumentoXml &) const {}
void TfmDadosEscola::lerEscola(const ListaNos &) {}
QString TfmDadosEscola::nomeEscola() const
{
    return {};
}
QString TfmDadosEscola::nomeDiretor() const
{
    return {};
}
QString TfmDadosEscola::nomePlano() const
{
    return {};
}
bool TfmDadosEscola::parteDoPlanoHabilitada() const
{
    return true;
}
void TfmDadosEscola::btnOkClick()
{
    accept();
}
void TfmDadosEscola::btnAbrirPlanejamentoClick() {}
void TfmDadosEscola::edNomePlanejamentoEnter() {}

#include "documents/TfmDiagrama.h"

#include "data/ListaNos.h"

TfmDiagrama *fmDiagrama = nullptr;

// Placeholder until the chart is built.
TfmDiagrama::TfmDiagrama(QWidget *pai) : QDialog(pai)
{
    setObjectName(QStringLiteral("fmDiagrama"));
}

void TfmDiagrama::montarOrganograma(const ListaNos &, const QString &) {}

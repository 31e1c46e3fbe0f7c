#include "documents/TfmRelatorio.h"

#include "data/ListaNos.h"

TfmRelatorio *fmRelatorio = nullptr;

// Placeholder until the documents are built.
TfmRelatorio::TfmRelatorio(QWidget *pai) : QDialog(pai)
{
    setObjectName(QStringLiteral("fmRelatorio"));
}

void TfmRelatorio::montarAta(const ListaNos &) {}

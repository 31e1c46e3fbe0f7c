#include "documents/TfmCedula.h"

#include "data/ListaNos.h"

TfmCedula *fmCedula = nullptr;

// Placeholder until the documents are built.
TfmCedula::TfmCedula(QWidget *pai) : QDialog(pai)
{
    setObjectName(QStringLiteral("fmCedula"));
}

void TfmCedula::gerarCedula(const ListaNos &) {}

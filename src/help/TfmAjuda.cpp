#include "help/TfmAjuda.h"

TfmAjuda *fmAjuda = nullptr;

// Placeholder until help and About are built.
TfmAjuda::TfmAjuda(QWidget *pai) : QDialog(pai)
{
    setObjectName(QStringLiteral("fmAjuda"));
}

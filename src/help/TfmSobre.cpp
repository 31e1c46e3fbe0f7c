#include "help/TfmSobre.h"

TfmSobre *fmSobre = nullptr;

// Placeholder until help and About are built.
TfmSobre::TfmSobre(QWidget *pai) : QDialog(pai)
{
    setObjectName(QStringLiteral("fmSobre"));
}

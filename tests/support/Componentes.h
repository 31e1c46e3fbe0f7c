#pragma once

// The running program's widgets, found by the object names the windows give them.

#include "app/QuadroSobDemanda.h"
#include "app/TfmPrincipal.h"

#include <QFrame>
#include <QLabel>
#include <QString>

namespace apoio {

template <typename T> T *achar(const QString &nome)
{
    return fmPrincipal->findChild<T *>(nome);
}

template <typename T> T *achar(const char *nome)
{
    return achar<T>(QString::fromLatin1(nome));
}

// A label of the main window's header. The school data dialog, a child of the main window, has
// labels of the same names, so the search starts at the header.
inline QLabel *rotuloCabecalho(const char *nome)
{
    return achar<QFrame>("painelPrincipal")->findChild<QLabel *>(QString::fromLatin1(nome));
}

// The list frames' controls built, as showing their tabs builds them.
inline void montarQuadros()
{
    for (QuadroSobDemanda *quadro : fmPrincipal->findChildren<QuadroSobDemanda *>())
        quadro->montar();
}

} // namespace apoio

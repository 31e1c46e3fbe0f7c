#pragma once

// The list frames' controls built, as showing their tabs builds them.

#include "app/QuadroSobDemanda.h"
#include "app/TfmPrincipal.h"

namespace apoio {

inline void montarQuadros()
{
    for (QuadroSobDemanda *quadro : fmPrincipal->findChildren<QuadroSobDemanda *>())
        quadro->montar();
}

} // namespace apoio

#include "grading/OrdemClassificacao.h"

std::vector<int> ordemClassificacao(std::span<const float> totais)
{
    const size_t quantidade = totais.size();
    std::vector<bool> colocado(quantidade, false);
    std::vector<int> ordem;
    ordem.reserve(quantidade);
    for (size_t vez = 0; vez < quantidade; ++vez) {
        size_t p = 0;
        while (p < quantidade && colocado[p])
            ++p;
        for (size_t i = p + 1; i < quantidade; ++i) {
            if (!colocado[i] && totais[i] > totais[p])
                p = i;
        }
        colocado[p] = true;
        ordem.push_back(static_cast<int>(p));
    }
    return ordem;
}

#pragma once

// The order of the ranking: by descending total, the earlier problem first among equals.

#include <span>
#include <vector>

// The problem indices from the top of the ranking to its bottom. Built by repeated choice of
// the largest remaining total (strictly larger wins), so equal totals keep the list's order.
std::vector<int> ordemClassificacao(std::span<const float> totais);

#pragma once

// Removals as the user makes them, taken from the lists on screen with everything they held,
// and put back where they were. A problem or a category goes back to its old place; what an
// analysis window removed goes back into its problem's analysis, even while that window is
// closed. The main window keeps the history.

#include "app/HistoricoRemocoes.h"

#include <optional>

class TfrClassificacao;

// Each selects the item and removes it as the main window's remove button does.
Remocao removerProblema(int p);
Remocao removerCategoria(int c);

// False, after a message, when the item's list has no room left for it.
bool restaurarRemocao(const Remocao &remocao);
// The item put back since is removed again; nothing when it is no longer there.
std::optional<Remocao> refazerRemocao(const Remocao &remocao);

// A ranking row's analysis window removed something.
void registrarRemocaoNaAnalise(const TfrClassificacao *linha,
                               const AnaliseProblema::Remocao &remocao);
// Ctrl+Z (or Ctrl+Shift+Z) in that window (ficha −1) or in its sheet of cause ficha + 1: only
// a removal from that problem's analysis (from that sheet's operations) is taken back or made
// again there, so nothing on screen, nor the window itself, goes under it.
void desfazerNaAnalise(const TfrClassificacao *linha, bool refazer, int ficha);

#pragma once

// The start-up sequence, shared by main and the tests so both run the same steps.

#include <QString>

// The main window (with its controllers), the school data dialog and the data module.
void criarObjetosGlobais();
// In reverse order; the data module's teardown writes config.ini. Globals go back to nullptr.
void destruirObjetosGlobais();
// Shows the main window and the school data dialog, then lays the lists out. False when the
// dialog was cancelled, which ends the program. A plan given on the command line is the one the
// dialog offers to open.
bool iniciarPlano(const QString &plano = {});
// iniciarPlano, then the event loop; the exit status.
int executarPrograma(const QString &plano = {});
// The whole run, as main does it: create, execute, tear down. An exception escaping start-up is
// shown in an error box and gives a non-zero status; the teardown (and config.ini) runs anyway.
int rodarPrograma(const QString &plano = {});

inline constexpr int statusErroInicializacao = 1;

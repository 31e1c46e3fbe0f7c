#pragma once

// Builds the program as start-up does (main window with its controllers, school data dialog,
// data module) with the scripted interaction installed, and tears it down again.

#include "support/InteracaoRoteirizada.h"

class Programa {
public:
    Programa(); // the global objects exist afterwards; no plan is open yet
    // Tears down as the program's exit does, which writes config.ini; then the recovery copies
    // it may have left go too, unless `manterRecuperacao`, so no other case meets them.
    ~Programa();

    // Start-up steps 5 to 7 with the school data dialog answered by `acao` (or Rejected), with
    // `plano` as given on the command line.
    bool iniciar(InteracaoRoteirizada::AcaoModal acao = {}, const QString &plano = {});

    InteracaoRoteirizada interacao;
    bool manterRecuperacao = false;
};

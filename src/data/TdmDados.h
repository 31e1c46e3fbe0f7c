#pragma once

// The data module: the only place where the plan file is read and written. It owns the plan's
// XML document, walks the section writers and readers in their fixed order and remembers the
// current plan file in config.ini between runs.

#include "data/DocumentoXml.h"

#include <QString>

class TdmDados {
public:
    TdmDados();  // reads config.ini from the start-up directory
    ~TdmDados(); // writes config.ini there

    void carregar(const QString &nome); // raises on a file that cannot be parsed
    void salvar(const QString &nome);   // reports its own failure, never raises
    void limpar(bool comItens);
    QString nomeArquivoOuPadrao() const;

    void prepararCedula();          // saves, then fills fmCedula
    void prepararAta();             // saves, then fills fmRelatorio
    ListaNos prepararOrganograma(); // saves, then hands out the sections

    DocumentoXml xmlDoc;
    QString arquivoPlano;
    QString diretorioInicial;
};

extern TdmDados *dmDados;

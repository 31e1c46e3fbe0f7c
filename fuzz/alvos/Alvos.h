#pragma once

// The fast fuzz targets. Each takes arbitrary bytes to one reader or builder that needs no
// window, thousands of times a second, and checks what must hold for every input: what a
// writer writes its reader reads back the same, texts are valid, totals finite, layouts inside
// the page. The fuzzers (fuzz_rapido.cpp) and the regression cases of the test suite share
// them. The documents and the chart need an application object (offscreen is enough).

#include <QByteArray>
#include <QString>
#include <string_view>

namespace alvos {

// Empty when every promise held for `bytes`; otherwise the promise that broke. A crash or a
// sanitizer report ends the process instead. Input a reader refuses with a message is no fault.
QString xml(const QByteArray &bytes);         // DocumentoXml, ElementoXml, ListaNos, Texto
QString analise(const QByteArray &bytes);     // AnaliseProblema, OperacoesCausa, DadosOrganograma
QString documentos(const QByteArray &bytes);  // the minutes' and the ballots' texts
QString organograma(const QByteArray &bytes); // the chart laid out on a picture and on pages

struct Alvo {
    std::string_view nome;
    QString (*verificar)(const QByteArray &bytes);
};

inline constexpr Alvo todos[] = {
    {"xml", xml}, {"analise", analise}, {"documentos", documentos}, {"organograma", organograma}};

} // namespace alvos

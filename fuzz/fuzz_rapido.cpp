// One fast fuzz target of alvos/Alvos.h, the one named by SORVANE_ALVO when it is built: the
// bytes go to one reader or builder, and a broken promise is a finding as a crash is.

#include "alvos/Alvos.h"

#include <QApplication>
#include <QLocale>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace {

const alvos::Alvo &alvo()
{
    static const auto *escolhido =
        std::find_if(std::begin(alvos::todos), std::end(alvos::todos),
                     [](const alvos::Alvo &candidato) { return candidato.nome == SORVANE_ALVO; });
    if (escolhido == std::end(alvos::todos))
        std::abort();
    return *escolhido;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication aplicacao(*argc, *argv);
    // Grades and dates read as the program's users write them.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(dados),
                                                     static_cast<qsizetype>(tamanho));
    const QString falha = alvo().verificar(bytes);
    if (!falha.isEmpty()) {
        std::fprintf(stderr, "fuzz_%s: %s\n", SORVANE_ALVO, qPrintable(falha));
        std::abort();
    }
    return 0;
}

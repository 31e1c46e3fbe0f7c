#include "Tabela.h"

#include <algorithm>
#include <cstdio>

namespace {

// Pads to `colunas` screen columns: printf counts bytes, and accents take two.
std::string alinhar(const std::string &texto, size_t colunas, bool aDireita)
{
    size_t largura = 0;
    for (const char c : texto)
        largura += (static_cast<unsigned char>(c) & 0xC0) == 0x80 ? 0 : 1;
    const std::string espacos(colunas > largura ? colunas - largura : 0, ' ');
    return aDireita ? espacos + texto : texto + espacos;
}

} // namespace

bool ColetorMedianas::ReportContext(const Context &contexto)
{
    std::fprintf(stderr, "Medindo no plano máximo (%d núcleos a %.0f MHz; carga %.2f)...\n",
                 contexto.cpu_info.num_cpus, contexto.cpu_info.cycles_per_second / 1e6,
                 contexto.cpu_info.load_avg.empty() ? 0.0 : contexto.cpu_info.load_avg[0]);
    return true;
}

void ColetorMedianas::ReportRuns(const std::vector<Run> &execucoes)
{
    for (const Run &execucao : execucoes) {
        if (execucao.error_occurred)
            continue;
        const bool mediana =
            execucao.run_type == Run::RT_Aggregate && execucao.aggregate_name == "median";
        // A single repetition has no aggregates: its own figure is the median.
        const bool unica = execucao.run_type == Run::RT_Iteration && execucao.repetitions <= 1;
        if (!mediana && !unica)
            continue;
        const double segundos = execucao.real_accumulated_time /
                                static_cast<double>(std::max<int64_t>(1, execucao.iterations));
        medianas[execucao.run_name.function_name] = segundos * 1e3;
        std::fprintf(stderr, "  %-20s %10.3f ms  %s\n", execucao.run_name.function_name.c_str(),
                     segundos * 1e3, execucao.report_label.c_str());
    }
}

double ColetorMedianas::medianaMs(const std::string &id) const
{
    const auto achado = medianas.find(id);
    return achado == medianas.end() ? -1.0 : achado->second;
}

bool imprimirTabela(const std::vector<LinhaTabela> &linhas, const ColetorMedianas &coletor)
{
    bool todas = true;
    std::printf("\n%s %11s %11s %s %12s\n", alinhar("Operação (plano máximo)", 44, false).c_str(),
                "tempo ms", "piso ms", alinhar("razão", 8, true).c_str(),
                alinhar("meta", 22, true).c_str());
    std::printf("%s\n", std::string(106, '-').c_str());
    for (const LinhaTabela &linha : linhas) {
        const double tempo = coletor.medianaMs(linha.id);
        if (tempo < 0)
            continue;
        const double piso = linha.idPiso.empty() ? -1.0 : coletor.medianaMs(linha.idPiso);
        char textoPiso[32] = "";
        char textoRazao[32] = "";
        char textoMeta[32] = "";
        const char *situacao = "";
        if (piso > 0) {
            std::snprintf(textoPiso, sizeof textoPiso, "%.3f", piso);
            std::snprintf(textoRazao, sizeof textoRazao, "%.2f", tempo / piso);
        }
        // A row may have both goals: a ratio to its floor and a time.
        std::string meta;
        bool ok = true;
        if (linha.metaRazao > 0 && piso > 0) {
            std::snprintf(textoMeta, sizeof textoMeta, "razão ≤ %.0f", linha.metaRazao);
            meta = textoMeta;
            ok = tempo / piso <= linha.metaRazao;
        }
        if (linha.metaMs > 0) {
            std::snprintf(textoMeta, sizeof textoMeta, "≤ %.0f ms", linha.metaMs);
            meta += (meta.empty() ? "" : ", ") + std::string(textoMeta);
            ok = ok && tempo <= linha.metaMs;
        }
        if (!meta.empty()) {
            situacao = ok ? "ok" : "ACIMA";
            todas = todas && ok;
        }
        std::printf("%s %11.3f %11s %8s %s  %s\n", alinhar(linha.rotulo, 44, false).c_str(), tempo,
                    textoPiso, textoRazao, alinhar(meta, 22, true).c_str(), situacao);
    }
    std::printf("\n");
    return todas;
}

#pragma once

// The one table `make bench` prints: every operation's median time, its floor and the ratio,
// against its goal. While the benchmarks run, the reporter only says which one finished (on
// stderr) and gathers the medians; --benchmark_out still writes Google Benchmark's own file.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

struct LinhaTabela {
    std::string id;       // the benchmark's name
    std::string rotulo;   // what the table calls it
    std::string idPiso;   // the floor's benchmark, or empty
    double metaRazao = 0; // at most this ratio to the floor (0: none)
    double metaMs = 0;    // at most this many milliseconds (0: none)
};

class ColetorMedianas : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context &contexto) override;
    void ReportRuns(const std::vector<Run> &execucoes) override;
    // Median of the repetitions, in milliseconds; negative when the benchmark did not run.
    double medianaMs(const std::string &id) const;

private:
    std::map<std::string, double> medianas;
};

// Prints the table; false when a goal was missed.
bool imprimirTabela(const std::vector<LinhaTabela> &linhas, const ColetorMedianas &coletor);

// Wage-tax runs per second of the 2024 module on a fixed, varied case set.
#include "Module.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace brenvik;

namespace {
// Monthly and annual wages, all six tax classes, with and without children,
// church tax and other payments; the same set on every run.
std::vector<LohnVar> faelle() {
    std::vector<LohnVar> alle;
    for (int i = 0; i < 240; ++i) {
        LohnVar lv;
        LohnVarReset(lv);
        lv.Jahr = 2024;
        lv.LZZ = i % 2 == 0 ? 2 : 1;
        lv.STKL = byte(1 + i % 6);
        Cent monat = Cent(80000 + (i * 7919) % 1200000);
        lv.RE4 = lv.LZZ == 2 ? monat : monat * 12;
        lv.KVZ = 1.7_z;
        lv.ZKF = Zahl(i % 3) / 2;
        lv.R = byte(i % 4 == 1);
        lv.PVZ = byte(i % 5 == 0);
        if (i % 4 == 0) {
            lv.JRE4 = monat * 12;
            lv.SONSTB = Cent(50000 + i * 1000);
        }
        alle.push_back(lv);
    }
    return alle;
}

void BM_LStPap24(benchmark::State& state) {
    const std::vector<LohnVar> vorlage = faelle();
    LStModul& modul = LStPap24();
    LohnVar lv;
    std::size_t i = 0;
    for (auto _ : state) {
        lv = vorlage[i];
        modul.Lohnsteuer(lv);
        benchmark::DoNotOptimize(lv.LSTLZZ);
        if (++i == vorlage.size()) i = 0;
    }
    state.counters["runs_per_s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LStPap24);
} // namespace

BENCHMARK_MAIN();

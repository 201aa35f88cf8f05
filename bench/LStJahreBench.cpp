// Wage-tax runs per second of one module of each era 2010 to 2023, on the
// case set of the 2024 benchmark.
#include "Module.h"
#include "Module2010bis2023.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace brenvik;

namespace {
// Monthly and annual wages, all six tax classes, with and without children,
// church tax and other payments; the same set on every run.
std::vector<LohnVar> faelle(int jahr, int monat) {
    std::vector<LohnVar> alle;
    for (int i = 0; i < 240; ++i) {
        LohnVar lv;
        LohnVarReset(lv);
        lv.Jahr = jahr;
        lv.Monat = monat;
        lv.LZZ = i % 2 == 0 ? 2 : 1;
        lv.STKL = byte(1 + i % 6);
        Cent betrag = Cent(80000 + (i * 7919) % 1200000);
        lv.RE4 = lv.LZZ == 2 ? betrag : betrag * 12;
        lv.KVZ = 1.7_z;
        lv.ZKF = Zahl(i % 3) / 2;
        lv.R = byte(i % 4 == 1);
        lv.PVZ = byte(i % 5 == 0);
        if (i % 4 == 0) {
            lv.JRE4 = betrag * 12;
            lv.SONSTB = Cent(50000 + i * 1000);
        }
        alle.push_back(lv);
    }
    return alle;
}

void laeufe(benchmark::State& state, LStModul& (*modul)(), int jahr, int monat) {
    const std::vector<LohnVar> vorlage = faelle(jahr, monat);
    LStModul& m = modul();
    LohnVar lv;
    std::size_t i = 0;
    for (auto _ : state) {
        lv = vorlage[i];
        m.Lohnsteuer(lv);
        benchmark::DoNotOptimize(lv.LSTLZZ);
        if (++i == vorlage.size()) i = 0;
    }
    state.counters["runs_per_s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(laeufe, LStPap10, &LStPap10, 2010, 6);
BENCHMARK_CAPTURE(laeufe, LStPap13, &LStPap13, 2013, 6);
BENCHMARK_CAPTURE(laeufe, LStPap15_Dez, &LStPap15_Dez, 2015, 12);
BENCHMARK_CAPTURE(laeufe, LStPap18, &LStPap18, 2018, 6);
BENCHMARK_CAPTURE(laeufe, LStPap21, &LStPap21, 2021, 6);
BENCHMARK_CAPTURE(laeufe, LStPap23, &LStPap23, 2023, 9);
} // namespace

BENCHMARK_MAIN();

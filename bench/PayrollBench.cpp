// One payroll run (gross to net) and one net-to-gross search, 2024.

#include "Lohnabrechnung.h"

#include <benchmark/benchmark.h>

using namespace brenvik;

namespace {

Lohnabrechnung fall(LohnVar& lv, int modus, const char* eingabe) {
    Lohnabrechnung l(lv, modus, {2024, 1});
    l.setze("edJahr", "2024");
    l.setze("cbMonat", "M\u00E4rz");
    l.setze("Eingabe", eingabe);
    l.setze("edKinderZahl", "2 Kinder");
    return l;
}

void BruttoNetto(benchmark::State& state) {
    LohnVar lv;
    Lohnabrechnung l = fall(lv, 1, "3.456,78");
    l.setze("edEZ", "1.000");
    for (auto _ : state) {
        l.rechnen();
        benchmark::DoNotOptimize(l.caption(Erg::showAuszahlung).data());
    }
}
BENCHMARK(BruttoNetto)->Unit(benchmark::kMicrosecond);

void NettoBrutto(benchmark::State& state) {
    LohnVar lv;
    Lohnabrechnung l = fall(lv, 2, "2.345,67");
    for (auto _ : state) {
        l.rechnen();
        benchmark::DoNotOptimize(l.caption(Erg::showBrutto).data());
    }
    state.counters["Laeufe"] = l.suchlaeufe();
}
BENCHMARK(NettoBrutto)->Unit(benchmark::kMicrosecond);

// The worst case: a net the search cannot hit, 100 runs.
void NettoBrutto100Laeufe(benchmark::State& state) {
    LohnVar lv;
    Lohnabrechnung l = fall(lv, 2, "1.178,28");
    l.setze("edKinderZahl", "1 Kind");
    for (auto _ : state) {
        l.rechnen();
        benchmark::DoNotOptimize(l.caption(Erg::showBrutto).data());
    }
    state.counters["Laeufe"] = l.suchlaeufe();
}
BENCHMARK(NettoBrutto100Laeufe)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

// Every module, fed with random inputs across the full width of each field:
// a run either computes or refuses a result that does not fit its 32-bit
// field; it never throws anything else, never wraps to a negative tax.
#include "LohnVarFelder.h"
#include "Module.h"

#include <gtest/gtest.h>

#include <random>

using namespace brenvik;

namespace {
std::int64_t zufall(std::mt19937_64& rng, std::int64_t min, std::int64_t max) {
    // Mostly the edges and small values, where faults hide.
    switch (rng() % 5) {
    case 0:
        return min;
    case 1:
        return max;
    case 2:
        return std::uniform_int_distribution<std::int64_t>(
            min, std::min<std::int64_t>(max, min + 1000000))(rng);
    default:
        return std::uniform_int_distribution<std::int64_t>(min, max)(rng);
    }
}

LohnVar zufallsSatz(std::mt19937_64& rng) {
    LohnVar lv;
    LohnVarReset(lv);
    for (const FeldInfo& f : lohnVarFelder()) {
        if (f.gruppe != FeldGruppe::Eingabe && f.name != "PV32b" && f.name != "Monat") continue;
        // Optional amounts stay 0 half of the time, as in real cases.
        bool betrag =
            std::holds_alternative<std::int32_t LohnVar::*>(f.feld) && f.regel.max == INT32_MAX;
        if (betrag && rng() % 2 == 0) continue;
        std::visit(
            [&](auto LohnVar::*feld) {
                using T = std::remove_reference_t<decltype(lv.*feld)>;
                if constexpr (std::is_same_v<T, Zahl>) {
                    std::int64_t skala = 1;
                    for (int i = 0; i < f.regel.stellen; ++i)
                        skala *= 10;
                    Zahl z =
                        Zahl::bruch(zufall(rng, f.regel.min * skala, f.regel.max * skala), skala);
                    if (f.regel.schritt != 0)
                        z = Zahl((z / f.regel.schritt).trunc()) * f.regel.schritt;
                    lv.*feld = z;
                } else if constexpr (std::is_integral_v<T>) {
                    lv.*feld = T(zufall(rng, f.regel.min, f.regel.max));
                }
            },
            f.feld);
    }
    if (lv.LZZ < 1 || lv.LZZ > 4) lv.LZZ = 2;
    return lv;
}
} // namespace

TEST(ExtremeEingaben, EveryModuleComputesOrRefusesCleanly) {
    std::mt19937_64 rng(20241211);
    for (LStModul* m : alleModule()) {
        int berechnet = 0;
        for (int i = 0; i < 1500; ++i) {
            LohnVar lv = zufallsSatz(rng);
            try {
                m->Lohnsteuer(lv);
                ++berechnet;
                EXPECT_GE(lv.LSTLZZ, 0) << m->name() << " case " << i;
                EXPECT_GE(lv.SOLZLZZ, 0) << m->name() << " case " << i;
                EXPECT_GE(lv.LST_SONST, 0) << m->name() << " case " << i;
                EXPECT_GE(lv.STV, 0) << m->name() << " case " << i;
            } catch (const FeldUeberlauf&) {
                // a result too large for its field: refused, as it must be
            } catch (const std::exception& e) {
                ADD_FAILURE() << m->name() << " case " << i << ": " << e.what();
            }
        }
        EXPECT_GT(berechnet, 500) << m->name();
    }
}

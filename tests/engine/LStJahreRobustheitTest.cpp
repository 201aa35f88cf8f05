// Every module of 2010 to 2023 over a grid of wages, tax classes, pay periods
// and extras: no run may throw, and no output may be negative.
#include "LohnVarFelder.h"
#include "Module.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

using namespace brenvik;
using i64 = std::int64_t;

namespace {

struct Lauf {
    const char* modul;
    int monat;
};

// 2011 and 2023 depend on the month; the others ignore it.
const Lauf kLaeufe[] = {
    {"LStPap10", 12}, {"LStPap11", 11}, {"LStPap11", 12},     {"LStPap12", 12}, {"LStPap13", 12},
    {"LStPap14", 12}, {"LStPap15", 11}, {"LStPap15_Dez", 12}, {"LStPap16", 12}, {"LStPap17", 12},
    {"LStPap18", 12}, {"LStPap19", 12}, {"LStPap20", 12},     {"LStPap21", 12}, {"LStPap22", 12},
    {"LStPap23", 3},  {"LStPap23", 9},
};

enum class Extra { Keine, Sonstiger, MehrjaehrigUndSonstiger, RenteKinderPrivat };

Cent hochrechnen(Cent re4, byte lzz) {
    const i64 faktor[] = {1, 1, 12, 52, 360};
    return Cent(std::min<i64>(INT32_MAX, i64(re4) * faktor[lzz]));
}

LohnVar fall(Cent re4, byte stkl, byte lzz, int monat, Extra extra) {
    LohnVar lv;
    LohnVarReset(lv);
    lv.RE4 = re4;
    lv.STKL = stkl;
    lv.LZZ = lzz;
    lv.Monat = monat;
    lv.KVZ = 1.3_z;
    switch (extra) {
    case Extra::Keine:
        break;
    case Extra::Sonstiger:
        lv.JRE4 = hochrechnen(re4, lzz);
        lv.SONSTB = re4;
        lv.R = 1;
        break;
    case Extra::MehrjaehrigUndSonstiger:
        lv.JRE4 = hochrechnen(re4, lzz);
        lv.SONSTB = re4 / 2;
        lv.VMT = re4;
        lv.VKAPA = re4 / 4;
        lv.R = 1;
        break;
    case Extra::RenteKinderPrivat:
        lv.VBEZ = re4 / 2;
        lv.VBEZM = re4 / 2;
        lv.ZMVB = 0;
        lv.JRE4 = hochrechnen(re4, lzz);
        lv.JVBEZ = hochrechnen(re4 / 2, lzz);
        lv.SONSTB = re4 / 3;
        lv.VBS = re4 / 6;
        lv.STERBE = re4 / 6;
        lv.ALTER1 = 1;
        lv.AJAHR = 2012;
        lv.ZKF = 1.5_z;
        lv.R = 1;
        lv.KRV = 1;
        lv.PKV = 2;
        lv.PKPV = Cent(std::min<i64>(re4, 60000));
        lv.PVS = 1;
        lv.PVZ = 1;
        lv.af = 1;
        lv.F = 0.875_z;
        lv.PV32b = 3000;
        lv.MBV = re4 / 10;
        break;
    }
    return lv;
}

i64 feldwert(const LohnVar& lv, std::string_view name) {
    const FeldInfo* info = findeFeld(name);
    if (!info) throw std::runtime_error("unknown field " + std::string(name));
    return std::visit(
        [&](auto zeiger) -> i64 {
            using T = std::remove_cvref_t<decltype(lv.*zeiger)>;
            if constexpr (std::is_integral_v<T>)
                return i64(lv.*zeiger);
            else
                throw std::runtime_error("not an integer field " + std::string(name));
        },
        info->feld);
}

} // namespace

TEST(LStJahreRobustheit, NoExceptionAndNoNegativeOutput) {
    const Cent loehne[] = {0, 1, 45000, 300000, 2500000, INT32_MAX};
    const Extra extras[] = {Extra::Keine, Extra::Sonstiger, Extra::MehrjaehrigUndSonstiger,
                            Extra::RenteKinderPrivat};
    int laeufe = 0;
    for (const Lauf& l : kLaeufe) {
        LStModul* m = findeModul(l.modul);
        ASSERT_NE(m, nullptr) << l.modul;
        for (Cent re4 : loehne)
            for (byte stkl = 1; stkl <= 6; ++stkl)
                for (byte lzz = 1; lzz <= 4; ++lzz)
                    for (Extra extra : extras) {
                        LohnVar lv = fall(re4, stkl, lzz, l.monat, extra);
                        const std::string was =
                            std::string(l.modul) + " Monat " + std::to_string(l.monat) + " RE4 " +
                            std::to_string(re4) + " STKL " + std::to_string(stkl) + " LZZ " +
                            std::to_string(lzz) + " extra " + std::to_string(int(extra));
                        try {
                            m->Lohnsteuer(lv);
                        } catch (const std::exception& e) {
                            ADD_FAILURE() << was << ": " << e.what();
                            continue;
                        }
                        ++laeufe;
                        // VKVSONST is the change of the deductible private
                        // premium; with employer subsidy (PKV 2) a larger annual
                        // wage lowers it, as the flowchart computes.
                        for (std::string_view feld : m->ausgaben()) {
                            if (feld == "VKVSONST") continue;
                            EXPECT_GE(feldwert(lv, feld), 0) << was << ": " << feld;
                        }
                    }
    }
    EXPECT_EQ(laeufe, 17 * 6 * 6 * 4 * 4);
}

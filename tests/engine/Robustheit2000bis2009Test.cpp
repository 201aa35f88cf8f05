// Every module of 2000 to 2009 over a grid of wages from 0 to the top of the
// field, every class and period, with and without other payment: no
// exception, no negative result, and never less tax for more wage.
#include "Module.h"

#include <gtest/gtest.h>

#include <climits>

using namespace brenvik;

namespace {
constexpr Cent kLoehne[] = {
    0,       1,        99,        5000,           40000,         100000,        300000,
    1000000, 10000000, 100000000, INT32_MAX / 12, INT32_MAX / 2, INT32_MAX - 1, INT32_MAX};

LohnVar fall(Cent re4, int stkl, int lzz, bool sonstig) {
    LohnVar lv;
    LohnVarReset(lv);
    lv.RE4 = re4;
    lv.STKL = std::uint8_t(stkl);
    lv.LZZ = std::uint8_t(lzz);
    lv.ZKF = stkl <= 4 ? 1 : 0;
    lv.R = 1;
    lv.KRV = stkl == 2 ? 1 : 0;
    if (sonstig) {
        lv.SONSTB = 500000;
        lv.JRE4 = Cent(std::min<std::int64_t>(std::int64_t(re4) * 12, INT32_MAX - lv.SONSTB));
    }
    return lv;
}

} // namespace

TEST(Robustheit2000bis2009, GridOfWagesClassesAndPeriods) {
    int laeufe = 0;
    for (LStModul* m : module2000bis2009())
        for (int stkl = 1; stkl <= 6; ++stkl)
            for (int lzz = 1; lzz <= 4; ++lzz)
                for (bool sonstig : {false, true}) {
                    Cent vorher = 0;
                    for (Cent re4 : kLoehne) {
                        LohnVar lv = fall(re4, stkl, lzz, sonstig);
                        ASSERT_NO_THROW(m->Lohnsteuer(lv))
                            << m->name() << " class " << stkl << " LZZ " << lzz << " RE4 " << re4;
                        ++laeufe;
                        const Cent ergebnisse[] = {lv.LSTLZZ,     lv.SOLZLZZ,     lv.BK,
                                                   lv.LST_SONST,  lv.SOLZS,       lv.BKS,
                                                   lv.STV,        lv.SOLZV,       lv.BKV,
                                                   lv.LSTLZZ_EUR, lv.SOLZLZZ_EUR, lv.BK_EUR};
                        for (Cent e : ergebnisse)
                            EXPECT_GE(e, 0) << m->name() << " class " << stkl << " LZZ " << lzz
                                            << " RE4 " << re4 << " other " << sonstig;
                        EXPECT_GE(lv.LSTLZZ, vorher)
                            << m->name() << " class " << stkl << " LZZ " << lzz << " RE4 " << re4;
                        EXPECT_LE(lv.LSTLZZ, re4) << m->name() << " RE4 " << re4;
                        vorher = lv.LSTLZZ;
                    }
                }
    EXPECT_EQ(laeufe, 11 * 6 * 4 * 2 * int(std::size(kLoehne)));
}

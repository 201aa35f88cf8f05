// Wage tax December 2015. The basic allowance, the single-parent relief and
// the child allowance rose retroactively for the whole of 2015; December
// settles the year: the current wage is computed under the old and the new
// law, and for a pay period below the year the December amount is twelve
// times the new annual amount less eleven times the old one, so that the
// months paid before are corrected.
#include "Module2010bis2023.h"
#include "PapAb2010.h"

namespace brenvik {

namespace {
// Old law: the 2015 values of January to November.
const PapJahr& parameter2015Dez() {
    static const PapJahr p = [] {
        PapJahr j = parameter2015();
        j.name = "LStPap15_Dez";
        return j;
    }();
    return p;
}

// New law.
const Tarif kTarifNeu{.GFB = 8472,
                      .B2 = 13470,
                      .A2 = 997.60_z,
                      .S3 = 13469,
                      .B3 = 52882,
                      .A3 = 228.74_z,
                      .C3 = 948.68_z,
                      .B4 = 250731,
                      .D4 = 8261.29_z,
                      .D5 = 15783.19_z};
constexpr i64 kW1STKL5Neu = 9873;
constexpr i64 kEFANeu = 1908;
constexpr i64 kKinderfreibetragNeu = 7152;

class PapDezember2015 : public PapAb2010 {
public:
    PapDezember2015() : PapAb2010(parameter2015Dez()) {}

protected:
    // Annual wage tax, surcharge and church-tax base of one pass, in cents.
    struct Jahreswerte {
        i64 lst, solz, bk;
    };

    void ablauf() override {
        const LohnVar& lv = *lv_;
        altesRecht();
        MPARA();
        MRE4JL();
        VBEZBSO = 0;
        KENNVMT = 0;
        MRE4();
        MRE4ABZ();
        const Zahl zre4vp = ZRE4VP; // the passes cap it

        const Jahreswerte alt = laufenderLohn();

        neuesRecht();
        ZRE4VP = zre4vp;
        const Jahreswerte neu = laufenderLohn();

        if (lv.LZZ >= 2) {
            LSTLZZ = dezember(neu.lst, alt.lst);
            SOLZLZZ = dezember(neu.solz, alt.solz);
            BK = dezember(neu.bk, alt.bk);
        }
        // The other payment and the multi-year pay fall under the new law.
        MSONST();
        MVMT();
    }

    // The new law's tariff, whichever pass is running.
    void progressionsvorbehalt() override {
        const Tarif tarif = tarif_;
        const i64 gfb = GFB;
        tarif_ = kTarifNeu;
        GFB = kTarifNeu.GFB;
        PapAb2010::progressionsvorbehalt();
        tarif_ = tarif;
        GFB = gfb;
    }

private:
    void altesRecht() {
        tarif_ = p_.tarif;
        GFB = p_.tarif.GFB;
        efa_ = p_.EFA;
        kinderfreibetrag_ = p_.kinderfreibetrag;
        W1STKL5 = p_.W1STKL5;
    }
    void neuesRecht() {
        tarif_ = kTarifNeu;
        GFB = kTarifNeu.GFB;
        efa_ = kEFANeu;
        kinderfreibetrag_ = kKinderfreibetragNeu;
        W1STKL5 = kW1STKL5Neu;
    }

    Jahreswerte laufenderLohn() {
        SOLZFREI = p_.SOLZFREI; // MSOLZ scales it by KZTAB in every pass
        MBERECH();
        return {LSTJAHR * 100, JBMG > SOLZFREI ? (SOLZJ * 100).trunc() : 0,
                lv_->R != 0 ? JBMG * 100 : 0};
    }

    i64 dezember(i64 neu, i64 alt) const {
        const i64 JW = 12 * neu - 11 * alt;
        return JW < 0 ? 0 : UPANTEIL(JW);
    }
};
} // namespace

LStModul& LStPap15_Dez() {
    static PapDezember2015 modul;
    return modul;
}

} // namespace brenvik

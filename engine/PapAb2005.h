#pragma once
// The wage-tax flowcharts of 2005 to 2007: pension allowance and old-age
// relief per pay period in cents, the old annual conversion, the larger of
// the new and the old provident lump sum; no factor, no multi-year pay.

#include "PapHilfen2000bis2009.h"

#include <vector>

namespace brenvik {

struct PapJahr2005bis2007 {
    const char* name;
    int jahr;

    // 2007: allowances for pensions by start year (TAB1 to TAB5), the
    // pension part of ANP from the annual pensions, and the other payment's
    // second pass with fresh allowances.
    bool versorgungNachTabellen;
    // Before 2007: fixed rates and maxima (euros) of the allowances.
    Zahl fvbSatz;
    i64 fvbMax, fvbzJahr, fvbzMonat;
    Zahl alteSatz;
    i64 alteMax;

    // New provident lump sum.
    i64 BBGRV;
    Zahl TBSVORV; // deductible share of the pension contribution
    Zahl RVSATZAN;
    alt::AltePauschale pauschale;

    alt::TarifAb2005 tarif;
    alt::Stkl5Grenzen stkl5;
    Zahl mindestsatz5_6;

    i64 anpVersorgung, anpLohn, EFA, sapEinzel, sapSplitting, kinderfreibetragHalb;
    i64 SOLZFREI; // per tariff unit
    Zahl solzMilderung;
};

class PapAb2005 : public LStModul {
public:
    explicit PapAb2005(const PapJahr2005bis2007& j);
    std::string_view name() const override { return j_.name; }
    void Lohnsteuer(LohnVar& lv) override;
    std::span<const std::string_view> ausgaben() const override { return ausgaben_; }

    // Tariff of the year for one tariff unit.
    i64 tarif(const Zahl& X) const { return alt::tarifAb2005(X, j_.tarif); }

    struct Zwischenwerte {
        i64 FVB, ALTE, ZRE4, ZRE4VP, ZTABFB, VSP, ZVE, X, LSTJAHR, JBMG;
    };
    Zwischenwerte zwischenwerte() const {
        return {FVB, ALTE, ZRE4, ZRE4VP, ZTABFB, VSP, ZVE, X, LSTJAHR, JBMG};
    }

private:
    void MRE4();
    void MRE4JL();
    void MZTABFB();
    void MLSTJAHR();
    i64 UPEVP();
    void MSOLZ();
    void MSONST();
    void sonstPass(bool mitMztabfb);

    const PapJahr2005bis2007& j_;
    std::vector<std::string_view> ausgaben_;
    LohnVar* lv_ = nullptr;

    // Cents of the pay period: FVB, ALTE, RE4LZZ, RE4LZZV; whole euros
    // otherwise (the lump sums are whole euros once rounded).
    i64 FVB = 0, ALTE = 0, FVBZ = 0, RE4LZZ = 0, RE4LZZV = 0;
    i64 ZRE4 = 0, ZRE4VP = 0, ZVBEZ = 0, ZTABFB = 0, VSP = 0, ZVE = 0, X = 0, ST = 0;
    i64 KZTAB = 1, EFA = 0, ANP = 0, SAP = 0, KFB = 0;
    i64 LSTJAHR = 0, JBMG = 0, LST1 = 0, LST2 = 0;
    i64 LSTLZZ = 0, SOLZLZZ = 0, BK = 0, LST_SONST = 0, SOLZS = 0, BKS = 0;
};

} // namespace brenvik

#pragma once
// The wage-tax flowcharts of 2000 to 2004: allowances per pay period in
// cents, the old annual conversion, the old provident lump sum only, the
// table steps of the printed tables (2000 to 2003) and, for 2000 and 2001,
// computation in Mark and Pfennig with euro inputs and outputs beside.

#include "PapHilfen2000bis2009.h"

#include <vector>

namespace brenvik {

// Tariff of 2000 to 2004: zone 1 below grenze1 is free; zone 2 below grenze2:
// Y = (X - abzug2) / 10000, ST = Trunc((Y * A2 + zuschlag2) * Y); zone 3 below
// grenze3: Y = (X - abzug3) / 10000, ST = Trunc((Y * A3 + zuschlag3) * Y + C3);
// above: Trunc(X * satz4 - D4). Marked products are cut to three decimals.
struct TarifBis2004 {
    i64 grenze1;
    i64 grenze2, abzug2;
    Zahl A2;
    i64 zuschlag2;
    bool dreiStellen2;
    i64 grenze3, abzug3;
    Zahl A3;
    i64 zuschlag3, C3;
    bool dreiStellen3;
    Zahl satz4;
    i64 D4;
};

struct PapJahrBis2004 {
    const char* name;
    int jahr;
    bool mark; // 2000, 2001: Pfennig inside, euro inputs and outputs converted

    // Table steps: 2000 places X at the lower end of its step, 2001 to 2003
    // in its middle; 2004 has none.
    enum class Stufung { keine, untergrenze, mitte };
    Stufung stufung;
    i64 stufe;

    // Other payments: none (2000, 2001); payments up to 150 euros taxed as
    // current wage (2002, 2003); always the annual method (2004).
    enum class Sonstige { keine, kleinbetrag, jahresmethode };
    Sonstige sonstige;

    i64 fvbMax, alteMax; // annual maxima of pension allowance, old-age relief
    i64 ANP, EFA, sapEinzel, sapSplitting, kinderfreibetragHalb;
    i64 stkl6Korrektur; // 2000, 2001: added to ZTABFB of class VI
    alt::AltePauschale pauschale;
    i64 SOLZFREI; // per tariff unit
    Zahl mindestsatz5_6;
    alt::Stkl5Grenzen stkl5;
    TarifBis2004 tarif;
};

class PapBis2004 : public LStModul {
public:
    explicit PapBis2004(const PapJahrBis2004& j);
    std::string_view name() const override { return j_.name; }
    void Lohnsteuer(LohnVar& lv) override;
    std::span<const std::string_view> ausgaben() const override { return ausgaben_; }

    // Tariff of the year for one tariff unit.
    i64 tarif(const Zahl& X) const;
    // Amount per tariff unit that the tariff receives for a taxable income.
    i64 tarifbetrag(i64 ZVE, i64 KZTAB) const;

    struct Zwischenwerte {
        i64 ZRE4, ZRE4VP, ZTABFB;
        Zahl VSP;
        i64 ZVE, X, LSTJAHR, JBMG;
    };
    Zwischenwerte zwischenwerte() const {
        return {ZRE4, ZRE4VP, ZTABFB, VSP, ZVE, X, LSTJAHR, JBMG};
    }

private:
    bool steuerpflichtig(i64 ZVE) const;
    void eurosUmrechnen();
    void MRE4();
    void MRE4JL();
    void MZTABFB();
    void MLSTJAHR();
    void MSOLZ();
    void MSONST();
    void jahresPass(bool mitMztabfb);
    void ergebnisseSchreiben();

    const PapJahrBis2004& j_;
    std::vector<std::string_view> ausgaben_;
    LohnVar* lv_ = nullptr;

    // Working variables: cents of the pay period (FVB, ALTE, RE4LZZ,
    // RE4LZZV), whole euros (Mark) otherwise.
    i64 FVB = 0, ALTE = 0, RE4LZZ = 0, RE4LZZV = 0;
    i64 ZRE4 = 0, ZRE4VP = 0, ZTABFB = 0, ZVE = 0, X = 0, ST = 0;
    i64 KZTAB = 1, EFA = 0, ANP = 0, SAP = 0, KFB = 0;
    i64 LSTJAHR = 0, JBMG = 0, LST1 = 0, LST2 = 0;
    Zahl VSP;
    i64 LSTLZZ = 0, SOLZLZZ = 0, BK = 0, LST_SONST = 0, SOLZS = 0, BKS = 0;
};

} // namespace brenvik

#pragma once
// The wage-tax flowcharts of 2008 and 2009 (also 2009 before the second
// stimulus package): the step structure of 2010 without factor, with the
// larger of the new and the old provident lump sum and the older rounding
// of the old-age relief and the employee lump sum.

#include "PapHilfen2000bis2009.h"

namespace brenvik {

struct PapJahr2008bis2009 {
    // Constants in the form of the later years: BBGRV_West is the pension
    // ceiling of the new lump sum, TBSVORV and RVSATZAN its rates, the tariff,
    // bounds, allowances (kinderfreibetrag per full child) and SOLZFREI.
    PapJahr basis;
    i64 tarifZuschlag2;  // constant added in tariff zone 2
    Zahl mindestsatz5_6; // minimum rate of UP5_6
    alt::AltePauschale pauschale;
    i64 sapSplitting;      // SAP of class III
    bool anpLohnAufrunden; // wage part of ANP below its maximum rounded up (2009)
    // 2008: MRE4 sets VBEZBSO itself, and the multi-year step works with
    // saved amounts and a fifth instead of the passes of 2009.
    bool fassung2008;
    bool progressionsvorbehalt;
};

class PapAb2008 : public PapAb2010 {
public:
    explicit PapAb2008(const PapJahr2008bis2009& j);

protected:
    void MPARA() override;
    void MRE4JL() override;
    void MRE4() override;
    i64 FVBZSOBerechnen() override;
    void MRE4ALTE() override;
    void MRE4ABZ() override;
    void MBERECH() override;
    void MZTABFB() override;
    void MLSTJAHR() override;
    void UPEVP() override;
    void MVSP() override;
    void UPMLST() override;
    void UPTAB() override;
    void UP5_6() override;
    void MSONST() override;
    void MVMT() override;

private:
    void mvmt2008();
    void mvmt2009();

    const PapJahr2008bis2009& j_;
    alt::TarifAb2005 tarifAlt_;
    // 2008 multi-year step: amounts saved before its passes, and the fifth.
    Zahl ZRE4gespeichert, ZTABFBgespeichert, fuenftel;
};

} // namespace brenvik

// Wage tax 2010 to 2023: the points where the years differ from each other
// and from 2024.
#include "Jahresauswahl.h"
#include "Module.h"
#include "Module2010bis2023.h"
#include "PapAb2010.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace brenvik;

namespace {

PapAb2010& pap(std::string_view name) {
    LStModul* m = findeModul(name);
    if (!m) throw std::runtime_error("no module " + std::string(name));
    return dynamic_cast<PapAb2010&>(*m);
}

// Class I, statutory insurance, western ceiling, no extras.
LohnVar fall(Cent re4, byte lzz = 2, Zahl kvz = 0) {
    LohnVar lv;
    LohnVarReset(lv);
    lv.LZZ = lzz;
    lv.RE4 = re4;
    lv.STKL = 1;
    lv.KVZ = kvz;
    return lv;
}

PapZwischenwerte rechne(std::string_view modul, LohnVar& lv) {
    PapAb2010& m = pap(modul);
    m.Lohnsteuer(lv);
    return m.zwischenwerte();
}

} // namespace

TEST(Module2010bis2023, RegisteredOldestFirst) {
    std::vector<std::string_view> namen;
    for (LStModul* m : module2010bis2023())
        namen.push_back(m->name());
    EXPECT_EQ(namen, (std::vector<std::string_view>{
                         "LStPap10", "LStPap11", "LStPap12", "LStPap13", "LStPap14", "LStPap15",
                         "LStPap15_Dez", "LStPap16", "LStPap17", "LStPap18", "LStPap19", "LStPap20",
                         "LStPap21", "LStPap22", "LStPap23"}));
    EXPECT_EQ(lohnsteuerModul(Rechner::Lohnabrechnung, 2015, 11), &LStPap15());
    EXPECT_EQ(lohnsteuerModul(Rechner::Lohnabrechnung, 2015, 12), &LStPap15_Dez());
    EXPECT_EQ(lohnsteuerModul(Rechner::Steuerklassenwahl, 2015, 12), &LStPap15());
    EXPECT_EQ(lohnsteuerModul(Rechner::Lohnsteuer, 2015, 3), &LStPap15_Dez());
    EXPECT_EQ(lohnsteuerModul(Rechner::Kurzarbeit, 2010, 1), &LStPap10());
}

// The output fields each era writes; the others keep what the record held.
TEST(Module2010bis2023, OutputsOfEachEra) {
    struct Fall {
        const char* modul;
        bool vkv, freibetraege;
    };
    for (const Fall& f : {Fall{"LStPap10", false, false}, Fall{"LStPap11", false, false},
                          Fall{"LStPap12", true, false}, Fall{"LStPap15", true, false},
                          Fall{"LStPap15_Dez", true, false}, Fall{"LStPap16", true, true},
                          Fall{"LStPap23", true, true}}) {
        LohnVar lv = fall(300000);
        lv.PKV = 1;
        lv.PKPV = 40000;
        lv.VKVLZZ = lv.VKVSONST = lv.VFRB = lv.VFRBS1 = lv.VFRBS2 = -7;
        lv.WVFRB = lv.WVFRBO = lv.WVFRBM = -7;
        rechne(f.modul, lv);
        EXPECT_EQ(lv.VKVLZZ != -7, f.vkv) << f.modul;
        EXPECT_EQ(lv.VKVSONST != -7, f.vkv) << f.modul;
        for (i64 v : {i64(lv.VFRB), i64(lv.VFRBS1), i64(lv.VFRBS2), lv.WVFRB, lv.WVFRBO, lv.WVFRBM})
            EXPECT_EQ(v != -7, f.freibetraege) << f.modul;
        auto a = findeModul(f.modul)->ausgaben();
        EXPECT_EQ(std::count(a.begin(), a.end(), "VKVLZZ") == 1, f.vkv) << f.modul;
        EXPECT_EQ(std::count(a.begin(), a.end(), "WVFRBM") == 1, f.freibetraege) << f.modul;
    }
}

TEST(LStPap23, FirstAndSecondHalfOfTheYear) {
    for (int monat : {6, 7, 0}) {
        LohnVar lv = fall(300000, 2, 1.6_z);
        lv.Monat = monat;
        auto z = rechne("LStPap23", lv);
        const bool ersteHaelfte = monat == 6;
        EXPECT_EQ(z.VSP, ersteHaelfte ? 6705_z : 6768_z) << monat;
        EXPECT_EQ(z.ZVE, ersteHaelfte ? 28029_z : 27966_z) << monat;
        EXPECT_EQ(lv.LSTLZZ, ersteHaelfte ? 34400 : 34250) << monat;
        EXPECT_EQ(lv.SOLZLZZ, 0) << monat;
    }
}

// Care rates of both halves and the annual means, seen through the lump sum
// of 36000 euros a year (pension part 3348, health 7.8 %).
TEST(LStPap23, CareRatesByMonthPeriodAndRegion) {
    struct Fall {
        int monat;
        byte lzz, pvs, pvz;
        Zahl pvsatzan;
        i64 vsp;
    };
    const Fall faelle[] = {
        {6, 2, 0, 0, 0.01525_z, 6705},   {7, 2, 0, 0, 0.017_z, 6768},
        {7, 1, 0, 0, 0.016125_z, 6737},  {1, 1, 0, 0, 0.01525_z, 6705},
        {6, 2, 1, 0, 0.02025_z, 6885},   {7, 2, 1, 0, 0.022_z, 6948},
        {12, 1, 1, 0, 0.021125_z, 6917}, {6, 2, 0, 1, 0.01875_z, 6831},
        {8, 2, 0, 1, 0.023_z, 6984},     {0, 1, 0, 1, 0.020875_z, 6908},
    };
    for (const Fall& f : faelle) {
        LohnVar lv = fall(f.lzz == 1 ? 3600000 : 300000, f.lzz, 1.6_z);
        lv.Monat = f.monat;
        lv.PVS = f.pvs;
        lv.PVZ = f.pvz;
        auto z = rechne("LStPap23", lv);
        EXPECT_EQ(z.PVSATZAN, f.pvsatzan) << f.monat << "/" << int(f.lzz);
        EXPECT_EQ(z.VSP, Zahl(f.vsp)) << f.monat << "/" << int(f.lzz);
    }
}

TEST(LStPap20, MonthlyWagesWithSurcharge) {
    LohnVar lv = fall(300000, 2, 1.1_z);
    auto z = rechne("LStPap20", lv);
    EXPECT_EQ(z.VSP, 5946_z);
    EXPECT_EQ(z.ZVE, 29018_z);
    EXPECT_EQ(lv.LSTLZZ, 40741);
    EXPECT_EQ(lv.SOLZLZZ, 2240);

    lv = fall(500000, 2, 1.1_z);
    lv.STKL = 3;
    lv.ZKF = 1;
    lv.R = 1;
    z = rechne("LStPap20", lv);
    EXPECT_EQ(lv.LSTLZZ, 60466);
    EXPECT_EQ(z.JBMG, 5112);
    EXPECT_EQ(lv.SOLZLZZ, 2343);
    EXPECT_EQ(lv.BK, 42600);
}

TEST(LStPap12, MonthlyAndAnnualWage) {
    LohnVar lv = fall(300000);
    auto z = rechne("LStPap12", lv);
    EXPECT_EQ(z.VSP, 4889_z);
    EXPECT_EQ(z.ZVE, 30075_z);
    EXPECT_EQ(lv.LSTLZZ, 47075);
    EXPECT_EQ(lv.SOLZLZZ, 2589);

    lv = fall(3600000, 1);
    rechne("LStPap12", lv);
    EXPECT_EQ(lv.LSTLZZ, 564900);
    EXPECT_EQ(lv.SOLZLZZ, 31069);
}

// Class III: the surcharge starts just above twice the exemption limit and is
// mitigated to a share of the excess.
TEST(Module2010bis2023, SurchargeThresholdOfClassIII) {
    struct Fall {
        const char* modul;
        i64 freigrenze;
        Zahl milderung;
    };
    for (const Fall& f : {Fall{"LStPap12", 1944, 0.2_z}, Fall{"LStPap20", 1944, 0.2_z},
                          Fall{"LStPap21", 33912, 0.119_z}}) {
        auto jahr = [&](i64 euro) {
            LohnVar lv = fall(Cent(euro * 100), 1, 1.1_z);
            lv.STKL = 3;
            auto z = rechne(f.modul, lv);
            return std::pair{z.JBMG, lv.SOLZLZZ};
        };
        // Smallest annual wage whose JBMG exceeds the limit.
        i64 lo = 10000, hi = 300000;
        while (lo < hi) {
            i64 mitte = (lo + hi) / 2;
            if (jahr(mitte).first > f.freigrenze)
                hi = mitte;
            else
                lo = mitte + 1;
        }
        auto [jbmgDarunter, solzDarunter] = jahr(lo - 1);
        auto [jbmg, solz] = jahr(lo);
        EXPECT_LE(jbmgDarunter, f.freigrenze) << f.modul;
        EXPECT_EQ(solzDarunter, 0) << f.modul;
        Zahl voll = AufCentAbrunden(Zahl(jbmg) * 5.5_z / 100);
        Zahl milder = Zahl(jbmg - f.freigrenze) * f.milderung;
        EXPECT_GT(solz, 0) << f.modul;
        EXPECT_EQ(solz, (std::min(voll, milder) * 100).trunc()) << f.modul;
    }
}

TEST(Module2010bis2023, HealthRateShareOfTheExtraContribution) {
    // 2018: the employee bears all of KVZ; 2019: half.
    LohnVar lv = fall(300000, 2, 1_z);
    EXPECT_EQ(rechne("LStPap18", lv).KVSATZAN, 0.08_z);
    lv = fall(300000, 2, 1_z);
    EXPECT_EQ(rechne("LStPap19", lv).KVSATZAN, 0.075_z);
}

// Before 2015 the flowchart has fixed health rates: KVZ changes nothing.
TEST(Module2010bis2023, ExtraHealthRateNotReadBefore2015) {
    for (const char* modul : {"LStPap10", "LStPap11", "LStPap12", "LStPap13", "LStPap14"}) {
        for (Cent re4 : {150000, 300000, 600000}) {
            LohnVar ohne = fall(re4, 2, 0), mit = fall(re4, 2, 0.9_z);
            Zahl vspOhne = rechne(modul, ohne).VSP;
            Zahl vspMit = rechne(modul, mit).VSP;
            EXPECT_EQ(vspOhne, vspMit) << modul << " " << re4;
            EXPECT_EQ(ohne.LSTLZZ, mit.LSTLZZ) << modul << " " << re4;
        }
    }
    LohnVar ohne = fall(300000, 2, 0), mit = fall(300000, 2, 0.9_z);
    EXPECT_LT(rechne("LStPap15", ohne).VSP, rechne("LStPap15", mit).VSP);
}

// The employee lump sum for wages of 2011 (class I: ZTABFB = ANP + 36).
TEST(LStPap11, EmployeeLumpSumByPeriodAndMonth) {
    struct Fall {
        byte lzz;
        int monat;
        i64 anp;
    };
    for (const Fall& f : {Fall{2, 11, 920}, Fall{2, 1, 920}, Fall{2, 12, 1880}, Fall{1, 11, 1000},
                          Fall{1, 12, 1000}, Fall{3, 5, 1880}, Fall{4, 5, 1880}}) {
        const Cent re4 = f.lzz == 1 ? 3600000 : f.lzz == 2 ? 300000 : f.lzz == 3 ? 70000 : 10000;
        LohnVar lv = fall(re4, f.lzz);
        lv.Monat = f.monat;
        auto z = rechne("LStPap11", lv);
        EXPECT_EQ(z.ANP, f.anp) << int(f.lzz) << "/" << f.monat;
        EXPECT_EQ(z.ZTABFB, Zahl(f.anp + 36)) << int(f.lzz) << "/" << f.monat;
    }
    // December allows more than November, so it taxes less.
    LohnVar nov = fall(300000), dez = fall(300000);
    nov.Monat = 11;
    dez.Monat = 12;
    rechne("LStPap11", nov);
    rechne("LStPap11", dez);
    EXPECT_LT(dez.LSTLZZ, nov.LSTLZZ);
}

// Pensions only, the pension base after its allowance (240.12) below the
// surcharge (900): up to 2013 the base is raised to the surcharge, from 2014
// the surcharge is lowered to the base.
TEST(Module2010bis2023, PensionBaseBelowSurcharge) {
    auto rente = [](const char* modul) {
        LohnVar lv = fall(10001);
        lv.VBEZ = 10001;
        lv.VBEZM = 20000;
        lv.ZMVB = 12;
        return rechne(modul, lv);
    };
    for (const char* modul : {"LStPap10", "LStPap13"}) {
        auto z = rente(modul);
        EXPECT_EQ(z.FVBZ, 900) << modul;
        EXPECT_EQ(z.ANP, 0) << modul;
        EXPECT_EQ(z.ZTABFB, 936_z) << modul;
    }
    for (const char* modul : {"LStPap14", "LStPap23"}) {
        auto z = rente(modul);
        EXPECT_EQ(z.FVBZ, 240) << modul;
        EXPECT_EQ(z.ANP, 1) << modul;
        EXPECT_EQ(z.ZTABFB, 277_z) << modul;
    }
}

// Up to 2015 the pension allowance is not capped at the annual pension.
TEST(Module2010bis2023, PensionAllowanceCap) {
    // Annual pension 1000 euros from a first month of 500: 40 % of 6000 = 2400.
    auto freibetrag = [](const char* modul) {
        LohnVar lv = fall(2000000, 1);
        lv.VBEZ = 100000;
        lv.VBEZM = 50000;
        lv.ZMVB = 12;
        auto z = rechne(modul, lv);
        return z.ZRE4J - (z.ZTABFB + z.VSP + z.ZVE); // FVB within a euro
    };
    EXPECT_GT(freibetrag("LStPap15"), 2000_z);
    EXPECT_LT(freibetrag("LStPap16"), 1001_z);
}

// December 2015: twelve times the new annual amount less eleven times the old.
TEST(LStPap15_Dez, DecemberSettlesTheYear) {
    for (byte stkl : {1, 2, 3, 5}) {
        for (Cent monat : {90000, 300000, 600000}) {
            auto jahr = [&](const char* modul) {
                LohnVar lv = fall(monat * 12, 1, 0.9_z);
                lv.STKL = stkl;
                lv.R = 1;
                lv.ZKF = stkl == 5 ? 0 : 1;
                rechne(modul, lv);
                return lv;
            };
            LohnVar alt = jahr("LStPap15"), neu = jahr("LStPap15_Dez");
            LohnVar dez = fall(monat, 2, 0.9_z);
            dez.STKL = stkl;
            dez.R = 1;
            dez.ZKF = stkl == 5 ? 0 : 1;
            rechne("LStPap15_Dez", dez);
            auto erwartet = [](i64 n, i64 a) { return std::max<i64>(0, 12 * n - 11 * a) / 12; };
            EXPECT_EQ(dez.LSTLZZ, erwartet(neu.LSTLZZ, alt.LSTLZZ)) << int(stkl) << " " << monat;
            EXPECT_EQ(dez.SOLZLZZ, erwartet(neu.SOLZLZZ, alt.SOLZLZZ)) << int(stkl) << " " << monat;
            EXPECT_EQ(dez.BK, erwartet(neu.BK, alt.BK)) << int(stkl) << " " << monat;
        }
    }
}

TEST(LStPap15_Dez, LowWageIsNotNegative) {
    // 1000 euros a month: the new annual tax is below eleven twelfths of the
    // old one.
    LohnVar alt = fall(1200000, 1, 0.9_z), neu = fall(1200000, 1, 0.9_z);
    rechne("LStPap15", alt);
    rechne("LStPap15_Dez", neu);
    ASSERT_GT(alt.LSTLZZ, 0);
    ASSERT_LT(12 * neu.LSTLZZ, 11 * alt.LSTLZZ);
    LohnVar dez = fall(100000, 2, 0.9_z);
    rechne("LStPap15_Dez", dez);
    EXPECT_EQ(dez.LSTLZZ, 0);
}

TEST(LStPap15_Dez, AnnualPeriodIsTheNewLaw) {
    // The new law lowers the tax; an annual run is the new law alone and does
    // not depend on earlier runs.
    LohnVar alt = fall(3600000, 1, 0.9_z);
    rechne("LStPap15", alt);
    LohnVar vorher = fall(300000, 2, 0.9_z);
    rechne("LStPap15_Dez", vorher);
    LohnVar neu = fall(3600000, 1, 0.9_z), nochmal = fall(3600000, 1, 0.9_z);
    rechne("LStPap15_Dez", neu);
    rechne("LStPap15_Dez", nochmal);
    EXPECT_LT(neu.LSTLZZ, alt.LSTLZZ);
    EXPECT_EQ(neu.LSTLZZ, nochmal.LSTLZZ);
    LohnVar dez = fall(300000, 2, 0.9_z);
    rechne("LStPap15_Dez", dez);
    EXPECT_EQ(dez.LSTLZZ, vorher.LSTLZZ);

    // The other payment falls under the new law too (first progression zone,
    // where the two tariffs differ).
    LohnVar v = fall(100000, 2, 0.9_z), vAlt = fall(100000, 2, 0.9_z);
    v.JRE4 = vAlt.JRE4 = 1200000;
    v.SONSTB = vAlt.SONSTB = 200000;
    rechne("LStPap15_Dez", v);
    rechne("LStPap15", vAlt);
    EXPECT_GT(v.LST_SONST, 0);
    EXPECT_NE(v.LST_SONST, vAlt.LST_SONST);
}

// An other payment that lowers the annual tax (a large death benefit raises
// the pension allowance): the tax on it is 0 and the current wage's tax stays.
TEST(Module2010bis2023, NegativeTaxOnOtherPayment) {
    for (LStModul* m : module2010bis2023()) {
        LohnVar ohne = fall(300000, 2, 1_z), mit = fall(300000, 2, 1_z);
        mit.Monat = ohne.Monat = 3;
        mit.R = ohne.R = 1;
        mit.JRE4 = ohne.JRE4 = 3600000;
        mit.SONSTB = 1;
        mit.VBS = 1;
        mit.STERBE = 1000000;
        m->Lohnsteuer(ohne);
        m->Lohnsteuer(mit);
        EXPECT_EQ(mit.LST_SONST, 0) << m->name();
        EXPECT_EQ(mit.SOLZS, 0) << m->name();
        EXPECT_EQ(mit.BKS, 0) << m->name();
        EXPECT_EQ(mit.LSTLZZ, ohne.LSTLZZ) << m->name();
        EXPECT_EQ(mit.SOLZLZZ, ohne.SOLZLZZ) << m->name();
    }
}

// MBV counts from 2022: it lowers the annual tax, and the negative difference
// comes off the current wage's tax.
TEST(Module2010bis2023, EmployeeSharesFrom2022) {
    for (const char* modul : {"LStPap21", "LStPap22", "LStPap23"}) {
        LohnVar ohne = fall(300000, 2, 1.3_z), mit = fall(300000, 2, 1.3_z);
        ohne.JRE4 = mit.JRE4 = 3600000;
        mit.MBV = 500000;
        rechne(modul, ohne);
        rechne(modul, mit);
        if (std::string_view(modul) == "LStPap21")
            EXPECT_EQ(mit.LSTLZZ, ohne.LSTLZZ) << modul;
        else
            EXPECT_LT(mit.LSTLZZ, ohne.LSTLZZ) << modul;
        EXPECT_EQ(mit.LST_SONST, 0) << modul;
    }
}

// Surcharge on other payments and multi-year pay: up to 2020 always 5.5 %,
// from 2021 only when the annual tax exceeds the exemption limit.
TEST(Module2010bis2023, SurchargeOnOtherAndMultiYearPay) {
    for (const char* modul : {"LStPap20", "LStPap21"}) {
        LohnVar lv = fall(300000, 2, 1.1_z);
        lv.JRE4 = 3600000;
        lv.SONSTB = 500000;
        lv.VMT = 800000;
        rechne(modul, lv);
        ASSERT_GT(lv.LST_SONST, 0) << modul;
        ASSERT_GT(lv.STV, 0) << modul;
        const bool freigrenze = std::string_view(modul) == "LStPap21";
        EXPECT_EQ(lv.SOLZS, freigrenze ? 0 : (Zahl(lv.LST_SONST) * 5.5_z / 100).trunc()) << modul;
        EXPECT_EQ(lv.SOLZV, freigrenze ? 0 : (Zahl(lv.STV) * 5.5_z / 100).trunc()) << modul;
    }
}

// Compensation parts of the annual wage and the other payment (JRE4ENT,
// SONSTENT) lower the lump-sum base from 2011; 2010 does not read them.
TEST(Module2010bis2023, CompensationPaymentsFrom2011) {
    for (const char* modul : {"LStPap10", "LStPap11", "LStPap16"}) {
        LohnVar ohne = fall(300000), mit = fall(300000);
        ohne.JRE4 = mit.JRE4 = 3600000;
        ohne.SONSTB = mit.SONSTB = 1000000;
        mit.JRE4ENT = 1000000;
        mit.SONSTENT = 1000000;
        rechne(modul, ohne);
        rechne(modul, mit);
        if (std::string_view(modul) == "LStPap10")
            EXPECT_EQ(mit.LST_SONST, ohne.LST_SONST) << modul;
        else
            EXPECT_GT(mit.LST_SONST, ohne.LST_SONST) << modul;
    }
}

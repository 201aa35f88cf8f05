#include "Jahresauswahl.h"

#include "Module.h"
#include "SVBeitraege.h"

#include <string>

namespace brenvik {

LStModul* lohnsteuerModul(Rechner rechner, int jahr, int monat) {
    int von = 2000, bis = 2024;
    if (rechner == Rechner::Lohnsteuer) von = 2003;
    if (rechner == Rechner::Kurzarbeit) von = 2009, bis = 2010;
    if (jahr < von || jahr > bis) return nullptr;

    std::string name = "LStPap" + std::to_string(jahr % 100 / 10) + std::to_string(jahr % 10);
    if (jahr == 2015) {
        bool dezember = rechner == Rechner::Lohnsteuer ||
                        (rechner == Rechner::Lohnabrechnung && monat == 12);
        if (dezember) name += "_Dez";
    }
    return findeModul(name);
}

namespace {
void steuerAusgabenNull(LohnVar& lv) {
    lv.LSTLZZ = lv.LST_SONST = lv.STV = 0;
    lv.SOLZLZZ = lv.SOLZS = lv.SOLZV = 0;
    lv.BK = lv.BKS = lv.BKV = 0;
}
bool dmJahr(int jahr) { return jahr == 2000 || jahr == 2001; }
} // namespace

void LohnabrechnungRechnen(LohnVar& lv, int jahr, int modus) {
    steuerAusgabenNull(lv);
    lv.Waehrung = " \u20AC";
    if (jahr < 2000 || jahr > 2024) return;
    if (lv.STKL != 0)
        if (LStModul* m = lohnsteuerModul(Rechner::Lohnabrechnung, jahr, lv.Monat))
            m->Lohnsteuer(lv);
    if (SVRoutine sv = svRoutine(jahr)) sv(lv, modus);
    if (dmJahr(jahr)) lv.Waehrung = " DM";
}

void LohnsteuerRechnen(LohnVar& lv, int jahr) {
    if (LStModul* m = lohnsteuerModul(Rechner::Lohnsteuer, jahr, lv.Monat)) m->Lohnsteuer(lv);
}

void SteuerklassenwahlRechnen(LohnVar& lv, int jahr) {
    lv.Waehrung = " \u20AC";
    if (LStModul* m = lohnsteuerModul(Rechner::Steuerklassenwahl, jahr, lv.Monat)) {
        m->Lohnsteuer(lv);
        if (dmJahr(jahr)) lv.Waehrung = " DM";
    }
}

} // namespace brenvik

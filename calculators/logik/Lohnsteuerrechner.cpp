#include "Lohnsteuerrechner.h"

#include "Jahresauswahl.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace brenvik {

namespace {

// Two decimals, halves away from zero, optional thousands separators.
std::string zweiStellen(const Zahl& wert, bool tausender) {
    bool negativ = wert < 0;
    Zahl betrag = negativ ? -wert : wert;
    std::int64_t cent = (betrag * 100 + Zahl::bruch(1, 2)).trunc();
    std::string ganz = std::to_string(cent / 100);
    if (tausender)
        for (int i = int(ganz.size()) - 3; i > 0; i -= 3)
            ganz.insert(std::size_t(i), 1, '.');
    std::string nach = std::to_string(cent % 100);
    if (nach.size() < 2) nach.insert(0, "0");
    std::string s = ganz + "," + nach;
    return negativ && cent != 0 ? "-" + s : s;
}

std::int32_t steuerklasse(double wert) {
    double t = std::trunc(wert);
    if (!(t >= 0 && t <= 6)) throw std::out_of_range("Steuerklasse");
    return std::int32_t(t);
}

int pvAbschlagKinder(int kinder) {
    return kinder >= 3 && kinder <= 6 ? kinder - 2 : 0;
}

constexpr const char* kHinweisP24b =
    "Die Erh\u00f6hung des Alleinerziehenden Entlastungsbetrags i.S. d. \u00a7 24b EStG\n\r"
    "ab dem zweiten Halbjahr 2020 hat die Finanzverwaltung im amtlichen Programm-\n\r"
    "ablaufplan nicht ber\u00fccksichtigt. Tragen Sie stattdessen einen Freibetrag in\n\r"
    "H\u00f6he von 2.100,- \u20ac ein, um eine zutreffende Lohnsteuer-Berechnung zu\n\r"
    "erhalten. (4.008 - 1.908 = 2.100)\n\r";

} // namespace

std::string Betragstext(const Zahl& euro) {
    return zweiStellen(euro, true) + " \u20ac";
}

bool LohnersatzMoeglich(int zeitraum, double steuerklasse) {
    return zeitraum == 0 && steuerklasse <= 4;
}

std::string BeamterText(double jahr) {
    return jahr < 2010 ? "Besondere LSt-Tabelle (Beamte)" : "Keine RV-Pflicht (Beamte)";
}

LStErgebnis LohnsteuerBerechnen(const LStEingaben& e, LohnVar& lv) {
    LohnVarReset(lv);
    lv.LZZ = byte(e.zeitraum + 1);
    lv.STKL = byte(steuerklasse(e.steuerklasse));
    lv.ZKF = e.kinderfreibetraege;
    lv.R = e.kirchensteuer ? 1 : 0;
    lv.ALTER1 = e.altersentlastung ? 1 : 0;
    lv.KRV = e.beamter ? 1 : 0;

    // Any text can stand in the year field while the user types; a value
    // far outside the years simply has no module.
    const double gerundet = std::nearbyint(e.jahr);
    const int jahr = gerundet >= 0 && gerundet <= 9999 ? int(gerundet) : 0;
    if (jahr >= 2010) {
        const bool ost = e.region == 1 || e.region == 2;
        lv.KRV = e.beamter ? 2 : ost ? 1 : 0;
        lv.PKV = e.beamter ? 1 : 0;
        lv.PKPV = 0;
        lv.KVZ = e.kvZusatz;
        lv.F = 1;
        lv.PVS = e.region == 1 ? 1 : 0;
        lv.PVZ = e.kinder == kLStKinderKinderlos && lv.STKL != 2 ? 1 : 0;
        lv.PVA = pvAbschlagKinder(e.kinder);
    }

    lv.LZZFREIB = alsCent((e.freibetrag * 100).trunc(), "LZZFREIB");
    lv.WFUNDF = lv.LZZFREIB;
    lv.Brutto = e.brutto;
    lv.RE4 = alsCent((e.brutto * 100).trunc(), "RE4");
    lv.PV32b = e.lohnersatz;

    LStErgebnis r;
    if (LStModul* m = lohnsteuerModul(Rechner::Lohnsteuer, jahr, lv.Monat))
        r.modul = std::string(m->name());
    LohnsteuerRechnen(lv, jahr);

    const Zahl lst = Zahl::bruch(lv.LSTLZZ, 100);
    const Zahl solz = Zahl::bruch(lv.SOLZLZZ, 100);
    const Zahl kist = Zahl::bruch((e.kirchensteuerSatz * lv.BK / 100).trunc(), 100);
    const Zahl summe = lst + solz + kist;
    r.brutto = Betragstext(lv.Brutto);
    r.lohnsteuer = Betragstext(lst);
    r.solz = Betragstext(solz);
    r.kirchensteuer = Betragstext(kist);
    r.summe = Betragstext(-summe);
    if (lv.Brutto != 0) r.anteil = "(" + zweiStellen(summe / lv.Brutto * 100, false) + " %)";
    r.hinweisSichtbar = (jahr == 2020 || jahr == 2021) && lv.STKL == 2;
    if (r.hinweisSichtbar) r.hinweis = kHinweisP24b;
    return r;
}

std::string BerichtsBetrag(const std::string& betrag) {
    std::size_t zeichen = 0;
    for (unsigned char c : betrag)
        if ((c & 0xC0) != 0x80) ++zeichen;
    return zeichen >= 12 ? betrag : std::string(12 - zeichen, ' ') + betrag;
}

std::vector<LStBerichtszeile> LohnsteuerBericht(const LStBerichtsdaten& d) {
    const std::vector<int> tabs{30, 100, 350, 400, 550};
    const std::vector<int> tabsBetraege{30, 31, 350, 400, 550};
    const std::string titel = "MS Sans Serif", courier = "Courier New";
    std::vector<LStBerichtszeile> z;
    z.push_back({"", true, 14, true, titel, tabs});
    z.push_back({d.ueberschrift, true, 14, true, titel, tabs});
    if (!d.name.empty()) z.push_back({"\tName:\t" + d.name, false, 12, true, titel, tabs});
    z.push_back({"\tZeitraum:\t" + d.zeitraum + " " + d.jahr, false, 12, true, titel, tabs});
    z.push_back({"", false, 12, true, titel, tabs});
    z.push_back(
        {"\tBruttolohn\t\t\t" + BerichtsBetrag(d.brutto), false, 10, true, courier, tabsBetraege});
    z.push_back({"", false, 10, true, courier, tabsBetraege});
    z.push_back({"\t Lohnsteuer\t" + BerichtsBetrag(d.lohnsteuer), false, 10, false, courier,
                 tabsBetraege});
    z.push_back({"\t Solidarit\u00e4tszuschlag\t" + BerichtsBetrag(d.solz), false, 10, false,
                 courier, tabsBetraege});
    z.push_back({"\t Kirchensteuer\t" + BerichtsBetrag(d.kirchensteuer), false, 10, false, courier,
                 tabsBetraege});
    z.push_back({"\t Summe Steuerabz\u00fcge\t\t\t" + BerichtsBetrag(d.summe), false, 10, true,
                 courier, tabsBetraege});
    z.push_back({"", false, 10, true, courier, tabsBetraege});
    z.push_back({"", false, 10, true, courier, tabsBetraege});
    return z;
}

} // namespace brenvik

// Notes in the result column and the low-wage adjustments of the screen.

#include "Lohnabrechnung.h"

#include "LohnFormat.h"

namespace brenvik {

namespace {
// The lone-parent note breaks its lines with LF CR.
constexpr std::string_view kUmbruchP24b = "\n\r";
constexpr std::string_view kUmbruch = "\r\n";

std::string hinweisP24b(int jahr) {
    std::string t =
        "Die Erh\u00F6hung des Alleinerziehenden Entlastungsbetrags i.S. d. \u00A7 24b EStG";
    t += kUmbruchP24b;
    t += "ab dem zweiten Halbjahr 2020 hat die Finanzverwaltung im amtlichen";
    t += kUmbruchP24b;
    if (jahr == 2020) {
        t += "Programmablaufplan nicht ber\u00FCcksichtigt. Tragen Sie stattdessen einen";
        t += kUmbruchP24b;
        t += "Freibetrag in H\u00F6he von 350,- \u20AC mtl. ein, um eine zutreffende Lohnsteuer-";
        t += kUmbruchP24b;
        t += "Berechnung zu erhalten. (4.008 - 1.908 = 2.100 / 6 Monate = 350)";
    } else {
        t += "Programmablaufplan nicht ber\u00FCcksichtigt. Tragen Sie f\u00FCr " +
             std::to_string(jahr) + " stattdessen";
        t += kUmbruchP24b;
        t += "einen Freibetrag in H\u00F6he von 175,- \u20AC mtl. ein, um eine zutreffende Lohn-";
        t += kUmbruchP24b;
        t += "steuerberechnung zu erhalten. (4.008 - 1.908 = 2.100 / 12 Monate = 175)";
    }
    return t;
}

std::string hinweisDVers() {
    std::string t = "Die Berechnung der Direktversicherung basiert auf dem Gesetzesstand";
    t += kUmbruch;
    t += "vor 2022 und ist nicht im Programmablaufplan enthalten. Eine Anpassung";
    t += kUmbruch;
    t += "erfolgt Mitte des Jahres 2022.";
    return t;
}

std::string euroGanz(const Zahl& x) {
    return formatZahl(x, 0, true) + " \u20AC";
}
} // namespace

void Lohnabrechnung::hinweiseSetzen(Anzeige& a) const {
    const LohnVar& lv = lv_;
    auto zeige = [&](Zeile z, std::string text) {
        a.sichtbar[std::size_t(z)] = !text.empty();
        a.hinweis[std::size_t(z)] = std::move(text);
    };
    // The entered class counts: the lone-parent relief belongs to class 2
    // even where the run computes class 1 for want of child allowances.
    bool klasse2 = StrToBetrag(roh(Ein::edStKl)).trunc() == 2;
    bool p24b = klasse2 && ((lv.Jahr == 2020 && lv.Monat >= 7) || lv.Jahr == 2021);
    zeige(Zeile::Hinweis_P24b, p24b ? hinweisP24b(lv.Jahr) : std::string());

    bool dv = lv.Jahr >= 2022 && modus_ != 3 && dvEingetragen() && betrag(Ein::DVers) >= 0;
    zeige(Zeile::HinweisDVers, dv ? hinweisDVers() : std::string());

    zeige(Zeile::lbHinweisGeringfuegigkeitsgrenze, std::string());
}

void Lohnabrechnung::niedriglohnAnzeige(Anzeige& a) const {
    const LohnVar& lv = lv_;
    const Zahl& brutto = lv.Brutto;
    const Zahl& g = lv.Geringfuegigkeitsgrenze;
    const Zahl& og = lv.Uebergangsgrenze;
    std::string text;
    if (g >= brutto) {
        bool altvertrag =
            (lv.Jahr == 2022 || lv.Jahr == 2023) && lv.Monat >= 10 && brutto > 450 && brutto < g;
        if (altvertrag)
            text = "        Berechnung Altvertr\u00E4ge vor 10/22 mit" + std::string(kUmbruch) +
                   "Bestandschutz werden nicht unterst\u00FCtzt (" + euroGanz(g) + ").";
        else
            text = "Geringf\u00FCgigkeitsgrenze unterschritten (" + euroGanz(g) + ")";
    }
    if (brutto > og) text = "Obergrenze Gleitzone \u00FCberschritten (" + euroGanz(og) + ")";
    a.sichtbar[std::size_t(Zeile::lbHinweisGeringfuegigkeitsgrenze)] = !text.empty();
    a.hinweis[std::size_t(Zeile::lbHinweisGeringfuegigkeitsgrenze)] = text;

    if (g >= brutto && !roh(Ein::Eingabe).empty())
        a.sichtbar[std::size_t(Zeile::Bruttolohn)] = false;
    if (brutto > og || g > brutto) {
        a.sichtbar[std::size_t(Zeile::Bruttolohn)] = false;
        for (Erg e : {Erg::showLSt, Erg::showKiSt, Erg::showSolZ, Erg::showSteuer, Erg::showRV,
                      Erg::showKV, Erg::showAV, Erg::showPV, Erg::showSV, Erg::showNetto,
                      Erg::showAuszahlung, Erg::showAG, Erg::showSVAG, Erg::showBruttoAG})
            a.caption[std::size_t(e)] = "0,00 \u20AC";
        for (Erg e :
             {Erg::showSteuerProz, Erg::showSVProz, Erg::showNettoProz, Erg::showZahlungProz})
            a.caption[std::size_t(e)] = "0,00 %";
    }

    // October to December 2022: no employer block for Saxony.
    if (lv.Jahr == 2022 && lv.Monat >= 10 && regionIndex() == 1) {
        a.sichtbar[std::size_t(Zeile::Arbeitgeber)] = false;
        a.sichtbar[std::size_t(Zeile::cbAG)] = false;
        a.sichtbar[std::size_t(Zeile::DavonKV)] = false;
    }
}

} // namespace brenvik

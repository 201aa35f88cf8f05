// The printable report (Berechnung_als_RTF) as plain text lines; tabs
// separate the columns, amounts are the shown captions right-aligned in 12
// characters.

#include "Lohnabrechnung.h"

namespace brenvik {

namespace {
std::size_t zeichen(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}
std::string rechts(const std::string& s) {
    std::size_t n = zeichen(s);
    return n >= 12 ? s : std::string(12 - n, ' ') + s;
}
} // namespace

std::vector<std::string> Lohnabrechnung::bericht() const {
    std::vector<std::string> z;
    auto betragZeile = [&](std::string_view text, Erg e) {
        z.push_back(std::string(text) + rechts(caption(e)));
    };
    std::string einmalText = roh(Ein::edTextEZ).empty() ? "Einmalzahlung" : roh(Ein::edTextEZ);

    z.emplace_back();
    z.emplace_back(titel());
    if (!roh(Ein::edName).empty()) z.push_back("\tName:\t" + roh(Ein::edName));
    z.push_back("\tZeitraum:\t" + roh(Ein::cbMonat) + " " + roh(Ein::edJahr));
    z.push_back("\tSteuerklasse: " + roh(Ein::edStKl) + " / " + roh(Ein::edKFB) + " Kind(er)");
    z.emplace_back();

    betragZeile("\tBruttolohn\t\t\t", Erg::showBrutto);
    z.emplace_back();
    if (anzeige_.einmalzahlung > 0) {
        betragZeile("\t" + einmalText + "\t\t\t", Erg::showEinmal);
        z.emplace_back();
    }
    betragZeile("\t Lohnsteuer\t", Erg::showLSt);
    betragZeile("\t Solidarit\u00E4tszuschlag\t", Erg::showSolZ);
    betragZeile("\t Kirchensteuer\t", Erg::showKiSt);
    betragZeile("\t Summe Steuerabz\u00FCge\t\t\t", Erg::showSteuer);
    z.emplace_back();

    betragZeile("\t Renten-Versicherung\t", Erg::showRV);
    if (!privat()) {
        betragZeile("\t Kranken-Versicherung\t", Erg::showKV);
        betragZeile("\t Pflege-Versicherung\t", Erg::showPV);
    }
    betragZeile("\t Arbeitslosen-Versicherung\t", Erg::showAV);
    betragZeile("\t Summe Sozialversicherung\t\t\t", Erg::showSV);
    z.emplace_back();
    betragZeile("\tNettolohn\t\t\t", Erg::showNetto);
    z.emplace_back();

    if (modus_ != 3) {
        betragZeile("\t abzgl. VWL-Zahlung durch den AG\t", Erg::showVWLZahlung);
        if (dvEingetragen()) betragZeile("\t abzgl. Direktversicherung\t", Erg::showDVers);
        betragZeile("\t abzgl. Sachbez\u00FCge\t", Erg::showSB);
        if (privat()) {
            betragZeile("\t abzgl. KV-/PV-Beitrag\t", Erg::showKVpriv);
            betragZeile("\t zzgl. KV-/PV-Beitrag\t", Erg::showKVag);
        }
    }
    z.emplace_back();
    betragZeile("\tAuszahlung\t\t\t", Erg::showAuszahlung);
    z.emplace_back();

    if (haken(Ein::cbAG)) {
        z.emplace_back();
        z.emplace_back();
        z.emplace_back("Arbeitgeber");
        betragZeile("\tBruttolohn\t\t\t", Erg::showBrutto);
        if (!ignoriert(Ein::edEZ) && !roh(Ein::edEZ).empty())
            betragZeile("\t" + einmalText + "\t\t\t", Erg::showEinmal);
        if (dvEingetragen()) betragZeile("\t Pauschale Lohnsteuer des AG\t\t\t", Erg::showLStAG);
        betragZeile("\tAG-Anteil Sozialversicherung\t\t\t", Erg::showSVAG);
        z.emplace_back();
        betragZeile("\tGesamt-Aufwand Arbeitgeber\t\t\t", Erg::showAG);
        z.emplace_back();
    }
    z.emplace_back();
    return z;
}

} // namespace brenvik

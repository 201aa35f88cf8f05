// Inputs of the payroll frame and the change handlers that adjust other
// inputs (year adaptation, Deutsche Mark conversion, SV days, ...).

#include "Lohnabrechnung.h"

#include "LohnFormat.h"

#include <algorithm>
#include <ctime>

namespace brenvik {

namespace {
int jahrVon(int modus) {
    return modus == 3 ? 2003 : 2000;
}
constexpr int kJahrBis = 2024;
const std::string kAus = "0";

std::string getrimmt(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return std::string(s);
}
} // namespace

Lohnabrechnung::Datum Lohnabrechnung::heute() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1};
}

Lohnabrechnung::Lohnabrechnung(LohnVar& lv, int modus, Datum start)
    : lv_(lv), modus_(modus < 1 || modus > 3 ? 1 : modus) {
    for (std::size_t i = 0; i < kEingaben; ++i)
        ein_[i] = std::string(eingabeInfos()[i].start);
    // Opening: current year within the field's range, current month with
    // December giving January.
    int jahr = std::clamp(start.jahr, jahrVon(modus_), kJahrBis);
    ein_[std::size_t(Ein::edJahr)] = std::to_string(jahr);
    int m = start.monat >= 1 && start.monat <= 11 ? start.monat : 1;
    ein_[std::size_t(Ein::cbMonat)] =
        std::string(auswahlEintraege(Ein::cbMonat)[std::size_t(m - 1)]);
    letztesJahr_ = jahr;
    jahrGeaendert(jahr);
    meldung_.clear();
}

std::string_view Lohnabrechnung::titel() const {
    switch (modus_) {
    case 2:
        return "Netto -> Brutto - Berechnung";
    case 3:
        return "Niedriglohn-Berechnung";
    default:
        return "Brutto -> Netto - Berechnung";
    }
}

std::string_view Lohnabrechnung::eingabeBeschriftung() const {
    return modus_ == 2 ? "&Netto-Monats-Lohn" : "&Brutto-Monats-Lohn";
}

std::string_view Lohnabrechnung::zusatzbeitragBeschriftung() const {
    return jahrOderNull() < 2015 ? "Besonderer %-Satz" : "Zusatzbeitrag in %";
}

std::string_view Lohnabrechnung::zusatzbeitragHinweis() const {
    int j = jahrOderNull();
    if (j < 2015)
        return "Der besondere KV-Satz i.H.v. 0,9%, den der AN allein zu tragen hat, wird ab Juli "
               "2005 automatisch ber\u00FCcksichtigt.";
    if (j <= 2018)
        return "Erfassen Sie hier den zus\u00E4tzlichen KV-Beitrag, den ausschlie\u00DFlich der "
               "Arbeitnehmer zu tragen hat.";
    return "Erfassen Sie hier den zus\u00E4tzlichen KV-Beitrag.";
}

void Lohnabrechnung::setze(std::string_view name, std::string_view text) {
    Ein e = findeEingabe(name);
    if (e == Ein::Anzahl) throw UnbekannteEingabe("unbekannte Eingabe: " + std::string(name));
    setze(e, text);
}

void Lohnabrechnung::setzeMonat(int m) {
    if (m < 1 || m > 12) throw UngueltigeEingabe("Monat ausserhalb 1..12");
    setze(Ein::cbMonat, auswahlEintraege(Ein::cbMonat)[std::size_t(m - 1)]);
}

void Lohnabrechnung::setze(Ein e, std::string_view text) {
    const EingabeInfo& i = info(e);
    meldung_.clear();
    std::string& wert = ein_[std::size_t(e)];
    switch (i.art) {
    case EingabeArt::Auswahl: {
        int idx = auswahlIndex(e, text);
        if (idx < 0)
            throw UngueltigeEingabe(std::string(i.name) + ": kein Eintrag \"" + std::string(text) +
                                    "\"");
        wert = std::string(auswahlEintraege(e)[std::size_t(idx)]);
        break;
    }
    case EingabeArt::Haken:
    case EingabeArt::Radio:
        if (text != "0" && text != "1")
            throw UngueltigeEingabe(std::string(i.name) + ": 1 oder 0 erwartet");
        wert = std::string(text);
        if (i.art == EingabeArt::Radio && text == "1")
            for (std::size_t k = 0; k < kEingaben; ++k)
                if (k != std::size_t(e) && eingabeInfos()[k].gruppe == i.gruppe) ein_[k] = kAus;
        break;
    case EingabeArt::Text:
        wert = std::string(text);
        break;
    }

    switch (e) {
    case Ein::edJahr: {
        long long j;
        if (ganzzahlAusText(getrimmt(wert), j)) {
            int neu = int(std::clamp<long long>(j, jahrVon(modus_), kJahrBis));
            wert = std::to_string(neu);
            jahrGeaendert(letztesJahr_);
            letztesJahr_ = neu;
        }
        break;
    }
    case Ein::cbMonat:
        if (modus_ == 3 && jahrOderNull() == 2003 && monat() <= 3)
            meldung_ = "Die neue Berechnung gilt erst ab April 2003.";
        break;
    case Ein::edStKl: {
        // a spin field of 1 to 6: a number outside is pulled into the range
        long long k;
        if (ganzzahlAusText(getrimmt(wert), k)) wert = std::to_string(std::clamp(k, 1LL, 6LL));
        kinderGeaendert();
        break;
    }
    case Ein::edKFB:
        kinderGeaendert();
        break;
    case Ein::cbNoSV:
        if (text == "1") setze(Ein::rbFrei, "1");
        break;
    case Ein::edM1:
    case Ein::edT1:
        tageGeaendert(Ein::edM1, Ein::edT1, Ein::edSVT1);
        break;
    case Ein::edM2:
    case Ein::edT2:
        tageGeaendert(Ein::edM2, Ein::edT2, Ein::edSVT2);
        break;
    case Ein::Geburtsjahr:
        geburtsjahrVervollstaendigen();
        break;
    default:
        break;
    }
}

// edJahrChange: Deutsche Mark and euro between 2001 and 2002, then the year
// adaptation.
void Lohnabrechnung::jahrGeaendert(int altesJahr) {
    int jahr = jahrOderNull();
    bool zuEuro = altesJahr == 2001 && jahr == 2002;
    bool zuDM = altesJahr == 2002 && jahr == 2001;
    if (zuEuro || zuDM) {
        for (Ein f : {Ein::Eingabe, Ein::SB, Ein::VWL, Ein::VWL_AG, Ein::edFrei, Ein::edKV,
                      Ein::edPV, Ein::agKV, Ein::agPV}) {
            std::string& t = ein_[std::size_t(f)];
            if (t.empty()) continue;
            Zahl z = StrToBetrag(t);
            z = zuEuro ? DMToEuro(z) : EuroToDM(z);
            t = f == Ein::edFrei ? formatZahl(z, 0, true) : formatBetrag(z);
        }
    }
    // Below 2005 there is no "DV ab 2005"; the annual limit is the regime then.
    if (jahr < 2005 && haken(Ein::rbDV_ab2005)) setze(Ein::rbDV_anno, "1");
}

// KinderChange: child allowances imply children for the care insurance.
void Lohnabrechnung::kinderGeaendert() {
    if (StrToBetrag(roh(Ein::edKFB)) > 0) ein_[std::size_t(Ein::edKinderZahl)] = "1 Kind";
}

// Tage1Change / Tage2Change: months and days to SV days, at most 360.
void Lohnabrechnung::tageGeaendert(Ein monate, Ein tage, Ein summe) {
    long long m = 0, t = 0;
    std::string& mt = ein_[std::size_t(monate)];
    std::string& tt = ein_[std::size_t(tage)];
    if (!ganzzahlAusText(mt, m)) m = 0;
    if (m > 12) {
        m = 12;
        mt = std::to_string(m);
    }
    if (tt.empty()) tt = kAus;
    if (!ganzzahlAusText(tt, t)) t = 0;
    if (t > 30) {
        t = 30;
        tt = std::to_string(t);
    }
    ein_[std::size_t(summe)] = std::to_string(std::min<long long>(m * 30 + t, 360));
}

// GeburtsjahrExit: "7" is 2007, "58" is 1958, three digits are dropped.
void Lohnabrechnung::geburtsjahrVervollstaendigen() {
    std::string& g = ein_[std::size_t(Ein::Geburtsjahr)];
    if (g.size() == 1)
        g = "200" + g;
    else if (g.size() == 2)
        g = "19" + g;
    else if (g.size() == 3)
        g.clear();
}

std::string Lohnabrechnung::einmalzahlungBelegen(bool immer) {
    meldung_.clear();
    if (modus_ != 1)
        meldung_ = "Zurzeit nur in der \u00B4normalen\u00B4 Bruttolohn-Berechnung verf\u00FCgbar";
    else if (jahrOderNull() < 2002)
        meldung_ = "Erst ab dem Jahr 2002 verf\u00FCgbar";
    if (!meldung_.empty()) return meldung_;

    Zahl g = StrToBetrag(edRE4_);
    int k = monat() - 1;
    auto vorschlagen = [&](Ein feld, const Zahl& wert, std::string& letzter) {
        std::string& t = ein_[std::size_t(feld)];
        std::string neu = formatBetrag(wert);
        if (immer || t.empty() || t == letzter) t = neu;
        letzter = neu;
    };
    vorschlagen(Ein::edEZ_Jahr, g * 12, vorschlagJahr_);
    vorschlagen(Ein::edEntgelt1, g * k, vorschlagVormonate_);
    if (immer || roh(Ein::edM1).empty()) {
        ein_[std::size_t(Ein::edM1)] = std::to_string(k);
        tageGeaendert(Ein::edM1, Ein::edT1, Ein::edSVT1);
    }
    return {};
}

const std::string& Lohnabrechnung::caption(std::string_view n) const {
    Erg e = findeErgebnis(n);
    if (e == Erg::Anzahl) throw UnbekannteEingabe("unbekanntes Ergebnis: " + std::string(n));
    return caption(e);
}

bool Lohnabrechnung::sichtbar(std::string_view n) const {
    Zeile z = findeZeile(n);
    if (z == Zeile::Anzahl) throw UnbekannteEingabe("unbekannte Zeile: " + std::string(n));
    return sichtbar(z);
}

std::string Lohnabrechnung::text(Ein e) const {
    if (e == Ein::prozKV && jahrOderNull() >= 2009) return formatZahl(kvSatz(), 1, false);
    return roh(e);
}

bool Lohnabrechnung::ignoriert(Ein e) const {
    if (modus_ != 3) {
        // one-off payments only in the gross-to-net mode
        if (modus_ == 2) switch (e) {
            case Ein::edEZ:
            case Ein::edEZ_Jahr:
            case Ein::edSVT1:
            case Ein::edEntgelt1:
            case Ein::edSVT2:
            case Ein::edEntgelt2:
                return true;
            default:
                break;
            }
        return e == Ein::cbRVVoll;
    }
    switch (e) {
    case Ein::SB:
    case Ein::VWL_AG:
    case Ein::VWL:
    case Ein::DVers:
    case Ein::rbDV_Umwandlung:
    case Ein::cbBeamter:
    case Ein::cbNoSV:
    case Ein::rbFrei:
    case Ein::edKV:
    case Ein::edPV:
    case Ein::agKV:
    case Ein::agPV:
    case Ein::edEZ:
    case Ein::edEZ_Jahr:
    case Ein::edSVT1:
    case Ein::edEntgelt1:
    case Ein::edSVT2:
    case Ein::edEntgelt2:
        return true;
    default:
        return false;
    }
}

bool Lohnabrechnung::eingabeSichtbar(Ein e) const {
    int j = jahrOderNull();
    switch (e) {
    case Ein::edKinderZahl:
    case Ein::rbDV_ab2005:
        return j >= 2005 && !ignoriert(Ein::DVers);
    case Ein::Geburtsjahr:
        return j >= 2006;
    case Ein::edFaktor:
        return j >= 2010;
    case Ein::prozKVbes:
        return j > 2005 || (j == 2005 && monat() >= 7);
    case Ein::cbRVVoll:
        return modus_ == 3;
    case Ein::rbVor2013:
    case Ein::rbAb2013:
    case Ein::cbWie2013:
        return modus_ == 3 && j >= 2013 && j <= 2018;
    case Ein::edM2:
    case Ein::edT2:
    case Ein::edSVT2:
    case Ein::edEntgelt2:
        return monat() <= 3 && !ignoriert(e);
    case Ein::rbDV_anno:
    case Ein::rbDV_mtl:
    case Ein::rbGesetz:
        return !ignoriert(Ein::DVers) || e == Ein::rbGesetz;
    default:
        return !ignoriert(e);
    }
}

bool Lohnabrechnung::eingabeAktiv(Ein e) const {
    int j = jahrOderNull();
    switch (e) {
    case Ein::prozKV:
        return j < 2009 && !privat();
    case Ein::prozKVbes:
        return j >= 2015;
    case Ein::edFaktor:
        return j >= 2010 && StrToBetrag(roh(Ein::edStKl)).trunc() == 4;
    case Ein::Geburtsjahr:
        return j == 2006 || (j >= 2007 && haken(Ein::cbAEB));
    case Ein::edKV:
    case Ein::edPV:
    case Ein::agKV:
    case Ein::agPV:
        return privat();
    default:
        return eingabeSichtbar(e);
    }
}

Zahl Lohnabrechnung::betrag(Ein e) const {
    return ignoriert(e) ? Zahl(0) : StrToBetrag(roh(e));
}

int Lohnabrechnung::jahrOderNull() const {
    long long j;
    return ganzzahlAusText(getrimmt(roh(Ein::edJahr)), j) && j > 0 && j < 10000 ? int(j) : 0;
}

int Lohnabrechnung::monat() const {
    return auswahlIndex(Ein::cbMonat, roh(Ein::cbMonat)) + 1;
}

int Lohnabrechnung::regionIndex() const {
    return auswahlIndex(Ein::edRegion, roh(Ein::edRegion));
}

Ein Lohnabrechnung::dvRegime() const {
    if (haken(Ein::rbDV_mtl)) return Ein::rbDV_mtl;
    if (haken(Ein::rbDV_ab2005) && jahrOderNull() >= 2005) return Ein::rbDV_ab2005;
    return Ein::rbDV_anno;
}

bool Lohnabrechnung::privat() const {
    return gewaehlt(Ein::rbFrei);
}

Zahl Lohnabrechnung::kvSatz() const {
    int j = jahrOderNull();
    if (j == 2009) return monat() <= 6 ? 14.6_z : 14.0_z;
    if (j == 2010) return 14.0_z;
    if (j > 2010) return 14.6_z;
    return StrToBetrag(roh(Ein::prozKV));
}

Zahl Lohnabrechnung::dvPauschalbetrag() const {
    Zahl d = betrag(Ein::DVers);
    if (d < 0) d = 0;
    Ein regime = dvRegime();
    if (regime == Ein::rbDV_anno && d > 1752) d = 1752;
    if (regime == Ein::rbDV_mtl && d > 146) d = 146;
    return d;
}

bool Lohnabrechnung::dvEingetragen() const {
    return !ignoriert(Ein::DVers) && !getrimmt(roh(Ein::DVers)).empty();
}

} // namespace brenvik

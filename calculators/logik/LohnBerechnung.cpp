// One payroll run: the record from the screen (NettoLohn), the net-to-gross
// search of mode 2, and the result captions (Berechne).

#include "Lohnabrechnung.h"

#include "Jahresauswahl.h"
#include "LohnFormat.h"

#include <stdexcept>

namespace brenvik {

namespace {
Zahl cent(std::int64_t c) {
    return Zahl::bruch(c, 100);
}
Cent centVon(const Zahl& euro, const char* feld) {
    return alsCent((euro * 100).trunc(), feld);
}

int strengeJahreszahl(const std::string& text) {
    long long j;
    if (!ganzzahlAusText(text, j) || j < INT32_MIN || j > INT32_MAX)
        throw std::invalid_argument("Jahr ist keine Zahl");
    return int(j);
}
} // namespace

Zahl Lohnabrechnung::kirchensteuer(const Zahl& satz, Cent basis) {
    return cent((satz * basis / 100).trunc());
}

void Lohnabrechnung::rechnen() {
    try {
        nettoLohn();
    } catch (const std::exception&) {
        // as on the screen: a failed run leaves the previous results
    }
}

void Lohnabrechnung::nettoLohn() {
    LohnVar& lv = lv_;
    int y = strengeJahreszahl(roh(Ein::edJahr));
    int stkl = int(StrToBetrag(roh(Ein::edStKl)).trunc());
    lv.STKL = byte(stkl < 1 ? 1 : stkl > 6 ? 6 : stkl);
    lv.ZKF = StrToBetrag(roh(Ein::edKFB));
    if (lv.STKL == 2 && lv.ZKF == 0) lv.STKL = 1;
    lv.R = haken(Ein::cbKiSt) ? 1 : 0;
    lv.ALTER1 = haken(Ein::cbAEB) ? 1 : 0;

    lv.AJAHR = 0;
    if (eingabeSichtbar(Ein::Geburtsjahr)) {
        const std::string& g = roh(Ein::Geburtsjahr);
        long long n;
        if (g.empty())
            lv.AJAHR = 65;
        else if (ganzzahlAusText(g, n) && n >= 1900 && n <= 2024)
            lv.AJAHR = int(n) + 65;
    }
    bool beamter = gewaehlt(Ein::cbBeamter), keineSV = gewaehlt(Ein::cbNoSV);
    lv.KRV = beamter ? 1 : 0;
    lv.KeineSV = keineSV ? 1 : 0;

    LohnVarReset(lv);
    lv.LZZ = 2;
    Cent frei = centVon(StrToBetrag(roh(Ein::edFrei)), "WFUNDF");
    lv.WFUNDF = lv.LZZFREIB = frei;
    lv.JFREIB = alsCent(std::int64_t(frei) * 12, "JFREIB");

    lv.Region = roh(Ein::edRegion);
    lv.KV_Satz = kvSatz();
    lv.PKV_Beitrag = betrag(Ein::edKV);
    lv.PPV_Beitrag = betrag(Ein::edPV);
    lv.PKV_Zuschuss = betrag(Ein::agKV);
    lv.PPV_Zuschuss = betrag(Ein::agPV);
    // Set both ways: switching back to statutory insurance must compute
    // health and care contributions again.
    lv.Privat = privat() ? 1 : 0;

    int kinder = auswahlIndex(Ein::edKinderZahl, roh(Ein::edKinderZahl));
    lv.PV_Kinder = kinder - 1;
    lv.PVA = kinder >= 3 && kinder <= 6 ? kinder - 2 : 0;
    lv.Kinderlos = lv.PV_Kinder == -1 ? 1 : 0;

    int region = regionIndex();
    if (y >= 2010) {
        lv.KRV = beamter || keineSV ? 2 : (region == 1 || region == 2 ? 1 : 0);
        if (!privat()) {
            lv.PKV = 0;
        } else {
            std::int64_t pkpv = ((betrag(Ein::edKV) + betrag(Ein::edPV)) * 100).trunc();
            lv.PKPV = alsCent(pkpv < 0 ? 0 : pkpv, "PKPV");
            lv.PKV = betrag(Ein::agKV) + betrag(Ein::agPV) > 0 ? 2 : 1;
        }
        if (y > 2014) lv.KVZ = StrToBetrag(roh(Ein::prozKVbes));
        lv.F = 1;
        if (lv.STKL == 4) {
            Zahl f = StrToBetrag(roh(Ein::edFaktor));
            if (f > 0 && f < 1) {
                lv.F = f;
                lv.af = 1;
            }
        }
        if (region == 1) lv.PVS = 1;
        if (lv.Kinderlos) lv.PVZ = 1;
    }

    // Flags that the year adaptation keeps in the record.
    int m = monat();
    lv.KV_Sonderbeitrag = y > 2005 || (y == 2005 && m >= 7) ? 1 : 0;
    lv.KVZ_Paritaet = y >= 2019 ? 1 : 0;
    if (modus_ == 3) {
        lv.Uebergangsbereich_neu = y > 2019 || (y == 2019 && m >= 7) ? 1 : 0;
        if (y < 2019) {
            lv.Eintritt_vor_2013 = haken(Ein::rbVor2013) ? 1 : 0;
            lv.Eintritt_ab_2013 = haken(Ein::rbAb2013) ? 1 : 0;
        } else {
            lv.Eintritt_ab_2013 = 1;
        }
        lv.Gleitzone_neu_800_850 = haken(Ein::cbWie2013) ? 1 : 0;
    }

    if (modus_ == 2)
        nettoBruttoSuche();
    else
        edBAL_ = roh(Ein::Eingabe);

    Anzeige a = anzeige_;
    berechne(a);
    anzeige_ = std::move(a);
}

// Mode 2: moves the gross by the difference between the wanted and the
// computed net until both agree to the cent, or 100 runs.
void Lohnabrechnung::nettoBruttoSuche() {
    LohnVar& lv = lv_;
    Zahl w = StrToBetrag(roh(Ein::Eingabe));
    Zahl e = betrag(Ein::SB) + betrag(Ein::VWL_AG);
    Zahl d = betrag(Ein::DVers);
    if (d < 0) d = 0;
    Zahl p = dvPauschalbetrag();
    Zahl kiSt = StrToBetrag(roh(Ein::edKiSt));
    // The month, year and limits of this run, not of the previous one.
    int jahr = strengeJahreszahl(roh(Ein::edJahr));
    lv.Monat = monat();
    lv.Jahr = jahr;
    lv.Einmalzahlung = 0;
    lv.SV_Abzug = dvRegime() == Ein::rbDV_mtl ? Zahl(0) : d;
    lv.Uebergangsgrenze = GrenzeUebergangsbereich(lv.Monat, jahr);
    lv.Geringfuegigkeitsgrenze = GrenzeMinijob(lv.Monat, jahr);

    const std::string gesucht = formatBetrag(w);
    std::string t;
    lv.Brutto = w + e;
    suchlaeufe_ = 0;
    while (gesucht != t && suchlaeufe_ < 100) {
        ++suchlaeufe_;
        lv.RE4 = centVon(lv.Brutto - p, "RE4");
        lv.LZZ = 2;
        LohnabrechnungRechnen(lv, jahr, 2);
        Zahl steuern = cent(lv.LSTLZZ) + cent(lv.SOLZLZZ) + kirchensteuer(kiSt, lv.BK);
        Zahl beitraege = cent(std::int64_t(lv.RV_AN) + lv.KV_AN + lv.PV_AN + lv.AV_AN);
        Zahl n = lv.Brutto - steuern - beitraege - d;
        t = formatBetrag(n);
        lv.Brutto += w - n;
    }
    edBAL_ = formatBetrag(lv.Brutto - e);
    lv.LZZ = 2;
}

void Lohnabrechnung::berechne(Anzeige& a) {
    LohnVar& lv = lv_;
    edRE4_ = formatBetrag(StrToBetrag(edBAL_) + betrag(Ein::SB) + betrag(Ein::VWL_AG));

    lv.Einmalzahlung = betrag(Ein::edEZ);
    lv.SONSTB = centVon(lv.Einmalzahlung, "SONSTB");
    lv.Jahreslohn_ohne_EZ = betrag(Ein::edEZ_Jahr);
    lv.JRE4 = centVon(lv.Jahreslohn_ohne_EZ, "JRE4");
    lv.Monat = monat();
    lv.Jahr = strengeJahreszahl(roh(Ein::edJahr));
    long long tage;
    lv.Entgelt_Vormonate = betrag(Ein::edEntgelt1);
    lv.SV_Tage_Jahr =
        !ignoriert(Ein::edSVT1) && ganzzahlAusText(roh(Ein::edSVT1), tage) ? int(tage) : 0;
    lv.Entgelt_Vorjahr = betrag(Ein::edEntgelt2);
    lv.SV_Tage_Vorjahr =
        !ignoriert(Ein::edSVT2) && ganzzahlAusText(roh(Ein::edSVT2), tage) ? int(tage) : 0;
    lv.Brutto = StrToBetrag(edRE4_);

    Zahl d = betrag(Ein::DVers);
    if (d < 0) d = 0;
    if (!gewaehlt(Ein::rbDV_Umwandlung)) {
        lv.Brutto += d;
    } else if (lv.Einmalzahlung > 0) {
        // converted from the one-off payment
        lv.Einmalzahlung -= d;
        if (lv.Einmalzahlung < 0) lv.Einmalzahlung = 0;
        lv.Brutto += d;
        lv.SONSTB = centVon(lv.Einmalzahlung, "SONSTB");
    }
    Zahl p = dvPauschalbetrag();
    lv.RE4 = centVon(lv.Brutto - p, "RE4");
    Ein regime = dvRegime();
    lv.SV_Abzug = regime == Ein::rbDV_mtl ? Zahl(0) : d;

    lv.Uebergangsgrenze = GrenzeUebergangsbereich(lv.Monat, lv.Jahr);
    lv.Geringfuegigkeitsgrenze = GrenzeMinijob(lv.Monat, lv.Jahr);
    lv.UB_AG_Gesamt = 0;

    LohnabrechnungRechnen(lv, lv.Jahr, modus_);

    auto setze = [&](Erg e, const Zahl& euro) {
        a.caption[std::size_t(e)] = formatBetrag(euro) + lv.Waehrung;
    };
    Zahl kiSt = StrToBetrag(roh(Ein::edKiSt));
    Zahl t1 = cent(lv.LSTLZZ), t2 = cent(lv.LST_SONST);
    Zahl s1 = cent(lv.SOLZLZZ), s2 = cent(lv.SOLZS);
    Zahl k1 = kirchensteuer(kiSt, lv.BK), k2 = kirchensteuer(kiSt, lv.BKS);
    Zahl steuern = t1 + t2 + s1 + s2 + k1 + k2;
    setze(Erg::showLSt, t1 + t2);
    setze(Erg::showSolZ, s1 + s2);
    setze(Erg::showKiSt, k1 + k2);
    setze(Erg::showSteuer, -steuern);
    setze(Erg::LSt_EZ, t2);
    setze(Erg::SolZ_EZ, s2);
    setze(Erg::KiSt_EZ, k2);

    if (modus_ == 3 && haken(Ein::cbRVVoll)) lv.RV_AN = lv.RV_AG;

    Zahl rv = cent(std::int64_t(lv.RV_Einmal) + lv.RV_AN);
    Zahl kv = cent(std::int64_t(lv.KV_Einmal_AN) + lv.KV_AN);
    Zahl pv = cent(std::int64_t(lv.PV_Einmal_AN) + lv.PV_AN);
    Zahl av = cent(std::int64_t(lv.AV_Einmal) + lv.AV_AN);
    Zahl sv = rv + kv + pv + av;
    setze(Erg::showRV, rv);
    setze(Erg::showKV, kv);
    setze(Erg::showPV, pv);
    setze(Erg::showAV, av);
    setze(Erg::showSV, -sv);
    setze(Erg::RV_EZ, cent(lv.RV_Einmal));
    setze(Erg::KV_EZ, cent(lv.KV_Einmal_AN));
    setze(Erg::PV_EZ, cent(lv.PV_Einmal_AN));
    setze(Erg::AV_EZ, cent(lv.AV_Einmal));

    Zahl ag;
    if (lv.UB_AG_Gesamt != 0) {
        ag = lv.UB_AG_Gesamt;
    } else {
        ag = cent(std::int64_t(lv.RV_AG) + lv.KV_AG + lv.PV_AG + lv.AV_AG + lv.RV_Einmal +
                  lv.KV_Einmal_AG + lv.PV_Einmal_AG + lv.AV_Einmal);
        if (lv.Jahr >= 2002 && lv.Jahr <= 2004) ag -= cent(lv.PV_EZ_Differenz);
    }
    setze(Erg::showSVAG, ag + lv.PKV_PV_Zuschuss);
    setze(Erg::showKVAG_Anteil, cent(std::int64_t(lv.KV_Einmal_AG) + lv.KV_AG));

    const Zahl& brutto = lv.Brutto;
    const Zahl& ez = lv.Einmalzahlung;
    Zahl netto = brutto + ez - steuern - sv;
    setze(Erg::showNetto, netto);
    setze(Erg::showBrutto, brutto);
    setze(Erg::showBruttoAG, brutto + ez);
    setze(Erg::showEinmal, ez);

    Zahl lstAG = regime == Ein::rbDV_ab2005 ? Zahl(0) : p / 5;
    setze(Erg::showLStAG, lstAG);
    setze(Erg::showAG, lstAG + ag + brutto + ez + lv.PKV_PV_Zuschuss);

    Zahl v = betrag(Ein::VWL), sb = betrag(Ein::SB);
    Zahl auszahlung = netto - v - d - sb - lv.PKV_PV_Beitrag + lv.PKV_PV_Zuschuss;
    setze(Erg::showVWLZahlung, -v);
    setze(Erg::showDVers, -d);
    setze(Erg::showSB, -sb);
    setze(Erg::showKVpriv, -lv.PKV_PV_Beitrag);
    setze(Erg::showKVag, lv.PKV_PV_Zuschuss);
    setze(Erg::showAuszahlung, auszahlung);

    bool dm2001 = lv.Jahr == 2001;
    a.sichtbar[std::size_t(Zeile::Euro)] = dm2001;
    if (dm2001)
        a.caption[std::size_t(Erg::showEuro)] =
            "(entspricht " + formatBetrag(DMToEuro(auszahlung)) + " \u20AC)";

    if (brutto != 0) {
        Zahl bezug = brutto + ez;
        auto proz = [&](Erg e, const Zahl& x) {
            a.caption[std::size_t(e)] = formatProzent(x / bezug * 100);
        };
        proz(Erg::showSteuerProz, steuern);
        proz(Erg::showSVProz, sv);
        proz(Erg::showNettoProz, netto);
        proz(Erg::showZahlungProz, auszahlung);
    }

    a.sichtbar[std::size_t(Zeile::Bruttolohn)] = true;
    a.sichtbar[std::size_t(Zeile::cbAG)] = true;
    a.sichtbar[std::size_t(Zeile::Arbeitgeber)] = haken(Ein::cbAG);
    a.sichtbar[std::size_t(Zeile::DavonKV)] = davonKV_ && haken(Ein::cbAG);
    a.sichtbar[std::size_t(Zeile::Einmalspalten)] = einmalspalten_;
    a.einmalzahlung = ez;

    hinweiseSetzen(a);
    if (modus_ == 3) niedriglohnAnzeige(a);
}

} // namespace brenvik

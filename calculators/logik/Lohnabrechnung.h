#pragma once
// The payroll frame without its widgets: inputs by component name, the
// calculation of the three modes on one calculation record, and every
// caption, conditional line, note and report line the screen shows. A window
// binds its controls to the names here and calls rechnen() after a change.

#include "LohnEingaben.h"
#include "LohnErgebnisse.h"
#include "Lohn_Var.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace brenvik {

class Lohnabrechnung {
public:
    struct Datum {
        int jahr;
        int monat; // 1..12
    };
    static Datum heute();

    // modus: 1 gross to net, 2 net to gross, 3 low-wage jobs. The start
    // values are those of a freshly opened window on the day `start`.
    Lohnabrechnung(LohnVar& lv, int modus, Datum start = heute());

    int modus() const { return modus_; }
    // "Brutto -> Netto - Berechnung", ...
    std::string_view titel() const;
    // Label of Eingabe: "&Brutto-Monats-Lohn" or "&Netto-Monats-Lohn".
    std::string_view eingabeBeschriftung() const;
    // Label of prozKVbes: "Besonderer %-Satz" below 2015, else "Zusatzbeitrag in %".
    std::string_view zusatzbeitragBeschriftung() const;
    // Hint of prozKVbes for the year.
    std::string_view zusatzbeitragHinweis() const;

    // Sets an input as typed or chosen (combo boxes by item text, ticks and
    // radio buttons "1"/"0") and runs the control's own change handler
    // (year adaptation, Deutsche Mark conversion, SV days, ...). Throws
    // UnbekannteEingabe or UngueltigeEingabe. Does not calculate.
    void setze(std::string_view name, std::string_view text);
    void setze(Ein e, std::string_view text);
    void setzeHaken(Ein e, bool an) { setze(e, an ? "1" : "0"); }
    void setzeJahr(int jahr) { setze(Ein::edJahr, std::to_string(jahr)); }
    void setzeMonat(int monat); // 1..12
    // The text the control shows (prozKV shows the fixed rate from 2009).
    std::string text(Ein e) const;
    bool haken(Ein e) const { return ein_[std::size_t(e)] == "1"; }
    bool eingabeSichtbar(Ein e) const;
    bool eingabeAktiv(Ein e) const;
    // Message box text of the last setze or einmalzahlungBelegen ("" none).
    const std::string& meldung() const { return meldung_; }

    // Opening the one-off tab: fills the annual proposals; returns the
    // message the screen shows instead ("" if none).
    std::string einmalzahlungBelegen(bool immer);
    void davonKVZeigen(bool an) { davonKV_ = an; }
    void einmalspaltenZeigen(bool an) { einmalspalten_ = an; }

    // NettoLohn and Berechne. A run that fails (a year that is no number, an
    // overflow) changes no caption.
    void rechnen();

    const std::string& caption(Erg e) const { return anzeige_.caption[std::size_t(e)]; }
    bool sichtbar(Zeile z) const { return anzeige_.sichtbar[std::size_t(z)]; }
    // The same by name ("showNetto", "HinweisDVers"); throws UnbekannteEingabe.
    const std::string& caption(std::string_view name) const;
    bool sichtbar(std::string_view name) const;
    // Text of a note (Hinweis_P24b, HinweisDVers, lbHinweisGeringfuegigkeitsgrenze).
    const std::string& hinweis(Zeile z) const { return anzeige_.hinweis[std::size_t(z)]; }
    // Runs of the year modules in the last net-to-gross search.
    int suchlaeufe() const { return suchlaeufe_; }
    // The hidden gross field edRE4 of the last run.
    const std::string& bruttoFeld() const { return edRE4_; }

    // The report (Berechnung_als_RTF) as plain text lines with tabs.
    std::vector<std::string> bericht() const;

    LohnVar& record() { return lv_; }

    // Church tax in euros on a base in cents: Trunc(rate * base / 100) cents.
    static Zahl kirchensteuer(const Zahl& satz, Cent basis);

private:
    struct Anzeige {
        std::array<std::string, kErgebnisse> caption{};
        std::array<bool, kZeilen> sichtbar{};
        std::array<std::string, kZeilen> hinweis{};
        Zahl einmalzahlung = 0; // for the report
    };

    const std::string& roh(Ein e) const { return ein_[std::size_t(e)]; }
    Zahl betrag(Ein e) const;    // StrToBetrag of the text; 0 where mode 3 hides it
    bool ignoriert(Ein e) const; // hidden and ignored in this mode
    bool gewaehlt(Ein e) const { return !ignoriert(e) && haken(e); }
    int jahrOderNull() const; // the year field as a number, 0 if none
    int monat() const;        // 1..12
    int regionIndex() const;
    Ein dvRegime() const; // rbDV_anno, rbDV_mtl or rbDV_ab2005
    bool privat() const;
    Zahl kvSatz() const;
    Zahl dvPauschalbetrag() const;
    bool dvEingetragen() const;

    void jahrGeaendert(int altesJahr);
    void kinderGeaendert();
    void tageGeaendert(Ein monate, Ein tage, Ein summe);
    void geburtsjahrVervollstaendigen();

    void nettoLohn();
    void nettoBruttoSuche();
    void berechne(Anzeige& a);
    void hinweiseSetzen(Anzeige& a) const;
    void niedriglohnAnzeige(Anzeige& a) const;

    LohnVar& lv_;
    int modus_;
    std::array<std::string, kEingaben> ein_{};
    int letztesJahr_ = 0;
    std::string meldung_;
    std::string vorschlagJahr_, vorschlagVormonate_;
    bool davonKV_ = false;
    bool einmalspalten_ = false;

    std::string edBAL_, edRE4_;
    int suchlaeufe_ = 0;
    Anzeige anzeige_;
};

} // namespace brenvik

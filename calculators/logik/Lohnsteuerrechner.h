#pragma once
// The wage-tax calculator without its screen: the inputs of the screen are
// written into the calculation record, the year's wage-tax module runs, and
// the results come back as the captions, the note and the report lines the
// screen shows.

#include "Lohn_Var.h"

#include <optional>
#include <string>
#include <vector>

namespace brenvik {

inline constexpr int kLStJahrVon = 2003;
inline constexpr int kLStJahrBis = 2024;

// The items of the screen's drop-down lists, in their order.
inline const std::vector<std::string> kLStZeitraeume{"Jahr", "Monat", "Woche", "Tag"};
inline const std::vector<std::string> kLStRegionen{"West", "Ost (Sachsen)", "Ost (andere)"};
inline const std::vector<std::string> kLStKinder{"Kinderlos (PV erh\u00f6ht)",
                                                 "Kinder (PV Standard)",
                                                 "1 Kind",
                                                 "2 Kinder",
                                                 "3 Kinder",
                                                 "4 Kinder",
                                                 "5 oder mehr Kinder"};
inline constexpr int kLStKinderKinderlos = 0;
inline constexpr int kLStKinderVorgabe = 2; // "1 Kind"

// The screen's inputs as numbers (texts already read with StrToBetrag, spin
// fields with their value).
struct LStEingaben {
    int zeitraum = 0;   // index in kLStZeitraeume
    double jahr = 2024; // value of the year field
    double steuerklasse = 1;
    Zahl kinderfreibetraege = 0;
    Zahl freibetrag = 0; // euros per period
    bool kirchensteuer = true;
    Zahl kirchensteuerSatz = 9; // percent
    bool altersentlastung = false;
    bool beamter = false;
    int region = -1;                     // index in kLStRegionen, -1 = none chosen
    int kinder = kLStKinderVorgabe;      // index in kLStKinder
    Zahl kvZusatz = Zahl::bruch(17, 10); // percent
    Zahl brutto = 0;                     // euros
    Zahl lohnersatz = 0;                 // benefits for the progression proviso, euros
};

struct LStErgebnis {
    std::string brutto, lohnsteuer, solz, kirchensteuer, summe; // "#,##0.00 €"
    std::optional<std::string> anteil; // "(12,34 %)"; none for a gross of 0
    bool hinweisSichtbar = false;
    std::string hinweis; // the single-parent note when visible
    std::string modul;   // name of the module that ran, or empty
};

// Whether the benefits field takes input: period "Jahr" and classes up to 4.
bool LohnersatzMoeglich(int zeitraum, double steuerklasse);
// Caption of the civil-servant check box for that year.
std::string BeamterText(double jahr);

// One run on the record `lv`: reset, inputs, module, results. A year outside
// 2003 to 2024 runs no module, and the results are those the record still
// holds. Errors (such as an amount beyond the record's range) propagate.
LStErgebnis LohnsteuerBerechnen(const LStEingaben& e, LohnVar& lv);

// "#,##0.00" + " €".
std::string Betragstext(const Zahl& euro);

// One line of the report with its look.
struct LStBerichtszeile {
    std::string text;
    bool zentriert = false;
    int punkt = 10;
    bool fett = false;
    std::string schrift;   // font face
    std::vector<int> tabs; // tab stops in points
};

struct LStBerichtsdaten {
    std::string ueberschrift = "LSt-Berechnung";
    std::string name, zeitraum, jahr;
    // The captions of the result labels as they are shown.
    std::string brutto, lohnsteuer, solz, kirchensteuer, summe;
};

std::vector<LStBerichtszeile> LohnsteuerBericht(const LStBerichtsdaten& d);

// Left-pads an amount with blanks to 12 characters.
std::string BerichtsBetrag(const std::string& betrag);

} // namespace brenvik

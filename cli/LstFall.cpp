#include "LstFall.h"

#include "Jahresauswahl.h"
#include "LohnVarFelder.h"
#include "Module.h"

#include <charconv>
#include <set>

namespace brenvik::cli {

namespace {

// Inputs a wage-tax module reads besides the flowchart's own input fields.
bool istEingabe(const FeldInfo& f) {
    return f.gruppe == FeldGruppe::Eingabe || f.name == "PV32b";
}

bool setzeFeld(LohnVar& lv, const FeldInfo& f, std::string_view text, std::string& fehler) {
    Zahl wert;
    if (text.find(',') != std::string_view::npos || !Zahl::ausText(text, wert)) {
        fehler = "Feld " + std::string(f.name) + ": '" + std::string(text) + "' ist keine Zahl";
        return false;
    }
    const FeldRegel& r = f.regel;
    const bool dezimal = std::holds_alternative<Zahl LohnVar::*>(f.feld);
    if (!dezimal && !wert.ganz()) {
        fehler = "Feld " + std::string(f.name) + ": ganze Zahl erwartet, nicht '" +
                 std::string(text) + "'";
        return false;
    }
    if (dezimal) {
        Zahl skaliert = wert;
        for (int i = 0; i < r.stellen; ++i)
            skaliert = skaliert * 10;
        if (!skaliert.ganz()) {
            fehler = "Feld " + std::string(f.name) + ": hoechstens " + std::to_string(r.stellen) +
                     " Nachkommastellen erlaubt, nicht '" + std::string(text) + "'";
            return false;
        }
    }
    if (wert < Zahl(r.min) || wert > Zahl(r.max)) {
        fehler = "Feld " + std::string(f.name) + ": " + std::string(text) +
                 " liegt ausserhalb von " + std::to_string(r.min) + " bis " + std::to_string(r.max);
        return false;
    }
    if (r.schritt != 0 && !(wert / r.schritt).ganz()) {
        fehler = "Feld " + std::string(f.name) + ": " + std::string(text) +
                 " ist kein Vielfaches von " + r.schritt.text();
        return false;
    }
    std::visit(
        [&](auto LohnVar::*feld) {
            using T = std::remove_reference_t<decltype(lv.*feld)>;
            if constexpr (std::is_same_v<T, Zahl>)
                lv.*feld = wert;
            else if constexpr (std::is_integral_v<T>)
                lv.*feld = T(wert.trunc());
        },
        f.feld);
    return true;
}

void anhaengen(std::string& json, std::string_view name, long long wert) {
    if (!json.empty()) json += ',';
    json += '"';
    json += name;
    json += "\":";
    char buf[24];
    auto [ende, ec] = std::to_chars(buf, buf + sizeof buf, wert);
    json.append(buf, ende);
}

long long feldWert(const LohnVar& lv, const FeldInfo& f) {
    return std::visit(
        [&](auto LohnVar::*feld) -> long long {
            using T = std::remove_reference_t<decltype(lv.*feld)>;
            if constexpr (std::is_integral_v<T>)
                return static_cast<long long>(lv.*feld);
            else
                return 0;
        },
        f.feld);
}

int jahrAusModulname(std::string_view name) {
    // "LStPap15_Dez" -> 2015, "LStPap09_vorKon2" -> 2009
    if (name.size() < 8 || name.substr(0, 6) != "LStPap") return 0;
    char a = name[6], b = name[7];
    if (a < '0' || a > '9' || b < '0' || b > '9') return 0;
    return 2000 + (a - '0') * 10 + (b - '0');
}

} // namespace

bool leseGanzzahl(std::string_view text, long long& wert) {
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), wert);
    return ec == std::errc() && p == text.data() + text.size() && !text.empty();
}

bool rechneLstFall(const LstFall& fall, std::string& json, std::string& fehler) {
    if (fall.monat < 0 || fall.monat > 12) {
        fehler = "Monat " + std::to_string(fall.monat) + " liegt ausserhalb von 0 bis 12";
        return false;
    }
    int jahr = fall.jahr;
    LStModul* modul = nullptr;
    if (!fall.modul.empty()) {
        modul = findeModul(fall.modul);
        if (!modul) {
            fehler = "unbekanntes Modul '" + fall.modul + "'";
            return false;
        }
        if (jahr == 0) jahr = jahrAusModulname(fall.modul);
    } else {
        if (jahr == 0) jahr = 2024;
        modul = lohnsteuerModul(Rechner::Lohnabrechnung, jahr, fall.monat);
        if (!modul) {
            fehler = "kein Lohnsteuer-Modul fuer das Jahr " + std::to_string(jahr);
            return false;
        }
    }

    LohnVar lv; // the state of the record at program start
    lv.Jahr = jahr;
    lv.Monat = fall.monat;
    std::set<std::string_view> gesetzt;
    for (const auto& [name, text] : fall.felder) {
        const FeldInfo* f = findeFeld(name);
        if (!f || !istEingabe(*f)) {
            fehler = "unbekanntes Eingabefeld '" + name + "'";
            return false;
        }
        if (!gesetzt.insert(f->name).second) {
            fehler = "Feld " + name + " ist doppelt angegeben";
            return false;
        }
        if (!setzeFeld(lv, *f, text, fehler)) return false;
    }
    for (std::string_view pflicht : {"LZZ", "STKL"})
        if (!gesetzt.count(pflicht)) {
            fehler = "Feld " + std::string(pflicht) + " fehlt";
            return false;
        }

    try {
        // As in the payroll dispatch, tax class 0 means no wage-tax run.
        if (lv.STKL != 0) modul->Lohnsteuer(lv);
    } catch (const std::exception& e) {
        fehler = std::string("Berechnung nicht moeglich: ") + e.what();
        return false;
    }

    json = "\"modul\":\"" + std::string(modul->name()) + '"';
    for (std::string_view name : modul->ausgaben())
        anhaengen(json, name, feldWert(lv, *findeFeld(name)));
    return true;
}

} // namespace brenvik::cli

#include "Befehle.h"
#include "JsonZeile.h"
#include "LstFall.h"

#include <istream>
#include <ostream>

namespace brenvik::cli {

namespace {
const char* kHilfe =
    R"(brenvik-cli lst: wage tax, solidarity surcharge and church-tax base of one pay period.

Usage:
  brenvik-cli lst [--jahr YEAR] [--monat M] [--modul NAME] FIELD=VALUE ...
  brenvik-cli lst --batch < cases.jsonl

Fills a fresh calculation record with the given inputs, sets Monat and Jahr,
runs the wage-tax module of that year and month (the one a payroll run would
use; --modul picks one by name, e.g. LStPap15_Dez or LStPap09_vorKon2) and
prints one JSON object with every output field the module writes.

Options:
  --jahr YEAR    calculation year, 2000 to 2024 (default 2024, or the year of --modul)
  --monat M      payroll month 0 to 12 (default 0, the state at program start);
                 selects the December 2015 module and the 2023 half-years
  --modul NAME   run this module instead of the one the year selects
  --batch        read JSON Lines from standard input, one case per line:
                   {"id": 7, "jahr": 2024, "monat": 3, "RE4": 300000, "LZZ": 2,
                    "STKL": 1, "KVZ": "1.70"}
                 (jahr, monat, modul and id as the options; id is echoed).
                 Writes one JSON line per case, in order; a bad case gives
                 {"id": ..., "zeile": N, "fehler": "..."} and the run goes on.

Fields (flowchart names): LZZ (1 year, 2 month, 3 week, 4 day) and STKL (0 to 6)
are required. Amounts such as RE4, SONSTB, JRE4, VBEZ, PKPV, MBV are whole
cents that fit a 32-bit field; F (three decimals, 0 to 1), KVZ (two decimals),
ZKF (steps of 0.5) and PV32b (annual euros, two decimals) take a decimal
point. Flags (af, ALTER1, PVS, PVZ, R) are 0 or 1; KRV and PKV 0 to 2;
PVA 0 to 4; ZMVB 0 to 12. Values are read exactly from their text.
With STKL 0 no wage tax is computed (all outputs 0), as in a payroll run.

Exit status: 0 if every case was computed, 1 if a case was refused (the
message names the case and the field), 2 for a usage error.
)";

int einzelfall(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    LstFall fall;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto wert = [&](const char* option) -> const std::string* {
            if (i + 1 >= args.size()) {
                err << "brenvik-cli lst: " << option << " braucht einen Wert\n";
                return nullptr;
            }
            return &args[++i];
        };
        if (a == "--jahr" || a == "--monat") {
            const std::string* w = wert(a.c_str());
            long long z;
            if (!w) return 2;
            if (!leseGanzzahl(*w, z) || z < 0 || z > 9999) {
                err << "brenvik-cli lst: " << a << " '" << *w << "' ist keine gueltige Zahl\n";
                return 2;
            }
            (a == "--jahr" ? fall.jahr : fall.monat) = int(z);
        } else if (a == "--modul") {
            const std::string* w = wert("--modul");
            if (!w) return 2;
            fall.modul = *w;
        } else if (auto gleich = a.find('='); gleich != std::string::npos && gleich > 0) {
            fall.felder.emplace_back(a.substr(0, gleich), a.substr(gleich + 1));
        } else {
            err << "brenvik-cli lst: unerwartetes Argument '" << a << "' (siehe --help)\n";
            return 2;
        }
    }
    std::string json, fehler;
    if (!rechneLstFall(fall, json, fehler)) {
        err << "brenvik-cli lst: " << fehler << "\n";
        return 1;
    }
    out << '{' << json << "}\n";
    return 0;
}

// Turns one JSON line into a case; false with a message for bad lines.
bool fallAusJson(const std::vector<JsonWert>& werte, LstFall& fall, std::string& id,
                 std::string& fehler) {
    bool mitJahr = false;
    for (const JsonWert& w : werte) {
        if (w.schluessel == "id") {
            id = w.roh;
            continue;
        }
        if (w.schluessel == "jahr" || w.schluessel == "monat") {
            long long z;
            if (!(w.istZahl || w.istText) || !leseGanzzahl(w.text, z) || z < 0 || z > 9999) {
                fehler = w.schluessel + " '" + w.text + "' ist keine gueltige Zahl";
                return false;
            }
            (w.schluessel == "jahr" ? fall.jahr : fall.monat) = int(z);
            mitJahr = mitJahr || w.schluessel == "jahr";
            continue;
        }
        if (w.schluessel == "modul") {
            if (!w.istText) return (fehler = "modul muss ein Text sein", false);
            fall.modul = w.text;
            continue;
        }
        if (!w.istZahl && !w.istText) {
            fehler = "Feld " + w.schluessel + ": Zahl erwartet";
            return false;
        }
        if (w.istZahl && w.text.find_first_of("eE") != std::string::npos) {
            fehler = "Feld " + w.schluessel + ": Zahl ohne Exponent erwartet, nicht " + w.text;
            return false;
        }
        fall.felder.emplace_back(w.schluessel, w.text);
    }
    if (!mitJahr && fall.modul.empty()) return (fehler = "jahr fehlt", false);
    return true;
}

int stapel(std::istream& in, std::ostream& out, std::ostream& err) {
    std::string zeile, json, fehler, ausgabe;
    std::vector<JsonWert> werte;
    long nr = 0, fehlerhaft = 0;
    while (std::getline(in, zeile)) {
        ++nr;
        if (zeile.find_first_not_of(" \t\r") == std::string::npos) continue;
        std::string id;
        LstFall fall;
        bool ok = leseJsonObjekt(zeile, werte, fehler) && fallAusJson(werte, fall, id, fehler) &&
                  rechneLstFall(fall, json, fehler);
        ausgabe.clear();
        ausgabe += '{';
        if (!id.empty()) ausgabe += "\"id\":" + id + ',';
        if (ok) {
            ausgabe += json;
        } else {
            ++fehlerhaft;
            ausgabe += "\"zeile\":" + std::to_string(nr) + ",\"fehler\":" + jsonText(fehler);
            err << "brenvik-cli lst: Zeile " << nr << (id.empty() ? "" : " (id " + id + ")") << ": "
                << fehler << "\n";
        }
        ausgabe += "}\n";
        out << ausgabe;
    }
    out.flush();
    return fehlerhaft == 0 ? 0 : 1;
}
} // namespace

int lstBefehl(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
              std::ostream& err) {
    for (const auto& a : args)
        if (a == "--help" || a == "-h") {
            out << kHilfe;
            return 0;
        }
    if (!args.empty() && args[0] == "--batch") {
        if (args.size() > 1) {
            err << "brenvik-cli lst: --batch nimmt keine weiteren Argumente\n";
            return 2;
        }
        return stapel(in, out, err);
    }
    return einzelfall(args, out, err);
}

} // namespace brenvik::cli

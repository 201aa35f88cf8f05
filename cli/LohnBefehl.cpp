// brenvik-cli lohn: one payroll statement from inputs named like the
// payroll screen's controls.

#include "Befehle.h"

#include "Lohn_Var.h"
#include "Lohnabrechnung.h"

#include <ostream>
#include <utility>

namespace brenvik::cli {

namespace {

const char* kLohnHilfe = R"HILFE(brenvik-cli lohn [--modus 1|2|3] [--format json|text] NAME=TEXT ...

Computes one monthly payroll statement as the payroll screen does.
  --modus 1   gross to net (default)
  --modus 2   net to gross: Eingabe is the wanted net pay
  --modus 3   low-wage jobs (reduced-contribution zone)
  --format json  every result caption, the visibility of conditional lines
                 and the notes (default)
  --format text  the printable statement, one line each, columns split by tabs

Inputs are the screen's component names with the text a user would type or
choose; unset inputs keep the screen's start values (current year and month).
  money, rates     Eingabe=3.000  SB=150  DVers=200  prozKVbes=1,7  edKiSt=9
  combo boxes      cbMonat=März  edRegion="Ost (Sachsen)"  edKinderZahl="2 Kinder"
  ticks, choices   cbKiSt=0  rbFrei=1  rbDV_mtl=1  rbDV_Umwandlung=1  cbAG=0
  tax data         edJahr=2024 edStKl=3 edKFB=1,0 Geburtsjahr=1958 edFaktor=0,950
  one-off payment  edEZ=1500 edEZ_Jahr=36000 edM1=2 edT1=0 edEntgelt1=6000
                   edM2=12 edT2=0 edEntgelt2=36000
  low-wage mode    cbRVVoll=1 rbVor2013=1 rbAb2013=1 cbWie2013=1
Texts that are no number count as 0, as on the screen. An unknown name or a
choice the control does not offer is an error (exit code 2, no output).

Examples:
  brenvik-cli lohn edJahr=2024 cbMonat=Januar Eingabe=3.000 edKinderZahl="2 Kinder"
  brenvik-cli lohn --modus 2 --format text edJahr=2024 Eingabe=2000
)HILFE";

void jsonText(std::ostream& out, std::string_view s) {
    out << '"';
    for (char c : s) {
        switch (c) {
        case '"':
            out << "\\\"";
            break;
        case '\\':
            out << "\\\\";
            break;
        case '\n':
            out << "\\n";
            break;
        case '\r':
            out << "\\r";
            break;
        case '\t':
            out << "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                const char* hex = "0123456789abcdef";
                out << "\\u00" << hex[(c >> 4) & 0xF] << hex[c & 0xF];
            } else {
                out << c;
            }
        }
    }
    out << '"';
}

void alsJson(const Lohnabrechnung& l, const std::vector<std::string>& meldungen,
             std::ostream& out) {
    out << "{\n  \"modus\": " << l.modus() << ",\n  \"titel\": ";
    jsonText(out, l.titel());
    out << ",\n  \"captions\": {";
    for (std::size_t i = 0; i < kErgebnisse; ++i) {
        out << (i ? ",\n    " : "\n    ");
        jsonText(out, name(Erg(i)));
        out << ": ";
        jsonText(out, l.caption(Erg(i)));
    }
    out << "\n  },\n  \"sichtbar\": {";
    for (std::size_t i = 0; i < kZeilen; ++i) {
        out << (i ? ",\n    " : "\n    ");
        jsonText(out, name(Zeile(i)));
        out << ": " << (l.sichtbar(Zeile(i)) ? "true" : "false");
    }
    out << "\n  },\n  \"hinweise\": {";
    bool erster = true;
    for (Zeile z : kHinweise) {
        out << (erster ? "\n    " : ",\n    ");
        erster = false;
        jsonText(out, name(z));
        out << ": {\"sichtbar\": " << (l.sichtbar(z) ? "true" : "false") << ", \"text\": ";
        jsonText(out, l.hinweis(z));
        out << "}";
    }
    out << "\n  }";
    // message boxes the inputs would have raised on the screen
    out << ",\n  \"meldungen\": [";
    for (std::size_t i = 0; i < meldungen.size(); ++i) {
        if (i) out << ", ";
        jsonText(out, meldungen[i]);
    }
    out << "]";
    if (l.modus() == 2) out << ",\n  \"suchlaeufe\": " << l.suchlaeufe();
    out << "\n}\n";
}

} // namespace

int lohnBefehl(const std::vector<std::string>& args, std::istream&, std::ostream& out,
               std::ostream& err) {
    int modus = 1;
    bool text = false;
    std::vector<std::pair<std::string, std::string>> eingaben;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out << kLohnHilfe;
            return 0;
        }
        if (a == "--modus" || a == "--format") {
            if (i + 1 >= args.size()) {
                err << "brenvik-cli lohn: " << a << " needs a value\n";
                return 2;
            }
            const std::string& v = args[++i];
            if (a == "--modus") {
                if (v != "1" && v != "2" && v != "3") {
                    err << "brenvik-cli lohn: --modus must be 1, 2 or 3, not '" << v << "'\n";
                    return 2;
                }
                modus = v[0] - '0';
            } else {
                if (v != "json" && v != "text") {
                    err << "brenvik-cli lohn: --format must be json or text, not '" << v << "'\n";
                    return 2;
                }
                text = v == "text";
            }
            continue;
        }
        auto gleich = a.find('=');
        if (gleich == std::string::npos || gleich == 0) {
            err << "brenvik-cli lohn: expected NAME=TEXT, got '" << a << "' (see --help)\n";
            return 2;
        }
        eingaben.emplace_back(a.substr(0, gleich), a.substr(gleich + 1));
    }

    Lohnabrechnung l(Lohn_Var(), modus);
    std::vector<std::string> meldungen;
    for (const auto& [n, t] : eingaben) {
        try {
            l.setze(n, t);
            if (!l.meldung().empty()) meldungen.push_back(l.meldung());
        } catch (const UnbekannteEingabe&) {
            err << "brenvik-cli lohn: unknown input '" << n << "' (see --help)\n";
            return 2;
        } catch (const UngueltigeEingabe& e) {
            err << "brenvik-cli lohn: invalid value for '" << n << "': " << e.what() << "\n";
            return 2;
        }
    }
    l.rechnen();
    if (text) {
        for (const std::string& z : l.bericht())
            out << z << "\n";
    } else {
        alsJson(l, meldungen, out);
    }
    return 0;
}

} // namespace brenvik::cli

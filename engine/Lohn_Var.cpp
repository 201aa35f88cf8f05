#include "Lohn_Var.h"

#include <string>

namespace brenvik {

LohnVar& Lohn_Var() {
    static LohnVar record;
    return record;
}

void LohnVarReset(LohnVar& lv) {
    lv.JHINZU = lv.JRE4 = lv.JVBEZ = lv.SONSTB = lv.VBS = lv.VMT = 0;
    lv.HINZUR = lv.VBEZ = lv.VBEZM = lv.VBEZS = lv.VJAHR = lv.VKAPA = 0;
    lv.STERBE = lv.ZMVB = lv.LZZFREIB = lv.LZZHINZU = 0;
    lv.PV32b = 0;
    lv.af = 0;
    lv.PKPV = 0;
    lv.PVS = lv.PVZ = 0;
    lv.HINZUR_EUR = lv.RE4_EUR = lv.VBEZ_EUR = lv.WFUNDF_EUR = 0;
    lv.F = 1;
}

namespace {
std::string ohne(std::string_view text, std::string_view weg) {
    std::string s;
    s.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool treffer = false;
        for (std::size_t k = 0; k < weg.size();) {
            // weg holds single characters and the UTF-8 euro sign
            std::size_t len = (static_cast<unsigned char>(weg[k]) == 0xE2) ? 3 : 1;
            if (text.substr(i, len) == weg.substr(k, len)) {
                i += len;
                treffer = true;
                break;
            }
            k += len;
        }
        if (!treffer) s += text[i++];
    }
    return s;
}

std::string_view getrimmt(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}
} // namespace

Zahl StrToBetrag(std::string_view text) {
    std::string s = ohne(text, ".");
    std::string_view t = getrimmt(s);
    if (t.empty() || t.find('.') != std::string_view::npos) return 0;
    Zahl z;
    return Zahl::ausText(t, z) ? z : Zahl(0);
}

Zahl LabelToBetrag(std::string_view caption) {
    return StrToBetrag(ohne(caption, ". \u20AC"));
}

static constexpr Zahl kDMFaktor = 1.95583_z;

Zahl DMToEuro(const Zahl& dm) {
    return Zahl::bruch((dm / kDMFaktor * 100).round(), 100);
}
Zahl EuroToDM(const Zahl& euro) {
    return Zahl::bruch((euro * kDMFaktor * 100).round(), 100);
}
Zahl AufCentAufrunden(const Zahl& x) {
    return Zahl::bruch((x * 100 + 0.99_z).trunc(), 100);
}
std::int64_t AufEuroAufrunden(const Zahl& x) {
    return (x + 0.99_z).trunc();
}
Zahl AufCentAbrunden(const Zahl& x) {
    return Zahl::bruch((x * 100).trunc(), 100);
}
std::int64_t Abschneiden(const Zahl& x) {
    return x.trunc();
}

Zahl GrenzeMinijob(int monat, int jahr) {
    if (jahr <= 2012) return 400;
    if (jahr <= 2021 || (jahr == 2022 && monat <= 9)) return 450;
    if (jahr <= 2023) return 12 * 130 / Zahl(3);
    if (jahr <= 2099) return AufEuroAufrunden(12.41_z * 130 / 3);
    return 0;
}

Zahl GrenzeUebergangsbereich(int monat, int jahr) {
    if (jahr <= 2012) return 800;
    if (jahr <= 2018 || (jahr == 2019 && monat <= 6)) return 850;
    if (jahr <= 2021 || (jahr == 2022 && monat <= 9)) return 1300;
    if (jahr == 2022) return 1600;
    if (jahr <= 2099) return 2000;
    return 0;
}

void feldUeberlauf(std::int64_t wert, const char* feld) {
    throw FeldUeberlauf(std::string("Ergebnis passt nicht in das Feld ") + feld + ": " +
                        std::to_string(wert));
}

} // namespace brenvik

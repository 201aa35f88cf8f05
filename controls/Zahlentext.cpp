#include "Zahlentext.h"

#include <cstdlib>
#include <vector>

namespace brenvik {

namespace {

struct Abschnitt {
    std::string vorne, hinten; // literal text around the digits
    int ganzMin = 0;           // '0' before the decimal point
    int nachMin = 0, nachMax = 0;
    bool tausender = false;
};

Abschnitt zerlege(std::string_view f) {
    Abschnitt a;
    std::size_t erst = f.find_first_of("0#"), letzt = f.find_last_of("0#");
    if (erst == std::string_view::npos) {
        a.vorne = std::string(f);
        return a;
    }
    std::size_t punkt = f.find('.', erst);
    if (punkt != std::string_view::npos && punkt > letzt) {
        // "0." keeps its point only when digits follow.
        punkt = std::string_view::npos;
    }
    a.vorne = std::string(f.substr(0, erst));
    a.hinten = std::string(f.substr(letzt + 1));
    for (std::size_t i = erst; i <= letzt; ++i) {
        char c = f[i];
        bool nach = punkt != std::string_view::npos && i > punkt;
        if (c == '0') {
            if (nach)
                ++a.nachMin, ++a.nachMax;
            else
                ++a.ganzMin;
        } else if (c == '#') {
            if (nach) ++a.nachMax;
        } else if (c == ',' && !nach) {
            a.tausender = true;
        }
    }
    return a;
}

// |wert| rounded half away from zero to `stellen` decimals, as digits. Works
// in 128 bits so that any amount a field can hold is shown.
std::string ziffern(const Zahl& betrag, int stellen) {
    Zahl faktor = 1;
    for (int i = 0; i < stellen; ++i)
        faktor *= 10;
    Zahl skaliert = betrag * faktor + Zahl::bruch(1, 2);
    i128 n = skaliert.zaehler() / skaliert.nenner();
    std::string s;
    do {
        s.insert(s.begin(), char('0' + int(n % 10)));
        n /= 10;
    } while (n != 0);
    if (int(s.size()) <= stellen) s.insert(0, std::size_t(stellen + 1 - int(s.size())), '0');
    return s;
}

std::string formatiere(const Zahl& betrag, const Abschnitt& a) {
    std::string s = ziffern(betrag, a.nachMax);
    std::string ganz = s.substr(0, s.size() - std::size_t(a.nachMax));
    std::string nach = s.substr(s.size() - std::size_t(a.nachMax));
    while (int(nach.size()) > a.nachMin && nach.back() == '0')
        nach.pop_back();
    std::size_t fuehrend = 0;
    while (fuehrend + 1 < ganz.size() && ganz[fuehrend] == '0')
        ++fuehrend;
    ganz.erase(0, fuehrend);
    if (ganz == "0" && a.ganzMin == 0) ganz.clear();
    while (int(ganz.size()) < a.ganzMin)
        ganz.insert(0, "0");
    if (a.tausender) {
        for (int i = int(ganz.size()) - 3; i > 0; i -= 3)
            ganz.insert(std::size_t(i), 1, kTausenderzeichen);
    }
    std::string r = a.vorne + ganz;
    if (!nach.empty()) r += kDezimalzeichen + nach;
    return r + a.hinten;
}

bool istNull(const Zahl& betrag, int stellen) {
    std::string s = ziffern(betrag, stellen);
    return s.find_first_not_of('0') == std::string::npos;
}

} // namespace

std::string FormatiereZahl(const Zahl& wert, std::string_view format) {
    std::vector<std::string_view> teile;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= format.size(); ++i) {
        if (i == format.size() || format[i] == ';') {
            teile.push_back(format.substr(start, i - start));
            start = i + 1;
        }
    }
    Abschnitt positiv = zerlege(teile[0]);
    bool negativ = wert < 0;
    Zahl betrag = negativ ? -wert : wert;
    if (teile.size() >= 3 && istNull(betrag, positiv.nachMax))
        return formatiere(0, zerlege(teile[2]));
    if (!negativ) return formatiere(betrag, positiv);
    if (teile.size() >= 2 && !teile[1].empty()) return formatiere(betrag, zerlege(teile[1]));
    if (istNull(betrag, positiv.nachMax)) return formatiere(0, positiv);
    return "-" + formatiere(betrag, positiv);
}

std::string AllgemeinesFormat(const Zahl& wert) {
    std::string s = wert.text(18);
    for (char& c : s)
        if (c == '.') c = kDezimalzeichen;
    return s;
}

bool LiesDezimal(std::string_view text, Zahl& wert) {
    if (text.find('.') != std::string_view::npos && text.find(',') != std::string_view::npos)
        return false;
    return Zahl::ausText(text, wert);
}

} // namespace brenvik

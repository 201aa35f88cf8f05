#include "LohnFormat.h"

#include <charconv>

namespace brenvik {

std::string formatZahl(const Zahl& x, int stellen, bool tausender) {
    i128 faktor = 1;
    for (int i = 0; i < stellen; ++i)
        faktor *= 10;
    Zahl skaliert = x * Zahl::bruch(faktor, 1);
    bool negativ = skaliert < 0;
    if (negativ) skaliert = -skaliert;
    std::int64_t n = (skaliert + Zahl::bruch(1, 2)).trunc();
    std::string ziffern = std::to_string(n);
    if (int(ziffern.size()) <= stellen)
        ziffern.insert(0, std::size_t(stellen + 1) - ziffern.size(), '0');
    std::string ganz = ziffern.substr(0, ziffern.size() - std::size_t(stellen));
    std::string text;
    if (negativ && n != 0) text += '-';
    for (std::size_t i = 0; i < ganz.size(); ++i) {
        if (tausender && i > 0 && (ganz.size() - i) % 3 == 0) text += '.';
        text += ganz[i];
    }
    if (stellen > 0) {
        text += ',';
        text.append(ziffern, ziffern.size() - std::size_t(stellen), std::size_t(stellen));
    }
    return text;
}

std::string formatProzent(const Zahl& x) {
    std::string s(1, '(');
    s += formatZahl(x, 2, false);
    s += " %)";
    return s;
}

bool ganzzahlAusText(std::string_view text, long long& out) {
    if (text.empty()) return false;
    const char* a = text.data();
    const char* e = a + text.size();
    if (*a == '+') ++a;
    auto [p, fehler] = std::from_chars(a, e, out);
    return fehler == std::errc() && p == e && a != e;
}

} // namespace brenvik

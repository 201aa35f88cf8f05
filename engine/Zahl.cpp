#include "Zahl.h"

#include <ostream>

namespace brenvik {

namespace zahl_detail {
void ueberlauf(const char* was) { throw ZahlUeberlauf(was); }
} // namespace zahl_detail

bool Zahl::ausText(std::string_view t, Zahl& out) {
    std::size_t i = 0;
    bool negativ = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negativ = t[i++] == '-';
    i128 n = 0;
    std::int64_t d = 1;
    int ziffern = 0, nachkomma = 0;
    bool punkt = false;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (c == '.' || c == ',') {
            if (punkt) return false;
            punkt = true;
            continue;
        }
        if (c < '0' || c > '9') return false;
        if (++ziffern > 30 || nachkomma >= 18) return false;
        n = n * 10 + (c - '0');
        if (punkt) {
            d *= 10;
            ++nachkomma;
        }
    }
    if (ziffern == 0) return false;
    out = bruch(negativ ? -n : n, d);
    return true;
}

void PrintTo(const Zahl& z, std::ostream* os) { *os << z.text(12); }

std::string Zahl::text(int stellen) const {
    i128 ganz = n_ / d_;
    i128 rest = n_ % d_;
    bool negativ = n_ < 0;
    if (ganz < 0) ganz = -ganz;
    if (rest < 0) rest = -rest;
    std::string s;
    do {
        s.insert(s.begin(), char('0' + int(ganz % 10)));
        ganz /= 10;
    } while (ganz != 0);
    std::string nk;
    for (int k = 0; k < stellen && rest != 0; ++k) {
        rest *= 10;
        nk += char('0' + int(rest / d_));
        rest %= d_;
    }
    while (!nk.empty() && nk.back() == '0') nk.pop_back();
    if (!nk.empty()) s += "." + nk;
    if (negativ && s != "0") s.insert(s.begin(), '-');
    return s;
}

} // namespace brenvik

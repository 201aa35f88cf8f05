#include "Zahl.h"

#include <ostream>

namespace brenvik {

namespace zahl_detail {
void ueberlauf(const char* was) {
    throw ZahlUeberlauf(was);
}
} // namespace zahl_detail

bool Zahl::ausText(std::string_view t, Zahl& out) {
    std::size_t i = 0;
    bool negativ = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negativ = t[i++] == '-';
    i128 n = 0;
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
        if (punkt) ++nachkomma;
    }
    if (ziffern == 0) return false;
    out = dezimal(negativ ? -n : n, nachkomma);
    return true;
}

void PrintTo(const Zahl& z, std::ostream* os) {
    *os << z.text(12);
}

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
    while (!nk.empty() && nk.back() == '0')
        nk.pop_back();
    if (!nk.empty()) s += "." + nk;
    if (negativ && s != "0") s.insert(s.begin(), '-');
    return s;
}

} // namespace brenvik

namespace brenvik {

using namespace zahl_detail;

Zahl Zahl::summeLangsam(const Zahl& a, const Zahl& b) {
    if (a.k_ >= 0 && b.k_ >= 0) {
        const Zahl& fein = a.k_ > b.k_ ? a : b; // the one with more decimals
        const Zahl& grob = a.k_ > b.k_ ? b : a;
        i128 n;
        if (ausrichten(grob, fein.k_, n))
            return roh(zahl_detail::add(n, fein.n_), fein.d_, fein.k_);
    }
    std::int64_t g = std::int64_t(ggt64(std::uint64_t(a.d_), std::uint64_t(b.d_)));
    std::int64_t ad = a.d_ / g, bdg = b.d_ / g;
    i128 n = zahl_detail::add(mul(a.n_, bdg), mul(b.n_, ad));
    return bruch(n, mul(ad, b.d_));
}

Zahl Zahl::produktLangsam(const Zahl& a, const Zahl& b) {
    if (a.k_ >= 0 && b.k_ >= 0) {
        i128 n;
        int k = a.k_ + b.k_;
        if (mulOk(a.n_, b.n_, n)) {
            while (k > kMaxStellen && n % 10 == 0) {
                n /= 10;
                --k;
            }
            if (k <= kMaxStellen) return roh(n, kZehner[k], k);
        }
    }
    // Cross-reduce so that the result is reduced and stays small.
    std::uint64_t g1 = ggt(a.n_, b.d_), g2 = ggt(b.n_, a.d_);
    i128 n = mul(a.n_ / i128(g1), b.n_ / i128(g2));
    i128 d = mul(a.d_ / std::int64_t(g2), b.d_ / std::int64_t(g1));
    return bruch(n, d);
}

Zahl Zahl::quotientLangsam(const Zahl& a, const Zahl& b) {
    if (b.n_ == 0) throw std::domain_error("Division durch 0");
    if (!passtIn64(b.n_)) {
        Zahl br = b.gekuerzt();
        if (!passtIn64(br.n_)) ueberlauf("Divisor zu gross");
        if (br.d_ != b.d_) return a / br;
        ueberlauf("Divisor zu gross");
    }
    std::int64_t bn = std::int64_t(b.n_);
    i128 bd = b.d_;
    if (bn < 0) {
        bn = -bn;
        bd = -bd;
    }
    // Dividing by 2^a * 5^b keeps a decimal: multiply by 10^m / divisor.
    if (a.k_ >= 0 && b.k_ >= 0) {
        int m = 0;
        std::int64_t faktor = dezimalFaktor(bn, m);
        if (faktor != 0 && a.k_ + m <= kMaxStellen) {
            i128 n;
            if (mulOk(a.n_, i128(faktor) * bd, n)) return roh(n, kZehner[a.k_ + m], a.k_ + m);
        }
    }
    return a * allgemein(bd, bn);
}

int Zahl::vergleicheLangsam(const Zahl& a, const Zahl& b) {
    if (a.k_ >= 0 && b.k_ >= 0) {
        i128 na = a.n_, nb = b.n_;
        bool ok = a.k_ < b.k_ ? ausrichten(a, b.k_, na) : ausrichten(b, a.k_, nb);
        if (ok) return na < nb ? -1 : (na > nb ? 1 : 0);
    }
    // Compare the integer parts first; they decide unless equal.
    i128 qa = a.n_ / a.d_, qb = b.n_ / b.d_;
    if (qa != qb) return qa < qb ? -1 : 1;
    // Remainders are below the denominators (< 2^63): products fit.
    i128 ra = (a.n_ - qa * a.d_) * b.d_, rb = (b.n_ - qb * b.d_) * a.d_;
    return ra < rb ? -1 : (ra > rb ? 1 : 0);
}

} // namespace brenvik

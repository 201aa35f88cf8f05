#include "SVRunden.h"

namespace brenvik::sv {

namespace {
i128 zehnHoch(int n) {
    i128 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}
int stellenVor(i128 n) { // decimal digits of n > 0
    int k = 0;
    while (n > 0) {
        n /= 10;
        ++k;
    }
    return k;
}
// Rounds the non-negative a to an integer, ties away from zero.
i128 rundenWeg(const Zahl& a) {
    return (a + Zahl::bruch(1, 2)).trunc();
}
} // namespace

int ziffer15(const Zahl& x, int stelle) {
    Zahl b = x < 0 ? -x : x;
    if (b == 0) return -1;
    // The general format switches to exponent notation below 1e-4 and from
    // 1e15 on; both texts count as "no digit here".
    if (b < Zahl::bruch(1, 10000) || b >= Zahl(1'000'000'000'000'000LL)) return -1;
    i128 ganz = b.trunc();
    int nachkomma; // decimals shown with 15 significant digits
    if (ganz > 0) {
        nachkomma = 15 - stellenVor(ganz);
    } else {
        int nullen = 0;
        Zahl t = b;
        while (t < Zahl::bruch(1, 10)) {
            t = t * 10;
            ++nullen;
        }
        nachkomma = 15 + nullen;
    }
    if (stelle > nachkomma) return -1;
    i128 ziffern = rundenWeg(b * Zahl::bruch(zehnHoch(nachkomma), 1));
    // trailing zeros are not part of the text; a 0 is never a 5 anyway
    return int((ziffern / zehnHoch(nachkomma - stelle)) % 10);
}

Zahl Aufrunden_Stellen(int stellen, const Zahl& x) {
    i128 p = zehnHoch(stellen);
    Zahl a = x * Zahl::bruch(p, 1);
    std::int64_t n = 0;
    if (a > 0)
        n = (a + Zahl::bruch(999999999, 1000000000)).trunc();
    else if (a < 0)
        n = a.trunc();
    return Zahl::bruch(n, p);
}

Zahl Runden2(int stellen, const Zahl& x) {
    if (ziffer15(x, stellen + 1) == 5) return Aufrunden_Stellen(stellen, x);
    i128 p = zehnHoch(stellen);
    Zahl a = x * Zahl::bruch(p, 1);
    std::int64_t t = a.trunc();
    Zahl frac = a - Zahl(t);
    std::int64_t n = t + (frac * 2).trunc();
    return Zahl::bruch(n, p);
}

} // namespace brenvik::sv

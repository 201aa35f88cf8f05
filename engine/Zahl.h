#pragma once
// Exact number for money, rates and intermediate values.
//
// A Zahl is a fraction n / d with a 128-bit numerator and a positive 64-bit
// denominator. Sums, differences, products and quotients are exact; a value is
// only ever rounded by trunc()/round() (or the routines built on them). Every
// operation checks for overflow and throws ZahlUeberlauf instead of wrapping,
// so a result is either exact or an error, never silently wrong.
//
// Speed: almost every value of the wage-tax steps is a decimal (d = 10^k),
// and decimals add, multiply and compare by scaling alone, without any
// greatest-common-divisor work. Only values such as weekly wages (x / 7) or
// shares of twelve take the general fraction path, which keeps its results
// reduced and returns to the decimal form whenever the denominator allows it.

#include <cstdint>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>

namespace brenvik {

using i128 = __int128;

class ZahlUeberlauf : public std::overflow_error {
public:
    explicit ZahlUeberlauf(const char* was) : std::overflow_error(was) {}
};

namespace zahl_detail {

[[noreturn]] void ueberlauf(const char* was);

constexpr i128 I64_MAX = INT64_MAX;
constexpr i128 I64_MIN = INT64_MIN;
constexpr bool passtIn64(i128 v) {
    return v >= I64_MIN && v <= I64_MAX;
}

constexpr int kMaxStellen = 18; // 10^18 is the largest power of ten in 64 bits
constexpr std::int64_t kZehner[kMaxStellen + 1] = {1,
                                                   10,
                                                   100,
                                                   1000,
                                                   10000,
                                                   100000,
                                                   1000000,
                                                   10000000,
                                                   100000000,
                                                   1000000000,
                                                   10000000000,
                                                   100000000000,
                                                   1000000000000,
                                                   10000000000000,
                                                   100000000000000,
                                                   1000000000000000,
                                                   10000000000000000,
                                                   100000000000000000,
                                                   1000000000000000000};

constexpr std::uint64_t ggt64(std::uint64_t a, std::uint64_t b) {
    if (a == 0) return b;
    if (b == 0) return a;
    int s = __builtin_ctzll(a | b);
    a >>= __builtin_ctzll(a);
    do {
        b >>= __builtin_ctzll(b);
        if (a > b) {
            std::uint64_t t = a;
            a = b;
            b = t;
        }
        b -= a;
    } while (b != 0);
    return a << s;
}

// |n| mod d for d > 0, with a 64-bit fast path.
constexpr std::uint64_t absMod(i128 n, std::int64_t d) {
    if (passtIn64(n)) {
        std::int64_t m = std::int64_t(n) % d;
        return std::uint64_t(m < 0 ? -m : m);
    }
    i128 m = n % d;
    return std::uint64_t(m < 0 ? -m : m);
}

// gcd(|n|, d) for d > 0.
constexpr std::uint64_t ggt(i128 n, std::int64_t d) {
    if (d == 1) return 1;
    return ggt64(absMod(n, d), std::uint64_t(d));
}

constexpr bool mulOk(i128 a, i128 b, i128& r) {
    if (passtIn64(a) && passtIn64(b)) { // cannot overflow 128 bits
        r = a * b;
        return true;
    }
    return !__builtin_mul_overflow(a, b, &r);
}
constexpr i128 mul(i128 a, i128 b) {
    i128 r;
    if (!mulOk(a, b, r)) ueberlauf("Produkt zu gross");
    return r;
}
constexpr i128 add(i128 a, i128 b) {
    i128 r;
    if (__builtin_add_overflow(a, b, &r)) ueberlauf("Summe zu gross");
    return r;
}
constexpr i128 sub(i128 a, i128 b) {
    i128 r;
    if (__builtin_sub_overflow(a, b, &r)) ueberlauf("Differenz zu gross");
    return r;
}
constexpr std::int64_t mulNenner(std::int64_t a, std::int64_t b) {
    std::int64_t r;
    if (__builtin_mul_overflow(a, b, &r)) ueberlauf("Nenner zu gross");
    return r;
}
constexpr i128 div(i128 n, std::int64_t d) {
    return passtIn64(n) ? i128(std::int64_t(n) / d) : n / d;
}

} // namespace zahl_detail

class Zahl {
public:
    constexpr Zahl() = default;
    constexpr Zahl(int v) : n_(v) {}
    constexpr Zahl(long v) : n_(v) {}
    constexpr Zahl(long long v) : n_(v) {}
    constexpr Zahl(unsigned v) : n_(v) {}
    constexpr Zahl(unsigned long v) : n_(v) {}
    constexpr Zahl(unsigned char v) : n_(v) {}
    Zahl(double) = delete; // binary fractions are not exact decimals
    Zahl(float) = delete;

    // n / d. Throws on d == 0 or when the reduced denominator needs more
    // than 64 bits.
    static constexpr Zahl bruch(i128 n, i128 d) {
        using namespace zahl_detail;
        if (d == 0) throw std::domain_error("Division durch 0");
        if (d < 0) {
            n = sub(0, n);
            d = sub(0, d);
        }
        if (!passtIn64(d)) {
            // Reduce in 128 bits first; only then must the denominator fit.
            i128 a = n < 0 ? -n : n, b = d;
            while (b != 0) {
                i128 t = a % b;
                a = b;
                b = t;
            }
            n /= a;
            d /= a;
            if (!passtIn64(d)) ueberlauf("Nenner zu gross");
        }
        return allgemein(n, std::int64_t(d));
    }

    // Exact value of a decimal text such as "-1234.56" or "1,7" ('.' or ','
    // as decimal separator, no thousands separators, no exponent). Returns
    // false for anything else.
    static bool ausText(std::string_view text, Zahl& out);

    // The value is zaehler() / nenner(); the fraction need not be reduced.
    constexpr i128 zaehler() const { return n_; }
    constexpr std::int64_t nenner() const { return d_; }
    constexpr bool ganz() const { return d_ == 1 || zahl_detail::absMod(n_, d_) == 0; }

    // Truncation toward zero.
    constexpr std::int64_t trunc() const {
        i128 q = d_ == 1 ? n_ : zahl_detail::div(n_, d_);
        if (!zahl_detail::passtIn64(q)) zahl_detail::ueberlauf("Ganzzahl zu gross");
        return std::int64_t(q);
    }
    // Nearest integer, ties to even.
    constexpr std::int64_t round() const {
        if (d_ == 1) return trunc();
        i128 q = n_ / d_, r = n_ % d_;  // r has the sign of n_
        i128 r2 = (r < 0 ? -r : r) * 2; // < 2^64, no overflow
        if (r2 > d_ || (r2 == d_ && (q % 2 != 0))) q += n_ < 0 ? -1 : 1;
        if (!zahl_detail::passtIn64(q)) zahl_detail::ueberlauf("Ganzzahl zu gross");
        return std::int64_t(q);
    }
    // Decimal text truncated toward zero to at most `stellen` decimals, with
    // trailing zeros dropped ("1.7", "-0.125", "21"); for JSON and diagnostics.
    std::string text(int stellen = 10) const;
    // The value as double, only for display and diagnostics.
    double naeherung() const { return double(n_) / double(d_); }

    // The decimal fast paths are inline; everything else is out of line so
    // that the common case stays small.
    friend constexpr Zahl operator+(const Zahl& a, const Zahl& b) {
        i128 n;
        if (a.k_ == b.k_ && a.k_ >= 0 && !__builtin_add_overflow(a.n_, b.n_, &n))
            return roh(n, a.d_, a.k_);
        if (kleineDezimale(a, b)) {
            const Zahl& fein = a.k_ > b.k_ ? a : b;
            const Zahl& grob = a.k_ > b.k_ ? b : a;
            return roh(grob.n_ * zahl_detail::kZehner[fein.k_ - grob.k_] + fein.n_, fein.d_,
                       fein.k_);
        }
        return summeLangsam(a, b);
    }
    friend constexpr Zahl operator-(const Zahl& a, const Zahl& b) {
        i128 n;
        if (a.k_ == b.k_ && a.k_ >= 0 && !__builtin_sub_overflow(a.n_, b.n_, &n))
            return roh(n, a.d_, a.k_);
        if (kleineDezimale(a, b)) {
            i128 ra = a.n_, rb = b.n_;
            if (a.k_ < b.k_)
                ra *= zahl_detail::kZehner[b.k_ - a.k_];
            else
                rb *= zahl_detail::kZehner[a.k_ - b.k_];
            return roh(ra - rb, a.k_ < b.k_ ? b.d_ : a.d_, a.k_ < b.k_ ? b.k_ : a.k_);
        }
        return summeLangsam(a, -b);
    }
    friend constexpr Zahl operator*(const Zahl& a, const Zahl& b) {
        using namespace zahl_detail;
        if (a.k_ >= 0 && b.k_ >= 0 && a.k_ + b.k_ <= kMaxStellen && passtIn64(a.n_) &&
            passtIn64(b.n_))
            return roh(a.n_ * b.n_, kZehner[a.k_ + b.k_], a.k_ + b.k_);
        return produktLangsam(a, b);
    }
    friend constexpr Zahl operator/(const Zahl& a, const Zahl& b) {
        // Dividing by a whole power of ten just shifts the decimal point.
        using namespace zahl_detail;
        if (a.k_ >= 0 && b.k_ == 0 && b.n_ > 0 && b.n_ <= kZehner[kMaxStellen]) {
            if (b.n_ == 1) return a;
            if (b.n_ == 2 && a.k_ < kMaxStellen && passtIn64(a.n_)) // halving: x * 5 / 10
                return roh(a.n_ * 5, kZehner[a.k_ + 1], a.k_ + 1);
            for (int m = 1; m <= 4 && a.k_ + m <= kMaxStellen; ++m)
                if (b.n_ == kZehner[m]) return roh(a.n_, kZehner[a.k_ + m], a.k_ + m);
        }
        return quotientLangsam(a, b);
    }
    constexpr Zahl operator-() const { return roh(zahl_detail::sub(0, n_), d_, k_); }
    constexpr Zahl& operator+=(const Zahl& b) { return *this = *this + b; }
    constexpr Zahl& operator-=(const Zahl& b) { return *this = *this - b; }
    constexpr Zahl& operator*=(const Zahl& b) { return *this = *this * b; }
    constexpr Zahl& operator/=(const Zahl& b) { return *this = *this / b; }

    friend constexpr int vergleiche(const Zahl& a, const Zahl& b) {
        if (a.d_ == b.d_) return a.n_ < b.n_ ? -1 : (a.n_ > b.n_ ? 1 : 0);
        if (kleineDezimale(a, b)) {
            i128 ra = a.n_, rb = b.n_;
            if (a.k_ < b.k_)
                ra *= zahl_detail::kZehner[b.k_ - a.k_];
            else
                rb *= zahl_detail::kZehner[a.k_ - b.k_];
            return ra < rb ? -1 : (ra > rb ? 1 : 0);
        }
        return vergleicheLangsam(a, b);
    }
    friend constexpr bool operator==(const Zahl& a, const Zahl& b) { return vergleiche(a, b) == 0; }
    friend constexpr bool operator<(const Zahl& a, const Zahl& b) { return vergleiche(a, b) < 0; }
    friend constexpr bool operator>(const Zahl& a, const Zahl& b) { return vergleiche(a, b) > 0; }
    friend constexpr bool operator<=(const Zahl& a, const Zahl& b) { return vergleiche(a, b) <= 0; }
    friend constexpr bool operator>=(const Zahl& a, const Zahl& b) { return vergleiche(a, b) >= 0; }

    // n / 10^k without reduction; for exact decimal literals and texts.
    static constexpr Zahl dezimal(i128 n, int k) {
        if (k < 0 || k > zahl_detail::kMaxStellen) throw std::domain_error("zu viele Stellen");
        return roh(n, zahl_detail::kZehner[k], k);
    }

private:
    // Two decimals whose numerators fit 64 bits: aligning them to the finer
    // scale and adding cannot overflow 128 bits (|n| < 2^63, 10^18 < 2^60).
    static constexpr bool kleineDezimale(const Zahl& a, const Zahl& b) {
        return a.k_ >= 0 && b.k_ >= 0 && zahl_detail::passtIn64(a.n_) &&
               zahl_detail::passtIn64(b.n_);
    }
    static Zahl summeLangsam(const Zahl& a, const Zahl& b);
    static Zahl produktLangsam(const Zahl& a, const Zahl& b);
    static Zahl quotientLangsam(const Zahl& a, const Zahl& b);
    static int vergleicheLangsam(const Zahl& a, const Zahl& b);

    static constexpr Zahl roh(i128 n, std::int64_t d, int k) {
        Zahl z;
        z.n_ = n;
        z.d_ = d;
        z.k_ = std::int8_t(k);
        return z;
    }
    // Scales decimal x to 10^k (k > x.k_); false when the numerator would overflow.
    static constexpr bool ausrichten(const Zahl& x, int k, i128& n) {
        return zahl_detail::mulOk(x.n_, zahl_detail::kZehner[k - x.k_], n);
    }
    // For v = 2^a * 5^b: the factor 10^m / v with m = max(a, b); else 0.
    static constexpr std::int64_t dezimalFaktor(std::int64_t v, int& m) {
        if (v == 1) {
            m = 0;
            return 1;
        }
        int zwei = __builtin_ctzll(std::uint64_t(v));
        std::int64_t rest = v >> zwei;
        int fuenf = 0;
        while (rest % 5 == 0) {
            rest /= 5;
            ++fuenf;
        }
        if (rest != 1) return 0;
        m = zwei > fuenf ? zwei : fuenf;
        if (m > zahl_detail::kMaxStellen) return 0;
        return zahl_detail::kZehner[m] / v;
    }
    // Reduced n / d (d > 0), as a decimal where the denominator permits.
    static constexpr Zahl allgemein(i128 n, std::int64_t d) {
        if (d == 1) return roh(n, 1, 0);
        std::uint64_t g = n == 0 ? std::uint64_t(d) : zahl_detail::ggt(n, d);
        if (g != 1) {
            n /= i128(g);
            d /= std::int64_t(g);
        }
        int m = 0;
        std::int64_t faktor = dezimalFaktor(d, m);
        i128 skaliert;
        if (faktor != 0 && zahl_detail::mulOk(n, faktor, skaliert))
            return roh(skaliert, zahl_detail::kZehner[m], m);
        return roh(n, d, -1);
    }
    constexpr Zahl gekuerzt() const { return allgemein(n_, d_); }
    i128 n_ = 0;
    std::int64_t d_ = 1;
    std::int8_t k_ = 0; // d_ == 10^k_ for a decimal, -1 otherwise
};

// Readable values in test failure messages.
void PrintTo(const Zahl& z, std::ostream* os);

namespace zahl_detail {
template <char... C> consteval Zahl literal() {
    constexpr char s[] = {C...};
    i128 n = 0;
    int k = 0;
    bool punkt = false;
    for (char c : s) {
        if (c == '.') {
            punkt = true;
        } else if (c != '\'') {
            n = n * 10 + (c - '0');
            if (punkt) ++k;
        }
    }
    return Zahl::dezimal(n, k);
}
} // namespace zahl_detail

// Exact decimal literal: 922.98_z is exactly 92298/100, 0.1_z is one tenth.
template <char... C> consteval Zahl operator""_z() {
    return zahl_detail::literal<C...>();
}

} // namespace brenvik

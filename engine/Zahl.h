#pragma once
// Exact number for money, rates and intermediate values.
//
// A Zahl is a reduced fraction: a 128-bit numerator over a positive 64-bit
// denominator. Sums, differences, products and quotients are exact; a value is
// only ever rounded by trunc()/round() (or the routines built on them). Every
// operation checks for overflow and throws ZahlUeberlauf instead of wrapping,
// so a result is either exact or an error, never silently wrong. Whole numbers
// (most values of the wage-tax steps) take fast paths without fraction work.

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
constexpr bool passtIn64(i128 v) { return v >= I64_MIN && v <= I64_MAX; }

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

constexpr std::uint64_t absMod(i128 n, std::int64_t d) {
    // |n| mod d, with a 64-bit fast path.
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

constexpr i128 mul(i128 a, i128 b) {
    if (passtIn64(a) && passtIn64(b)) return a * b; // cannot overflow 128 bits
    i128 r;
    if (__builtin_mul_overflow(a, b, &r)) ueberlauf("Produkt zu gross");
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

    // n / d, reduced. Throws on d == 0 or a denominator beyond 64 bits.
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
        return roh(n, std::int64_t(d)).gekuerzt();
    }

    // Exact value of a decimal text such as "-1234.56" or "1,7" ('.' or ','
    // as decimal separator, no thousands separators, optional exponent is not
    // accepted). Returns false for anything else.
    static bool ausText(std::string_view text, Zahl& out);

    constexpr i128 zaehler() const { return n_; }
    constexpr std::int64_t nenner() const { return d_; }
    constexpr bool ganz() const { return d_ == 1; }

    // Truncation toward zero.
    constexpr std::int64_t trunc() const {
        i128 q = d_ == 1 ? n_ : n_ / d_;
        if (!zahl_detail::passtIn64(q)) zahl_detail::ueberlauf("Ganzzahl zu gross");
        return std::int64_t(q);
    }
    // Nearest integer, ties to even.
    constexpr std::int64_t round() const {
        if (d_ == 1) return trunc();
        i128 q = n_ / d_, r = n_ % d_; // r has the sign of n_
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

    friend constexpr Zahl operator+(const Zahl& a, const Zahl& b) {
        using namespace zahl_detail;
        if (a.d_ == b.d_) {
            if (a.d_ == 1) return roh(add(a.n_, b.n_), 1);
            return roh(add(a.n_, b.n_), a.d_).gekuerzt();
        }
        return summe(a, b.n_, b.d_);
    }
    friend constexpr Zahl operator-(const Zahl& a, const Zahl& b) {
        using namespace zahl_detail;
        if (a.d_ == b.d_) {
            if (a.d_ == 1) return roh(sub(a.n_, b.n_), 1);
            return roh(sub(a.n_, b.n_), a.d_).gekuerzt();
        }
        return summe(a, sub(0, b.n_), b.d_);
    }
    friend constexpr Zahl operator*(const Zahl& a, const Zahl& b) {
        using namespace zahl_detail;
        if (a.d_ == 1 && b.d_ == 1) return roh(mul(a.n_, b.n_), 1);
        // Cross-reduce so that the result is reduced and stays small.
        std::uint64_t g1 = ggt(a.n_, b.d_), g2 = ggt(b.n_, a.d_);
        i128 n = mul(a.n_ / i128(g1), b.n_ / i128(g2));
        std::int64_t d = mulNenner(a.d_ / std::int64_t(g2), b.d_ / std::int64_t(g1));
        return roh(n, d);
    }
    friend constexpr Zahl operator/(const Zahl& a, const Zahl& b) {
        using namespace zahl_detail;
        if (b.n_ == 0) throw std::domain_error("Division durch 0");
        if (!passtIn64(b.n_)) ueberlauf("Divisor zu gross");
        std::int64_t bn = std::int64_t(b.n_);
        i128 bd = b.d_;
        if (bn < 0) {
            bn = -bn;
            bd = -bd;
        }
        return a * roh(bd, bn);
    }
    constexpr Zahl operator-() const { return roh(zahl_detail::sub(0, n_), d_); }
    constexpr Zahl& operator+=(const Zahl& b) { return *this = *this + b; }
    constexpr Zahl& operator-=(const Zahl& b) { return *this = *this - b; }
    constexpr Zahl& operator*=(const Zahl& b) { return *this = *this * b; }
    constexpr Zahl& operator/=(const Zahl& b) { return *this = *this / b; }

    friend constexpr bool operator==(const Zahl& a, const Zahl& b) {
        return a.n_ == b.n_ && a.d_ == b.d_;
    }
    friend constexpr int vergleiche(const Zahl& a, const Zahl& b) {
        if (a.d_ == b.d_) return a.n_ < b.n_ ? -1 : (a.n_ > b.n_ ? 1 : 0);
        // Compare the integer parts first; they decide unless equal.
        i128 qa = a.n_ / a.d_, qb = b.n_ / b.d_;
        if (qa != qb) return qa < qb ? -1 : 1;
        // Remainders are below the denominators (< 2^63): products fit.
        i128 ra = (a.n_ - qa * a.d_) * b.d_, rb = (b.n_ - qb * b.d_) * a.d_;
        return ra < rb ? -1 : (ra > rb ? 1 : 0);
    }
    friend constexpr bool operator<(const Zahl& a, const Zahl& b) { return vergleiche(a, b) < 0; }
    friend constexpr bool operator>(const Zahl& a, const Zahl& b) { return vergleiche(a, b) > 0; }
    friend constexpr bool operator<=(const Zahl& a, const Zahl& b) { return vergleiche(a, b) <= 0; }
    friend constexpr bool operator>=(const Zahl& a, const Zahl& b) { return vergleiche(a, b) >= 0; }

private:
    static constexpr Zahl roh(i128 n, std::int64_t d) {
        Zahl z;
        z.n_ = n;
        z.d_ = d;
        return z;
    }
    constexpr Zahl gekuerzt() const {
        if (d_ == 1) return *this;
        if (n_ == 0) return Zahl();
        std::uint64_t g = zahl_detail::ggt(n_, d_);
        if (g == 1) return *this;
        return roh(n_ / i128(g), d_ / std::int64_t(g));
    }
    static constexpr Zahl summe(const Zahl& a, i128 bn, std::int64_t bd) {
        using namespace zahl_detail;
        std::int64_t g = std::int64_t(ggt64(std::uint64_t(a.d_), std::uint64_t(bd)));
        std::int64_t ad = a.d_ / g, bdg = bd / g;
        i128 n = add(mul(a.n_, bdg), mul(bn, ad));
        std::int64_t d = mulNenner(ad, bd);
        return roh(n, d).gekuerzt();
    }

    i128 n_ = 0;
    std::int64_t d_ = 1;
};

// Readable values in test failure messages.
void PrintTo(const Zahl& z, std::ostream* os);

namespace zahl_detail {
template <char... C> consteval Zahl literal() {
    constexpr char s[] = {C...};
    i128 n = 0, d = 1;
    bool punkt = false;
    for (char c : s) {
        if (c == '.') {
            punkt = true;
        } else if (c != '\'') {
            n = n * 10 + (c - '0');
            if (punkt) d *= 10;
        }
    }
    return Zahl::bruch(n, d);
}
} // namespace zahl_detail

// Exact decimal literal: 922.98_z is exactly 92298/100, 0.1_z is one tenth.
template <char... C> consteval Zahl operator""_z() { return zahl_detail::literal<C...>(); }

} // namespace brenvik

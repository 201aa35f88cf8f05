#include "Rententabellen.h"

namespace brenvik {

namespace {
// Falls by `schritt1` per row up to row 16, then by `schritt2` up to row 35.
Zahl staffel(int i, Zahl start, Zahl schritt1, Zahl schritt2) {
    if (i < 1 || i > 35) return 0;
    if (i <= 16) return start - schritt1 * (i - 1);
    return start - schritt1 * 15 - schritt2 * (i - 16);
}
} // namespace

Zahl TAB1(int i) { return staffel(i, 0.400_z, 0.016_z, 0.008_z); }
Zahl TAB2(int i) { return staffel(i, 3000, 120, 60); }
Zahl TAB3(int i) { return staffel(i, 900, 36, 18); }
Zahl TAB5(int i) { return staffel(i, 1900, 76, 38); }

} // namespace brenvik

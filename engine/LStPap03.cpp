// Wage tax 2003: the tariff, allowances and steps of 2002, unchanged.
#include "Module2000bis2009.h"

namespace brenvik {

PapBis2004& LStPap03() {
    static const PapJahrBis2004 kJahr2003 = [] {
        PapJahrBis2004 j = parameter2002();
        j.name = "LStPap03";
        j.jahr = 2003;
        return j;
    }();
    static PapBis2004 modul(kJahr2003);
    return modul;
}

} // namespace brenvik

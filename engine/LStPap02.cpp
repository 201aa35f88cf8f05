// Wage tax 2002, the first euro year (table step 36 euros).
#include "Module2000bis2009.h"

namespace brenvik {

namespace {
using P = PapJahrBis2004;
using alt::AltePauschale;
const PapJahrBis2004 kJahr2002{
    .name = "LStPap02",
    .jahr = 2002,
    .mark = false,
    .stufung = P::Stufung::mitte,
    .stufe = 36,
    .sonstige = P::Sonstige::kleinbetrag,
    .fvbMax = 3072,
    .alteMax = 1908,
    .ANP = 1044,
    .EFA = 2340,
    .sapEinzel = 36,
    .sapSplitting = 72,
    .kinderfreibetragHalb = 2904,
    .stkl6Korrektur = 0,
    .pauschale = {.VSPVOR = 3068,
                  .VSPMAX1 = 1334,
                  .VSPMAX2 = 667,
                  .VSPKURZ = 1134,
                  .kurz = AltePauschale::Kurz::genau,
                  .restAufCent = false,
                  .schluss = AltePauschale::Schluss::stufe,
                  .stufe = 36},
    .SOLZFREI = 972,
    .mindestsatz5_6 = 0.199_z,
    .stkl5 = {.W1 = 8946, .W2 = 27306, .W3 = alt::kOffen, .satz = 0.485_z},
    .tarif = {.grenze1 = 7236,
              .grenze2 = 9252,
              .abzug2 = 7200,
              .A2 = 768.85_z,
              .zuschlag2 = 1990,
              .dreiStellen2 = true,
              .grenze3 = 55008,
              .abzug3 = 9216,
              .A3 = 278.65_z,
              .zuschlag3 = 2300,
              .C3 = 432,
              .dreiStellen3 = true,
              .satz4 = 0.485_z,
              .D4 = 9872},
};
} // namespace

const PapJahrBis2004& parameter2002() {
    return kJahr2002;
}

PapBis2004& LStPap02() {
    static PapBis2004 modul(kJahr2002);
    return modul;
}

} // namespace brenvik

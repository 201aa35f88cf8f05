// Wage tax 2001, in Mark and Pfennig (table step 54 DM).
#include "Module2000bis2009.h"

namespace brenvik {

namespace {
using P = PapJahrBis2004;
using alt::AltePauschale;
const PapJahrBis2004 kJahr2001{
    .name = "LStPap01",
    .jahr = 2001,
    .mark = true,
    .stufung = P::Stufung::mitte,
    .stufe = 54,
    .sonstige = P::Sonstige::keine,
    .fvbMax = 6000,
    .alteMax = 3720,
    .ANP = 2000,
    .EFA = 5616,
    .sapEinzel = 108,
    .sapSplitting = 216,
    .kinderfreibetragHalb = 3456,
    .stkl6Korrektur = 2,
    .pauschale = {.VSPVOR = 6000,
                  .VSPMAX1 = 2610,
                  .VSPMAX2 = 1305,
                  .VSPKURZ = 2214,
                  .kurz = AltePauschale::Kurz::genau,
                  .restAufCent = false,
                  .schluss = AltePauschale::Schluss::stufe,
                  .stufe = 54},
    .SOLZFREI = 1836,
    .mindestsatz5_6 = 0.199_z,
    .stkl5 = {.W1 = 17442, .W2 = 53784, .W3 = alt::kOffen, .satz = 0.485_z},
    .tarif = {.grenze1 = 14094,
              .grenze2 = 18090,
              .abzug2 = 14040,
              .A2 = 387.89_z,
              .zuschlag2 = 1990,
              .dreiStellen2 = true,
              .grenze3 = 107568,
              .abzug3 = 18036,
              .A3 = 142.49_z,
              .zuschlag3 = 2300,
              .C3 = 857,
              .dreiStellen3 = true,
              .satz4 = 0.485_z,
              .D4 = 19299},
};
} // namespace

PapBis2004& LStPap01() {
    static PapBis2004 modul(kJahr2001);
    return modul;
}

} // namespace brenvik

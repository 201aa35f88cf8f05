// Wage tax 2000, in Mark and Pfennig (table step 54 DM).
#include "Module2000bis2009.h"

namespace brenvik {

namespace {
using P = PapJahrBis2004;
using alt::AltePauschale;
const PapJahrBis2004 kJahr2000{
    .name = "LStPap00",
    .jahr = 2000,
    .mark = true,
    .stufung = P::Stufung::untergrenze,
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
    .mindestsatz5_6 = 0.229_z,
    .stkl5 = {.W1 = 17118, .W2 = 57348, .W3 = alt::kOffen, .satz = 0.51_z},
    .tarif = {.grenze1 = 13500,
              .grenze2 = 17496,
              .abzug2 = 13446,
              .A2 = 262.76_z,
              .zuschlag2 = 2290,
              .dreiStellen2 = true,
              .grenze3 = 114696,
              .abzug3 = 17442,
              .A3 = 133.74_z,
              .zuschlag3 = 2500,
              .C3 = 957,
              .dreiStellen3 = true,
              .satz4 = 0.51_z,
              .D4 = 20575},
};
} // namespace

PapBis2004& LStPap00() {
    static PapBis2004 modul(kJahr2000);
    return modul;
}

} // namespace brenvik

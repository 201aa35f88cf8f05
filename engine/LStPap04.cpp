// Wage tax 2004: no table steps, other payments always by the annual method.
#include "Module2000bis2009.h"

namespace brenvik {

namespace {
using P = PapJahrBis2004;
using alt::AltePauschale;
const PapJahrBis2004 kJahr2004{
    .name = "LStPap04",
    .jahr = 2004,
    .mark = false,
    .stufung = P::Stufung::keine,
    .stufe = 0,
    .sonstige = P::Sonstige::jahresmethode,
    .fvbMax = 3072,
    .alteMax = 1908,
    .ANP = 920,
    .EFA = 1308,
    .sapEinzel = 36,
    .sapSplitting = 72,
    .kinderfreibetragHalb = 2904,
    .stkl6Korrektur = 0,
    .pauschale = {.VSPVOR = 3068,
                  .VSPMAX1 = 1334,
                  .VSPMAX2 = 667,
                  .VSPKURZ = 1134,
                  .kurz = AltePauschale::Kurz::abrunden,
                  .restAufCent = false,
                  .schluss = AltePauschale::Schluss::abrunden},
    .SOLZFREI = 972,
    .mindestsatz5_6 = 0.16_z,
    .stkl5 = {.W1 = 9228, .W2 = 26072, .W3 = alt::kOffen, .satz = 0.45_z},
    .tarif = {.grenze1 = 7665,
              .grenze2 = 12740,
              .abzug2 = 7664,
              .A2 = 793.10_z,
              .zuschlag2 = 1600,
              .dreiStellen2 = true,
              .grenze3 = 52152,
              .abzug3 = 12739,
              .A3 = 265.78_z,
              .zuschlag3 = 2405,
              .C3 = 1016,
              .dreiStellen3 = false,
              .satz4 = 0.45_z,
              .D4 = 8845},
};
} // namespace

PapBis2004& LStPap04() {
    static PapBis2004 modul(kJahr2004);
    return modul;
}

} // namespace brenvik

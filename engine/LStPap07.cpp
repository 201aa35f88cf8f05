// Wage tax 2007: pension tables by start year, 45 % zone from 250,001 euros.
#include "Module2000bis2009.h"

namespace brenvik {

namespace {
using alt::AltePauschale;
const PapJahr2005bis2007 kJahr2007{
    .name = "LStPap07",
    .jahr = 2007,
    .versorgungNachTabellen = true,
    // pension allowance and old-age relief from TAB1 to TAB5
    .fvbSatz = 0,
    .fvbMax = 0,
    .fvbzJahr = 0,
    .fvbzMonat = 0,
    .alteSatz = 0,
    .alteMax = 0,
    .BBGRV = 63000,
    .TBSVORV = 0.28_z,
    .RVSATZAN = 0.0995_z,
    .pauschale = {.VSPVOR = 3068,
                  .VSPMAX1 = 1334,
                  .VSPMAX2 = 667,
                  .VSPKURZ = 1134,
                  .kurz = AltePauschale::Kurz::aufrunden,
                  .restAufCent = false,
                  .schluss = AltePauschale::Schluss::abrunden},
    .tarif = {.t = {.GFB = 7664,
                    .B2 = 12740,
                    .A2 = 883.74_z,
                    .S3 = 12739,
                    .B3 = 52152,
                    .A3 = 228.74_z,
                    .C3 = 989,
                    .B4 = 250001,
                    .D4 = 7914,
                    .D5 = 15414},
              .zuschlag2 = 1500},
    .stkl5 = {.W1 = 9144, .W2 = 25812, .W3 = 200000, .satz = 0.42_z},
    .mindestsatz5_6 = 0.15_z,
    .anpVersorgung = 102,
    .anpLohn = 920,
    .EFA = 1308,
    .sapEinzel = 36,
    .sapSplitting = 72,
    .kinderfreibetragHalb = 2904,
    .SOLZFREI = 972,
    .solzMilderung = 20_z / 100,
};
} // namespace

PapAb2005& LStPap07() {
    static PapAb2005 modul(kJahr2007);
    return modul;
}

} // namespace brenvik

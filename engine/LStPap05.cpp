// Wage tax 2005: pension allowance and old-age relief at fixed rates.
#include "Module2000bis2009.h"

namespace brenvik {

namespace {
using alt::AltePauschale;
const PapJahr2005bis2007 kJahr2005{
    .name = "LStPap05",
    .jahr = 2005,
    .versorgungNachTabellen = false,
    .fvbSatz = 0.4_z,
    .fvbMax = 3000,
    .fvbzJahr = 900,
    .fvbzMonat = 75,
    .alteSatz = 0.4_z,
    .alteMax = 1900,
    .BBGRV = 62400,
    .TBSVORV = 0.20_z,
    .RVSATZAN = 0.0975_z,
    .pauschale = {.VSPVOR = 3068,
                  .VSPMAX1 = 1334,
                  .VSPMAX2 = 667,
                  .VSPKURZ = 1134,
                  .kurz = AltePauschale::Kurz::aufrunden,
                  .restAufCent = false,
                  .schluss = AltePauschale::Schluss::aufrunden},
    // zone 4 is open: no 45 % zone, no third class-V bound
    .tarif = {.t = {.GFB = 7664,
                    .B2 = 12740,
                    .A2 = 883.74_z,
                    .S3 = 12739,
                    .B3 = 52152,
                    .A3 = 228.74_z,
                    .C3 = 989,
                    .B4 = alt::kOffen,
                    .D4 = 7914,
                    .D5 = 0},
              .zuschlag2 = 1500},
    .stkl5 = {.W1 = 9144, .W2 = 25812, .W3 = alt::kOffen, .satz = 0.42_z},
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

PapAb2005& LStPap05() {
    static PapAb2005 modul(kJahr2005);
    return modul;
}

} // namespace brenvik

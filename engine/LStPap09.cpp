// Wage tax 2009 after the second stimulus package (basic allowance 7,834 euros).
#include "Module2000bis2009.h"

namespace brenvik {

namespace {
using alt::AltePauschale;
const PapJahr2008bis2009 kJahr2009{
    .basis =
        {
            .name = "LStPap09",
            .jahr = 2009,
            .BBGRV_West = 64800,
            .BBGRV_Ost = 64800,
            .RVSATZAN = 0.0995_z,
            .TBSVORV = 0.36_z,
            .BBGKVPV = 0,
            .kvzAnteil = 0,
            .KVSATZAN = 0,
            .KVSATZAG = 0,
            .pv = {},
            .pvaAbschlag = false,
            .tarif = {.GFB = 7834,
                      .B2 = 13140,
                      .A2 = 939.68_z,
                      .S3 = 13139,
                      .B3 = 52552,
                      .A3 = 228.74_z,
                      .C3 = 1007,
                      .B4 = 250401,
                      .D4 = 8064,
                      .D5 = 15576},
            .W1STKL5 = 9225,
            .W2STKL5 = 26276,
            .W3STKL5 = 200320,
            .SOLZFREI = 972,
            .solzMilderung = 20_z / 100,
            .anpLohn = 920,
            .EFA = 1308,
            .kinderfreibetrag = 6024,
            .fvbNurBisZvbezj = false,
            .zvbezAufFvbz = true,
            .anpNachMonat = false,
            .freibetragsAusgaben = false,
            .vkv = false,
            .entschImMosonst = false,
            .entschImSonst = false,
            .mbv = false,
            .solzsFreigrenze = false,
            .solzvFreigrenze = false,
        },
    .tarifZuschlag2 = 1400,
    .mindestsatz5_6 = 0.14_z,
    .pauschale = {.VSPVOR = 3068,
                  .VSPMAX1 = 1334,
                  .VSPMAX2 = 667,
                  .VSPKURZ = 1134,
                  .kurz = AltePauschale::Kurz::aufrunden,
                  .restAufCent = true,
                  .schluss = AltePauschale::Schluss::abrunden},
    .sapSplitting = 72,
    .anpLohnAufrunden = true,
    .fassung2008 = false,
    .progressionsvorbehalt = true,
};
} // namespace

PapAb2008& LStPap09() {
    static PapAb2008 modul(kJahr2009);
    return modul;
}

} // namespace brenvik

// Wage tax 2009 before the second stimulus package: the tariff and
// allowances of 2008 with the 2009 provident lump sum and steps. Used by the
// short-time allowance calculator only.
#include "Module2000bis2009.h"

namespace brenvik {

namespace {
using alt::AltePauschale;
const PapJahr2008bis2009 kJahr2009vorKon2{
    .basis =
        {
            .name = "LStPap09_vorKon2",
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
            .tarif = {.GFB = 7664,
                      .B2 = 12740,
                      .A2 = 883.74_z,
                      .S3 = 12739,
                      .B3 = 52152,
                      .A3 = 228.74_z,
                      .C3 = 989,
                      .B4 = 250001,
                      .D4 = 7914,
                      .D5 = 15414},
            .W1STKL5 = 9144,
            .W2STKL5 = 25812,
            .W3STKL5 = 200000,
            .SOLZFREI = 972,
            .solzMilderung = 20_z / 100,
            .anpLohn = 920,
            .EFA = 1308,
            .kinderfreibetrag = 5808,
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
    .tarifZuschlag2 = 1500,
    .mindestsatz5_6 = 0.15_z,
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
    .progressionsvorbehalt = false,
};
} // namespace

PapAb2008& LStPap09_vorKon2() {
    static PapAb2008 modul(kJahr2009vorKon2);
    return modul;
}

} // namespace brenvik

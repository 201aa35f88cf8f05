// Wage tax 2024 (basic allowance 11,604 euros).
#include "Module.h"
#include "PapAb2010.h"

namespace brenvik {

namespace {
const PapJahr kJahr2024{
    .name = "LStPap24",
    .jahr = 2024,
    .BBGRV_West = 90600,
    .BBGRV_Ost = 89400,
    .RVSATZAN = 0.093_z,
    .TBSVORV = 1,
    .BBGKVPV = 62100,
    .kvzAnteil = 1_z / 2,
    .KVSATZAN = 0.07_z,
    .KVSATZAG = 0.0785_z,
    .pv = {.anSachsen = 0.022_z, .agSachsen = 0.012_z, .sonst = 0.017_z,
           .zuschlagKinderlos = 0.006_z},
    .pvaAbschlag = true,
    .tarif = {.GFB = 11604, .B2 = 17006, .A2 = 922.98_z, .S3 = 17005, .B3 = 66761,
              .A3 = 181.19_z, .C3 = 1025.38_z, .B4 = 277826, .D4 = 10602.13_z,
              .D5 = 18936.88_z},
    .W1STKL5 = 13279,
    .W2STKL5 = 33380,
    .W3STKL5 = 222260,
    .SOLZFREI = 18130,
    .solzMilderung = 11.9_z / 100,
    .anpLohn = 1230,
    .EFA = 4260,
    .kinderfreibetrag = 9312,
};
} // namespace

LStModul& LStPap24() {
    static PapAb2010 modul(kJahr2024);
    return modul;
}

} // namespace brenvik

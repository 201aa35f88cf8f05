// Wage tax 2022, revised flowchart (basic allowance 10,347 euros).
#include "Module2010bis2023.h"
#include "PapAb2010.h"

namespace brenvik {

namespace {
const PapJahr kJahr2022{
    .name = "LStPap22",
    .jahr = 2022,
    .BBGRV_West = 84600,
    .BBGRV_Ost = 81000,
    .RVSATZAN = 0.093_z,
    .TBSVORV = 0.88_z,
    .BBGKVPV = 58050,
    .kvzAnteil = 1_z / 2,
    .KVSATZAN = 0.07_z,
    .KVSATZAG = 0.0765_z,
    .pv = {.anSachsen = 0.02025_z,
           .agSachsen = 0.01025_z,
           .sonst = 0.01525_z,
           .zuschlagKinderlos = 0.0035_z},
    .pvaAbschlag = false,
    .tarif = {.GFB = 10347,
              .B2 = 14927,
              .A2 = 1088.67_z,
              .S3 = 14926,
              .B3 = 58597,
              .A3 = 206.43_z,
              .C3 = 869.32_z,
              .B4 = 277826,
              .D4 = 9336.45_z,
              .D5 = 17671.20_z},
    .W1STKL5 = 11793,
    .W2STKL5 = 29298,
    .W3STKL5 = 222260,
    .SOLZFREI = 16956,
    .solzMilderung = 11.9_z / 100,
    .anpLohn = 1200,
    .EFA = 4008,
    .kinderfreibetrag = 8388,
};
} // namespace

LStModul& LStPap22() {
    static PapAb2010 modul(kJahr2022);
    return modul;
}

} // namespace brenvik

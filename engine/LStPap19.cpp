// Wage tax 2019. From this year the additional health rate is shared.
#include "Module2010bis2023.h"
#include "PapAb2010.h"

namespace brenvik {

namespace {
const PapJahr kJahr2019{
    .name = "LStPap19",
    .jahr = 2019,
    .BBGRV_West = 80400,
    .BBGRV_Ost = 73800,
    .RVSATZAN = 0.093_z,
    .TBSVORV = 0.76_z,
    .BBGKVPV = 54450,
    .kvzAnteil = 1_z / 2,
    .KVSATZAN = 0.07_z,
    .KVSATZAG = 0.0745_z,
    .pv = {.anSachsen = 0.02025_z,
           .agSachsen = 0.01025_z,
           .sonst = 0.01525_z,
           .zuschlagKinderlos = 0.0025_z},
    .pvaAbschlag = false,
    .tarif = {.GFB = 9168,
              .B2 = 14255,
              .A2 = 980.14_z,
              .S3 = 14254,
              .B3 = 55961,
              .A3 = 216.16_z,
              .C3 = 965.58_z,
              .B4 = 265327,
              .D4 = 8780.90_z,
              .D5 = 16740.68_z},
    .W1STKL5 = 10635,
    .W2STKL5 = 27980,
    .W3STKL5 = 212261,
    .SOLZFREI = 972,
    .solzMilderung = 20_z / 100,
    .anpLohn = 1000,
    .EFA = 1908,
    .kinderfreibetrag = 7620,
    .mbv = false,
    .solzsFreigrenze = false,
    .solzvFreigrenze = false,
};
} // namespace

LStModul& LStPap19() {
    static PapAb2010 modul(kJahr2019);
    return modul;
}

} // namespace brenvik

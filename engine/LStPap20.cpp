// Wage tax 2020.
#include "Module2010bis2023.h"
#include "PapAb2010.h"

namespace brenvik {

namespace {
const PapJahr kJahr2020{
    .name = "LStPap20",
    .jahr = 2020,
    .BBGRV_West = 82800,
    .BBGRV_Ost = 77400,
    .RVSATZAN = 0.093_z,
    .TBSVORV = 0.80_z,
    .BBGKVPV = 56250,
    .kvzAnteil = 1_z / 2,
    .KVSATZAN = 0.07_z,
    .KVSATZAG = 0.0755_z,
    .pv = {.anSachsen = 0.02025_z,
           .agSachsen = 0.01025_z,
           .sonst = 0.01525_z,
           .zuschlagKinderlos = 0.0025_z},
    .pvaAbschlag = false,
    .tarif = {.GFB = 9408,
              .B2 = 14533,
              .A2 = 972.87_z,
              .S3 = 14532,
              .B3 = 57052,
              .A3 = 212.02_z,
              .C3 = 972.79_z,
              .B4 = 270501,
              .D4 = 8963.74_z,
              .D5 = 17078.74_z},
    .W1STKL5 = 10898,
    .W2STKL5 = 28526,
    .W3STKL5 = 216400,
    .SOLZFREI = 972,
    .solzMilderung = 20_z / 100,
    .anpLohn = 1000,
    .EFA = 1908,
    .kinderfreibetrag = 7812,
    .mbv = false,
    .solzsFreigrenze = false,
    .solzvFreigrenze = false,
};
} // namespace

LStModul& LStPap20() {
    static PapAb2010 modul(kJahr2020);
    return modul;
}

} // namespace brenvik

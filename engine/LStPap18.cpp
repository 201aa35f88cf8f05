// Wage tax 2018. The employee bears the whole additional health rate.
#include "Module2010bis2023.h"
#include "PapAb2010.h"

namespace brenvik {

namespace {
const PapJahr kJahr2018{
    .name = "LStPap18",
    .jahr = 2018,
    .BBGRV_West = 78000,
    .BBGRV_Ost = 69600,
    .RVSATZAN = 0.093_z,
    .TBSVORV = 0.72_z,
    .BBGKVPV = 53100,
    .kvzAnteil = 1,
    .KVSATZAN = 0.07_z,
    .KVSATZAG = 0.07_z,
    .pv = {.anSachsen = 0.01775_z,
           .agSachsen = 0.00775_z,
           .sonst = 0.01275_z,
           .zuschlagKinderlos = 0.0025_z},
    .pvaAbschlag = false,
    .tarif = {.GFB = 9000,
              .B2 = 13997,
              .A2 = 997.80_z,
              .S3 = 13996,
              .B3 = 54950,
              .A3 = 220.13_z,
              .C3 = 948.49_z,
              .B4 = 260533,
              .D4 = 8621.75_z,
              .D5 = 16437.70_z},
    .W1STKL5 = 10440,
    .W2STKL5 = 27475,
    .W3STKL5 = 208426,
    .SOLZFREI = 972,
    .solzMilderung = 20_z / 100,
    .anpLohn = 1000,
    .EFA = 1908,
    .kinderfreibetrag = 7428,
    .mbv = false,
    .solzsFreigrenze = false,
    .solzvFreigrenze = false,
};
} // namespace

LStModul& LStPap18() {
    static PapAb2010 modul(kJahr2018);
    return modul;
}

} // namespace brenvik

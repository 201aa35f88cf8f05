// Wage tax 2014.
#include "Module2010bis2023.h"
#include "PapAb2010.h"

namespace brenvik {

namespace {
const PapJahr kJahr2014{
    .name = "LStPap14",
    .jahr = 2014,
    .BBGRV_West = 71400,
    .BBGRV_Ost = 60000,
    .RVSATZAN = 0.0945_z,
    .TBSVORV = 0.56_z,
    .BBGKVPV = 48600,
    .kvzAnteil = 0,
    .KVSATZAN = 0.079_z,
    .KVSATZAG = 0.07_z,
    .pv = {.anSachsen = 0.01525_z,
           .agSachsen = 0.00525_z,
           .sonst = 0.01025_z,
           .zuschlagKinderlos = 0.0025_z},
    .pvaAbschlag = false,
    .tarif = {.GFB = 8354,
              .B2 = 13470,
              .A2 = 974.58_z,
              .S3 = 13469,
              .B3 = 52882,
              .A3 = 228.74_z,
              .C3 = 971,
              .B4 = 250731,
              .D4 = 8239,
              .D5 = 15761},
    .W1STKL5 = 9763,
    .W2STKL5 = 26441,
    .W3STKL5 = 200584,
    .SOLZFREI = 972,
    .solzMilderung = 20_z / 100,
    .anpLohn = 1000,
    .EFA = 1308,
    .kinderfreibetrag = 7008,
    .fvbNurBisZvbezj = false,
    .freibetragsAusgaben = false,
    .mbv = false,
    .solzsFreigrenze = false,
    .solzvFreigrenze = false,
};
} // namespace

LStModul& LStPap14() {
    static PapAb2010 modul(kJahr2014);
    return modul;
}

} // namespace brenvik

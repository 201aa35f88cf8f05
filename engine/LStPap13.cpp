// Wage tax 2013.
#include "Module2010bis2023.h"
#include "PapAb2010.h"

namespace brenvik {

namespace {
const PapJahr kJahr2013{
    .name = "LStPap13",
    .jahr = 2013,
    .BBGRV_West = 69600,
    .BBGRV_Ost = 58800,
    .RVSATZAN = 0.0945_z,
    .TBSVORV = 0.52_z,
    .BBGKVPV = 47250,
    .kvzAnteil = 0,
    .KVSATZAN = 0.079_z,
    .KVSATZAG = 0.07_z,
    .pv = {.anSachsen = 0.01525_z,
           .agSachsen = 0.00525_z,
           .sonst = 0.01025_z,
           .zuschlagKinderlos = 0.0025_z},
    .pvaAbschlag = false,
    .tarif = {.GFB = 8130,
              .B2 = 13470,
              .A2 = 933.70_z,
              .S3 = 13469,
              .B3 = 52882,
              .A3 = 228.74_z,
              .C3 = 1014,
              .B4 = 250731,
              .D4 = 8196,
              .D5 = 15718},
    .W1STKL5 = 9550,
    .W2STKL5 = 26441,
    .W3STKL5 = 200584,
    .SOLZFREI = 972,
    .solzMilderung = 20_z / 100,
    .anpLohn = 1000,
    .EFA = 1308,
    .kinderfreibetrag = 7008,
    .fvbNurBisZvbezj = false,
    .zvbezAufFvbz = true,
    .freibetragsAusgaben = false,
    .mbv = false,
    .solzsFreigrenze = false,
    .solzvFreigrenze = false,
};
} // namespace

LStModul& LStPap13() {
    static PapAb2010 modul(kJahr2013);
    return modul;
}

} // namespace brenvik

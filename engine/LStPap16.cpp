// Wage tax 2016.
#include "Module2010bis2023.h"
#include "PapAb2010.h"

namespace brenvik {

namespace {
const PapJahr kJahr2016{
    .name = "LStPap16",
    .jahr = 2016,
    .BBGRV_West = 74400,
    .BBGRV_Ost = 64800,
    .RVSATZAN = 0.0935_z,
    .TBSVORV = 0.64_z,
    .BBGKVPV = 50850,
    .kvzAnteil = 1,
    .KVSATZAN = 0.07_z,
    .KVSATZAG = 0.07_z,
    .pv = {.anSachsen = 0.01675_z,
           .agSachsen = 0.00675_z,
           .sonst = 0.01175_z,
           .zuschlagKinderlos = 0.0025_z},
    .pvaAbschlag = false,
    .tarif = {.GFB = 8652,
              .B2 = 13670,
              .A2 = 993.62_z,
              .S3 = 13669,
              .B3 = 53666,
              .A3 = 225.40_z,
              .C3 = 952.48_z,
              .B4 = 254447,
              .D4 = 8394.14_z,
              .D5 = 16027.52_z},
    .W1STKL5 = 10070,
    .W2STKL5 = 26832,
    .W3STKL5 = 203557,
    .SOLZFREI = 972,
    .solzMilderung = 20_z / 100,
    .anpLohn = 1000,
    .EFA = 1908,
    .kinderfreibetrag = 7248,
    .mbv = false,
    .solzsFreigrenze = false,
    .solzvFreigrenze = false,
};
} // namespace

LStModul& LStPap16() {
    static PapAb2010 modul(kJahr2016);
    return modul;
}

} // namespace brenvik

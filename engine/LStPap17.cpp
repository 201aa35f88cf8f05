// Wage tax 2017.
#include "Module2010bis2023.h"
#include "PapAb2010.h"

namespace brenvik {

namespace {
const PapJahr kJahr2017{
    .name = "LStPap17",
    .jahr = 2017,
    .BBGRV_West = 76200,
    .BBGRV_Ost = 68400,
    .RVSATZAN = 0.0935_z,
    .TBSVORV = 0.68_z,
    .BBGKVPV = 52200,
    .kvzAnteil = 1,
    .KVSATZAN = 0.07_z,
    .KVSATZAG = 0.07_z,
    .pv = {.anSachsen = 0.01775_z,
           .agSachsen = 0.00775_z,
           .sonst = 0.01275_z,
           .zuschlagKinderlos = 0.0025_z},
    .pvaAbschlag = false,
    .tarif = {.GFB = 8820,
              .B2 = 13770,
              .A2 = 1007.27_z,
              .S3 = 13769,
              .B3 = 54058,
              .A3 = 223.76_z,
              .C3 = 939.57_z,
              .B4 = 256304,
              .D4 = 8475.44_z,
              .D5 = 16164.53_z},
    .W1STKL5 = 10240,
    .W2STKL5 = 27029,
    .W3STKL5 = 205043,
    .SOLZFREI = 972,
    .solzMilderung = 20_z / 100,
    .anpLohn = 1000,
    .EFA = 1908,
    .kinderfreibetrag = 7356,
    .mbv = false,
    .solzsFreigrenze = false,
    .solzvFreigrenze = false,
};
} // namespace

LStModul& LStPap17() {
    static PapAb2010 modul(kJahr2017);
    return modul;
}

} // namespace brenvik

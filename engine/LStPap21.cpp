// Wage tax 2021. The surcharge exemption rises to 16956 euros.
#include "Module2010bis2023.h"
#include "PapAb2010.h"

namespace brenvik {

namespace {
const PapJahr kJahr2021{
    .name = "LStPap21",
    .jahr = 2021,
    .BBGRV_West = 85200,
    .BBGRV_Ost = 80400,
    .RVSATZAN = 0.093_z,
    .TBSVORV = 0.84_z,
    .BBGKVPV = 58050,
    .kvzAnteil = 1_z / 2,
    .KVSATZAN = 0.07_z,
    .KVSATZAG = 0.0765_z,
    .pv = {.anSachsen = 0.02025_z,
           .agSachsen = 0.01025_z,
           .sonst = 0.01525_z,
           .zuschlagKinderlos = 0.0025_z},
    .pvaAbschlag = false,
    .tarif = {.GFB = 9744,
              .B2 = 14754,
              .A2 = 995.21_z,
              .S3 = 14753,
              .B3 = 57919,
              .A3 = 208.85_z,
              .C3 = 950.96_z,
              .B4 = 274613,
              .D4 = 9136.63_z,
              .D5 = 17374.99_z},
    .W1STKL5 = 11237,
    .W2STKL5 = 28959,
    .W3STKL5 = 219690,
    .SOLZFREI = 16956,
    .solzMilderung = 11.9_z / 100,
    .anpLohn = 1000,
    .EFA = 1908,
    .kinderfreibetrag = 8388,
    .mbv = false,
};
} // namespace

LStModul& LStPap21() {
    static PapAb2010 modul(kJahr2021);
    return modul;
}

} // namespace brenvik

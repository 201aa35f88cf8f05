// Wage tax 2010. The health and care rates are fixed; KVZ is not read.
#include "Module2010bis2023.h"
#include "PapAb2010.h"

namespace brenvik {

namespace {
const PapJahr kJahr2010{
    .name = "LStPap10",
    .jahr = 2010,
    .BBGRV_West = 66000,
    .BBGRV_Ost = 55800,
    .RVSATZAN = 0.0995_z,
    .TBSVORV = 0.40_z,
    .BBGKVPV = 45000,
    .kvzAnteil = 0,
    .KVSATZAN = 0.076_z,
    .KVSATZAG = 0.067_z,
    .pv = {.anSachsen = 0.01475_z,
           .agSachsen = 0.00475_z,
           .sonst = 0.00975_z,
           .zuschlagKinderlos = 0.0025_z},
    .pvaAbschlag = false,
    .tarif = {.GFB = 8004,
              .B2 = 13470,
              .A2 = 912.17_z,
              .S3 = 13469,
              .B3 = 52882,
              .A3 = 228.74_z,
              .C3 = 1038,
              .B4 = 250731,
              .D4 = 8172,
              .D5 = 15694},
    .W1STKL5 = 9429,
    .W2STKL5 = 26441,
    .W3STKL5 = 200584,
    .SOLZFREI = 972,
    .solzMilderung = 20_z / 100,
    .anpLohn = 920,
    .EFA = 1308,
    .kinderfreibetrag = 7008,
    .fvbNurBisZvbezj = false,
    .zvbezAufFvbz = true,
    .freibetragsAusgaben = false,
    .vkv = false,
    .entschImMosonst = false,
    .entschImSonst = false,
    .mbv = false,
    .solzsFreigrenze = false,
    .solzvFreigrenze = false,
};
} // namespace

LStModul& LStPap10() {
    static PapAb2010 modul(kJahr2010);
    return modul;
}

} // namespace brenvik

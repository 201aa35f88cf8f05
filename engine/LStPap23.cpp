// Wage tax 2023. The care rates change on 1 July; Monat 1 to 6 selects the
// first half, any other month (also 0) the second.
#include "Module2010bis2023.h"
#include "PapAb2010.h"

namespace brenvik {

namespace {
// From July: monthly and other periods, and the means of both halves for
// annual calculations.
const PVSaetze kPflegeAbJuli{
    .anSachsen = 0.022_z, .agSachsen = 0.012_z, .sonst = 0.017_z, .zuschlagKinderlos = 0.006_z};
const PVSaetze kPflegeAbJuliJahr{.anSachsen = 0.021125_z,
                                 .agSachsen = 0.011125_z,
                                 .sonst = 0.016125_z,
                                 .zuschlagKinderlos = 0.00475_z};

const PapJahr kJahr2023{
    .name = "LStPap23",
    .jahr = 2023,
    .BBGRV_West = 87600,
    .BBGRV_Ost = 85200,
    .RVSATZAN = 0.093_z,
    .TBSVORV = 1,
    .BBGKVPV = 59850,
    .kvzAnteil = 1_z / 2,
    .KVSATZAN = 0.07_z,
    .KVSATZAG = 0.078_z,
    .pv = {.anSachsen = 0.02025_z,
           .agSachsen = 0.01025_z,
           .sonst = 0.01525_z,
           .zuschlagKinderlos = 0.0035_z},
    .pvaAbschlag = false,
    .tarif = {.GFB = 10908,
              .B2 = 16000,
              .A2 = 979.18_z,
              .S3 = 15999,
              .B3 = 62810,
              .A3 = 192.59_z,
              .C3 = 966.53_z,
              .B4 = 277826,
              .D4 = 9972.98_z,
              .D5 = 18307.73_z},
    .W1STKL5 = 12485,
    .W2STKL5 = 31404,
    .W3STKL5 = 222260,
    .SOLZFREI = 17543,
    .solzMilderung = 11.9_z / 100,
    .anpLohn = 1230,
    .EFA = 4260,
    .kinderfreibetrag = 8952,
    .pvZweitesHalbjahr = &kPflegeAbJuli,
    .pvZweitesHalbjahrJahr = &kPflegeAbJuliJahr,
};
} // namespace

LStModul& LStPap23() {
    static PapAb2010 modul(kJahr2023);
    return modul;
}

} // namespace brenvik

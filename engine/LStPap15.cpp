// Wage tax January to November 2015 (the law before the mid-year change;
// December has a module of its own).
#include "Module2010bis2023.h"
#include "PapAb2010.h"

namespace brenvik {

// The law of January to November; December's old-law pass uses it too.
const PapJahr& parameter2015() {
    static const PapJahr p{
        .name = "LStPap15",
        .jahr = 2015,
        .BBGRV_West = 72600,
        .BBGRV_Ost = 62400,
        .RVSATZAN = 0.0935_z,
        .TBSVORV = 0.60_z,
        .BBGKVPV = 49500,
        .kvzAnteil = 1,
        .KVSATZAN = 0.07_z,
        .KVSATZAG = 0.07_z,
        .pv = {.anSachsen = 0.01675_z,
               .agSachsen = 0.00675_z,
               .sonst = 0.01175_z,
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
    return p;
}

LStModul& LStPap15() {
    static PapAb2010 modul(parameter2015());
    return modul;
}

} // namespace brenvik

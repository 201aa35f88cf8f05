// Wage tax 2011. The employee lump sum for wages rose to 1000 euros during the
// year: monthly wages get 920 up to November and 1880 in December (which makes
// up the year), annual wages 1000, weekly and daily wages 1880.
#include "Module2010bis2023.h"
#include "PapAb2010.h"

namespace brenvik {

namespace {
const PapJahr kJahr2011{
    .name = "LStPap11",
    .jahr = 2011,
    .BBGRV_West = 66000,
    .BBGRV_Ost = 57600,
    .RVSATZAN = 0.0995_z,
    .TBSVORV = 0.44_z,
    .BBGKVPV = 44550,
    .kvzAnteil = 0,
    .KVSATZAN = 0.079_z,
    .KVSATZAG = 0.07_z,
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
    .anpLohn = 1000, // annual; the periods below the year by anpNachMonat
    .EFA = 1308,
    .kinderfreibetrag = 7008,
    .fvbNurBisZvbezj = false,
    .zvbezAufFvbz = true,
    .anpNachMonat = true,
    .freibetragsAusgaben = false,
    .vkv = false,
    .mbv = false,
    .solzsFreigrenze = false,
    .solzvFreigrenze = false,
};
} // namespace

LStModul& LStPap11() {
    static PapAb2010 modul(kJahr2011);
    return modul;
}

} // namespace brenvik

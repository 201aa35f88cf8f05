#include "SVHilfen.h"

#include <cctype>

namespace brenvik::sv {

bool istWest(std::string_view region) {
    if (region.size() != 4) return false;
    const char* west = "WEST";
    for (std::size_t i = 0; i < 4; ++i)
        if (std::toupper(static_cast<unsigned char>(region[i])) != west[i]) return false;
    return true;
}

bool istSachsen(std::string_view region) {
    return region.find("Sachsen") != region.npos;
}

Grenzen BBG_setzen(const LohnVar& lv, const SVJahr& j) {
    if (istWest(lv.Region)) return {j.bbgWest, j.vorWest};
    return {j.bbgOst, j.vorOst};
}

Zahl EZ_Anteil_ab2013(const LohnVar& lv, const Grenzen& g) {
    Zahl rest = Zahl(lv.Monat) * g.aktuell / 12 - (lv.Entgelt_Vormonate + lv.Brutto);
    if (rest < 0) rest = 0;
    if (lv.Monat <= 3 && lv.SV_Tage_Vorjahr > 0 && lv.Entgelt_Vorjahr > 0) {
        Zahl vj =
            lv.SV_Tage_Vorjahr >= 360 ? g.vorjahr : Zahl(lv.SV_Tage_Vorjahr) * g.vorjahr / 360;
        if (vj > lv.Entgelt_Vorjahr) rest += vj - lv.Entgelt_Vorjahr;
    }
    if (rest == 0) return 0;
    return rest < lv.Einmalzahlung ? rest : lv.Einmalzahlung;
}

Zahl EZ_Anteil_bis2012(const LohnVar& lv, const Grenzen& g) {
    const Zahl& ez = lv.Einmalzahlung;
    if (lv.Entgelt_Vormonate + ez <= g.aktuell) return ez;
    Zahl rest = lv.Entgelt_Vormonate > g.aktuell ? Zahl(0) : g.aktuell - lv.Entgelt_Vormonate;
    if (lv.Monat <= 3) {
        if (lv.Entgelt_Vorjahr + ez <= g.vorjahr)
            rest = ez;
        else if (lv.Entgelt_Vorjahr <= g.vorjahr)
            rest += g.vorjahr - lv.Entgelt_Vorjahr;
    }
    if (rest > ez) rest = ez;
    if (rest < 0) rest = 0;
    return rest;
}

void EntgelteAufJahrHochrechnen(LohnVar& lv) {
    if (lv.SV_Tage_Jahr > 0) lv.Entgelt_Vormonate = lv.Entgelt_Vormonate * 360 / lv.SV_Tage_Jahr;
    if (lv.SV_Tage_Vorjahr > 0) lv.Entgelt_Vorjahr = lv.Entgelt_Vorjahr * 360 / lv.SV_Tage_Vorjahr;
}

Cent anteil(const Zahl& x, const Zahl& zuschlag, const char* feld) {
    return alsCent((x + zuschlag).trunc(), feld);
}

Zahl kinderAbschlag(int pvKinder) {
    switch (pvKinder) {
    case 2:
        return 0.25_z;
    case 3:
        return 0.5_z;
    case 4:
        return 0.75_z;
    case 5:
        return 1;
    default:
        return 0;
    }
}

PVSaetze pvSaetze(const Zahl& satz, bool sachsen, bool kinderlos, const Zahl& zuschlag,
                  bool kinderAbzug, int pvKinder) {
    PVSaetze s;
    s.an = sachsen ? (satz - 1) / 2 + 1 : satz / 2;
    s.ag = satz - s.an;
    if (kinderlos) s.an += zuschlag;
    if (kinderAbzug) s.an -= kinderAbschlag(pvKinder);
    s.gesamt = s.an + s.ag;
    return s;
}

} // namespace brenvik::sv

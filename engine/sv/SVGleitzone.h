#pragma once
// The reduced-contribution zone of the low-wage mode: Gleitzone 2003 to
// September 2022, Übergangsbereich with its own formula from October 2022.

#include "Lohn_Var.h"

#include <optional>

namespace brenvik::sv {

// 2003 to September 2022: the reduced base BE when the month's case lies in
// the zone (old contract, new zone, zone of July 2019), else nothing.
std::optional<Zahl> gleitzoneBasis(const LohnVar& lv, int jahr);

// Employee shares on BE: the total contribution on BE minus the employer
// share of the actual wage. `kvExtra` is the employee-only health rate (0
// where none applies), `pvGesamt` the month's total care rate.
void gleitzoneAnteile(LohnVar& lv, const Zahl& be, const Zahl& rv, const Zahl& av,
                      const Zahl& kvExtra, const Zahl& pvGesamt);

// October 2022 to 2024: whether the zone applies to the month.
bool uebergangsbereichGilt(const LohnVar& lv, int jahr);
// October 2022 to 2024: totals on BE, employee shares on the employee base
// and the employer total UB_AG_Gesamt.
void uebergangsbereich(LohnVar& lv, int jahr);

} // namespace brenvik::sv

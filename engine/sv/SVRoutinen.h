#pragma once
// The social-insurance routines by era; each year's routine is one of these
// with the constants of its year.

#include "Lohn_Var.h"

namespace brenvik::sv {

// 2000 to 2004: employer shares computed, then copied to the employee.
void svBis2004(LohnVar& lv, int modus, int jahr);
// 2005 to 2024.
void svAb2005(LohnVar& lv, int modus, int jahr);

} // namespace brenvik::sv

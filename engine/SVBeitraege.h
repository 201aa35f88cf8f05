#pragma once
// The social-insurance routine of each year.

#include "Lohn_Var.h"

namespace brenvik {

// Computes the contribution shares of the record for the payroll mode
// (1 gross to net, 2 net to gross, 3 low-wage jobs; ignored before 2003).
using SVRoutine = void (*)(LohnVar& lv, int modus);

// The routine of that year, or nullptr.
SVRoutine svRoutine(int jahr);

} // namespace brenvik

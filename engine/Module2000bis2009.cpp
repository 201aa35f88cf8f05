#include "Module.h"

namespace brenvik {

std::vector<LStModul*> module2000bis2009() { return {}; }

} // namespace brenvik

#include "Module.h"

namespace brenvik {

std::vector<LStModul*> module2010bis2023() { return {}; }

} // namespace brenvik

#pragma once
// Every wage-tax module of the program, by name.

#include "LStModul.h"

#include <span>
#include <string_view>
#include <vector>

namespace brenvik {

LStModul& LStPap24();

// The modules of each group of years, each list defined beside its years.
std::vector<LStModul*> module2000bis2009();
std::vector<LStModul*> module2010bis2023();

// All modules, oldest first.
std::span<LStModul* const> alleModule();
// The module of that name ("LStPap24", "LStPap15_Dez", ...), or nullptr.
LStModul* findeModul(std::string_view name);

} // namespace brenvik

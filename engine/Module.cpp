#include "Module.h"

namespace brenvik {

std::span<LStModul* const> alleModule() {
    static const std::vector<LStModul*> module = [] {
        std::vector<LStModul*> alle = module2000bis2009();
        for (LStModul* m : module2010bis2023()) alle.push_back(m);
        alle.push_back(&LStPap24());
        return alle;
    }();
    return module;
}

LStModul* findeModul(std::string_view name) {
    for (LStModul* m : alleModule())
        if (m->name() == name) return m;
    return nullptr;
}

} // namespace brenvik

#include "Module2010bis2023.h"

#include "Module.h"

namespace brenvik {

std::vector<LStModul*> module2010bis2023() {
    return {&LStPap10(), &LStPap11(),     &LStPap12(), &LStPap13(), &LStPap14(),
            &LStPap15(), &LStPap15_Dez(), &LStPap16(), &LStPap17(), &LStPap18(),
            &LStPap19(), &LStPap20(),     &LStPap21(), &LStPap22(), &LStPap23()};
}

} // namespace brenvik

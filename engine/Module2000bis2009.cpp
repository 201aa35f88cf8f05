#include "Module2000bis2009.h"
#include "Module.h"

namespace brenvik {

std::vector<LStModul*> module2000bis2009() {
    return {&LStPap00(), &LStPap01(), &LStPap02(), &LStPap03(), &LStPap04(),        &LStPap05(),
            &LStPap06(), &LStPap07(), &LStPap08(), &LStPap09(), &LStPap09_vorKon2()};
}

} // namespace brenvik

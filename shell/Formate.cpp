#include "Formate.h"

namespace brenvik {

Formateinstellungen& ProgrammFormate() {
    static Formateinstellungen f;
    return f;
}

} // namespace brenvik

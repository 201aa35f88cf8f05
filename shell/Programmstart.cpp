#include "Programmstart.h"

namespace brenvik {

int ProgrammInitialisieren() { return 0; }
void ProgrammFinalisieren() {}

} // namespace brenvik

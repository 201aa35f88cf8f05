#pragma once
// Start-up and shut-down of the program's modules, in their fixed order.

namespace brenvik {

// Initialises the program-wide modules. Returns 0, or the exit code with
// which the program must end (after the error box has been shown).
int ProgrammInitialisieren();
// Finalises them in reverse order.
void ProgrammFinalisieren();

} // namespace brenvik

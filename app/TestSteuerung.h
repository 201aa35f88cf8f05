#pragma once
// Remote control for the start tests of the program, off unless the
// environment variable BRENVIK_TEST_ESC_MS is set: every that many
// milliseconds the title of the active window is written to standard output
// and that window's Esc action runs, as if the user pressed Esc.

namespace brenvik {

void TestSteuerungStarten();

} // namespace brenvik

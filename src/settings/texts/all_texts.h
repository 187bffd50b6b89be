#pragma once

namespace orv::settings {

// Registers every entry of the dictionary: the one place that does, called
// once by each front end's start-up (the desktop program, the command-line
// session) right after InitLocalization, and by tests that start neither.
// The tables go in the order the windows are created, so the later texts of
// the four keys the support editor replaces are the ones in force.
void RegisterAllTexts();

}  // namespace orv::settings

#pragma once

// Registers every window's entries in the order the windows are created at
// start-up (main window with its two frames, units dialog, support editor,
// wire edit dialog, wire catalogue window), so the later texts of the four
// keys the support editor replaces are the ones in force. For front ends that
// create no windows (the command line, tests); InitLocalization comes first.
void RegisterAllTexts();

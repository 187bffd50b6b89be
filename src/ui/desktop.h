#pragma once

// Starts the desktop program and runs its event loop until the main window closes.
int RunDesktop(int argc, char** argv);

#include "cli/command_line.h"
#include "ui/desktop.h"

// With no arguments the desktop program starts; with any, the command line runs.
int main(int argc, char** argv) {
  if (argc > 1) return RunCommandLine(argc, argv);
  return RunDesktop(argc, argv);
}

#include "cli/command_line.h"
#include "platform/common/program_arguments.h"
#include "platform/win32/win32_ports.h"

using namespace orv::platform;
using namespace orv::cli;

// The command line alone, built for Windows without Qt (no desktop program):
// the ports are the plain Win32 ones.
int main(int argc, char** argv) {
  Win32Ports ports;
  return RunCommandLine(ProgramArguments(argc, argv));
}

#include "cli/command_line.h"
#include "cli/pictures/picture_commands.h"
#include "platform/common/program_arguments.h"
#include "platform/common/utf8_console.h"
#include "platform/qt_ports.h"
#include "ui/desktop.h"

// With no arguments the desktop program starts; with any, the command line
// runs on the desktop program's ports, pictures included.
int main(int argc, char** argv) {
  if (argc > 1) {
    TUtf8Console console;
    QtPorts ports;
    AddPictureCommands();
    return RunCommandLine(ProgramArguments(argc, argv));
  }
  return RunDesktop(argc, argv);
}

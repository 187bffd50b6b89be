#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/pictures/picture_commands.h"
#include "platform/common/program_arguments.h"
#include "platform/common/utf8_console.h"
#include "platform/qt_ports.h"
#include "ui/desktop.h"

using namespace orv::platform;
using namespace orv::cli;
using namespace orv::ui;

namespace {

// A project file as the only argument is what Explorer passes for a
// double-clicked .orv (and a shortcut with a project): it opens in the
// desktop program. No command is named like that.
bool IsProjectToOpen(const std::vector<std::string>& words) {
  if (words.size() != 2 || words[1].size() <= 4) return false;
  std::string extension = words[1].substr(words[1].size() - 4);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".orv";
}

}  // namespace

// With no arguments the desktop program starts, and with a project file alone
// it opens that; with anything else the command line runs on the desktop
// program's ports, pictures included.
int main(int argc, char** argv) {
  const std::vector<std::string> words = ProgramArguments(argc, argv);
  if (IsProjectToOpen(words)) return RunDesktop(1, argv, words[1]);
  if (argc > 1) {
    TUtf8Console console;
    QtPorts ports;
    AddPictureCommands();
    return RunCommandLine(words);
  }
  return RunDesktop(argc, argv);
}

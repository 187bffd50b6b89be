#include "cli/pictures/picture_commands.h"

#include "cli/command_line.h"
#include "cli/pictures/diagram_command.h"
#include "cli/pictures/profile_command.h"

namespace orv::cli {

void AddPictureCommands() {
  AddCommandLineCommand("diagram", &RunDiagramCommand);
  AddCommandLineCommand("profile", &RunProfileCommand);
}

}  // namespace orv::cli

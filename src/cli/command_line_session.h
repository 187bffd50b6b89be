#pragma once

#include <iostream>
#include <memory>

#include "cli/cli_options.h"
#include "cli/command_line_messages.h"

namespace orv::cli {

// What a command needs from the process while it runs, set up in the same way
// for every command and undone when it ends: messages printed to `err`, the
// stored language and units settings (read, never written back; --lang and
// --units apply to this run only) and the whole dictionary. The program's
// folders, the shell and the stored settings are the ports the executable
// installed for its system. One session at a time.
class CommandLineSession {
 public:
  explicit CommandLineSession(const CliOptions& options, std::ostream& err = std::cerr);
  ~CommandLineSession();
  CommandLineSession(const CommandLineSession&) = delete;
  CommandLineSession& operator=(const CommandLineSession&) = delete;

  // The messages port of this session.
  CommandLineMessages& Messages();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace orv::cli

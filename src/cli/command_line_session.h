#pragma once

#include <optional>

#include "cli/cli_options.h"

// What a command needs from the process while it runs, set up in the same way
// for every command and undone when it ends: messages printed to stderr, the
// stored language and units settings (read, never written back; --lang and
// --units apply to this run only), the program's folders and the whole
// dictionary.
class CommandLineSession {
 public:
  explicit CommandLineSession(const CliOptions& options);
  ~CommandLineSession();
  CommandLineSession(const CommandLineSession&) = delete;
  CommandLineSession& operator=(const CommandLineSession&) = delete;
};

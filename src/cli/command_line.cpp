#include "cli/command_line.h"

#include <cstdio>
#include <cstring>

int RunCommandLine(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    std::puts("orvane 1.8");
    return 0;
  }
  std::fputs("usage: orvane [--version]\n", stderr);
  return 2;
}

#include "platform/common/utf8_console.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>

namespace orv::platform {

TUtf8Console::TUtf8Console() : previousCodePage_(GetConsoleOutputCP()) {
  // No console (output redirected from a windows program): nothing to switch.
  if (previousCodePage_ != 0) SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

TUtf8Console::~TUtf8Console() {
  // What is still buffered must reach the console while it reads UTF-8.
  std::cout.flush();
  std::cerr.flush();
  std::fflush(stdout);
  std::fflush(stderr);
  if (previousCodePage_ != 0) SetConsoleOutputCP(previousCodePage_);
}

}  // namespace orv::platform
#else
namespace orv::platform {

TUtf8Console::TUtf8Console() = default;
TUtf8Console::~TUtf8Console() = default;

}  // namespace orv::platform
#endif

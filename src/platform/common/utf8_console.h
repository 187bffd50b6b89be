#pragma once

namespace orv::platform {

// While it lives, a Windows console shows the UTF-8 the program writes, and
// stdout and stderr pass "\n" unchanged, so the output holds the same bytes
// as on any other system. The console's own code page comes back at the end:
// the prompt that started the program keeps it. Elsewhere it does nothing.
class TUtf8Console {
 public:
  TUtf8Console();
  ~TUtf8Console();
  TUtf8Console(const TUtf8Console&) = delete;
  TUtf8Console& operator=(const TUtf8Console&) = delete;

 private:
  unsigned int previousCodePage_ = 0;
};

}  // namespace orv::platform

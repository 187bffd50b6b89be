#pragma once

#include <filesystem>

namespace orv::base {

// While one lives, the temporary file it watches is removed when the program
// is stopped by SIGTERM, SIGHUP or SIGINT (on Windows by SIGINT or SIGTERM);
// the signal then ends the program as it would have. Otherwise a report of a
// thousand sheets cut off by a logout would lie beside its target at full
// size until a later save of the same name. A signal the program ignores, or
// one that another part of it handles, is left alone. One file at a time:
// the program writes its files one after another.
class TRemovedOnStop {
 public:
  TRemovedOnStop() = default;
  ~TRemovedOnStop();
  TRemovedOnStop(const TRemovedOnStop&) = delete;
  TRemovedOnStop& operator=(const TRemovedOnStop&) = delete;

  // From now on, until this object ends. A path too long to keep is not
  // watched.
  void Watch(const std::filesystem::path& temporary);
};

}  // namespace orv::base

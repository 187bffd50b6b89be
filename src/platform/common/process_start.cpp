#include "platform/common/process_start.h"

#ifdef __linux__
#include <time.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#endif

namespace orv::platform {

std::optional<double> SecondsSinceProcessStart() {
#ifdef __linux__
  std::ifstream statFile("/proc/self/stat");
  std::string stat;
  std::getline(statFile, stat);
  // The command name may hold blanks; the fields we need follow its ")".
  const auto close = stat.rfind(')');
  if (close == std::string::npos) return std::nullopt;
  std::istringstream fields(stat.substr(close + 2));
  std::string field;
  // After the name come state (field 3) ... starttime (field 22).
  for (int index = 3; index <= 22 && fields >> field; ++index) {
    if (index == 22) {
      timespec now{};
      clock_gettime(CLOCK_BOOTTIME, &now);
      const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
      const double started = static_cast<double>(std::stoull(field)) / ticks;
      return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9 - started;
    }
  }
#endif
  return std::nullopt;
}

}  // namespace orv::platform

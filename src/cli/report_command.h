#pragma once

#include <string>
#include <vector>

namespace orv::cli {

// `orvane report PROJECT.orv -o OUT.xls [--catalog FILE] [--lang en|ru]
// [--units daN|N] [--open]`; `args` are the words after "report". The
// workbook is the one the desktop program's Calculate makes. Returns the exit
// status: 0 done, 1 the data or a file made the job impossible (no report
// written), 2 wrong usage.
int RunReportCommand(const std::vector<std::string>& args);

}  // namespace orv::cli

#pragma once

#include <string>

namespace orv::project {

// Where the sheets of a report say they come from.
struct TReportOrigin {
  std::string ProjectFile;  // the project's file (a full path will do); empty for one never saved
  std::string Date;         // the date as shown; empty: today as YYYY-MM-DD
};

}  // namespace orv::project

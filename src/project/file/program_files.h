#pragma once

#include <string>
#include <vector>

namespace orv::project {

// The files the program itself reads: the four report templates in the
// program folder and, with `catalogues`, the shipped base_provod.dat beside
// them and the catalogue in the shared data folder. No output may replace
// one: a report written over a template breaks every later report. A folder
// the system cannot give leaves its files out.
std::vector<std::string> ProgramOwnFiles(bool catalogues);

}  // namespace orv::project

#pragma once

#include <string>

#include "project/model/project.h"
#include "base/line_reader.h"

namespace orv::project {

// Reads a whole project from `file` into `project`, which it fills in place
// (callers pass a scratch project). A failure throws OrvError whose message
// ends with the place: `fileName` when not empty, and the line.
void ReadProjectText(base::TextLineReader& file, TProject& project, const std::string& fileName);

}  // namespace orv::project

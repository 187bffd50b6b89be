#pragma once

#include <string>

#include "project/model/project.h"

namespace orv::project {

// Reads the project file at `path` into `project`. A file that cannot be read
// or converted throws OrvError ("File not found", "'x' is not a valid integer
// value (file "path", line 18)") and leaves `project` as it was.
void LoadProjectFile(const std::string& path, TProject& project);

// Writes `project` to `path` atomically (a failed write leaves an existing file
// as it was), then settles the unused limit pair of each support, so a copy
// taken afterwards equals the project. On failure the project is unchanged.
void SaveProjectFile(const std::string& path, TProject& project);

}  // namespace orv::project

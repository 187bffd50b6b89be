#pragma once

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/file_open.h"
#include "project/model/project.h"
#include "support/samples.h"

// A folder of its own for a test that writes files, removed afterwards.
class ProjectTempFolder {
 public:
  ProjectTempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("orvane-project-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~ProjectTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::string File(const std::string& name) const { return orv::base::PathToUtf8(path_ / orv::base::PathFromUtf8(name)); }

 private:
  std::filesystem::path path_;
};

// The lines joined as the program writes them: each ended by CR LF.
inline std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(orv::base::PathFromUtf8(path), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(orv::base::PathFromUtf8(path), std::ios::binary) << bytes;
}

inline std::string ProjectData(const std::string& name) {
  return std::string(ORVANE_TEST_DATA) + "/project/" + name;
}

// The 18 lines of a new project.
inline std::vector<std::string> NewProjectLines() {
  return {"-5", "0", "40", "-55", "5", "0", "0", "0", "1", "1", "1", "1", "1", "1", "1", "15", "1", "0"};
}

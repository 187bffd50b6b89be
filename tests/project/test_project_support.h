#pragma once

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/file_open.h"
#include "project/project.h"

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
  std::string File(const std::string& name) const { return PathToUtf8(path_ / PathFromUtf8(name)); }

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
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(PathFromUtf8(path), std::ios::binary) << bytes;
}

inline std::string ProjectData(const std::string& name) {
  return std::string(ORVANE_TEST_DATA) + "/project/" + name;
}

// The 18 lines of a new project.
inline std::vector<std::string> NewProjectLines() {
  return {"-5", "0", "40", "-55", "5", "0", "0", "0", "1", "1", "1", "1", "1", "1", "1", "15", "1", "0"};
}

// A support with every field away from its default, given by stresses.
inline TPillar SampleSupport() {
  TPillar support;
  support.SupportNumber = "12а";
  support.WireName = "АС 70/11";
  support.WiresInPhase = 2;
  support.GroundLeft = 101.25;
  support.GroundThis = 100.5;
  support.GroundRight = 99.75;
  support.TurnAngle = 2.5;
  support.SpanLeft = 210;
  support.SpanRight = 190.5;
  support.SpanEquivalent = 200;
  support.DamperWeight = 5.4;
  support.InsulatorWeight = 50;
  support.StressMax = 12.5;
  support.StressAverage = 8.25;
  support.HeightLeft = 20;
  support.HeightThis = 19.5;
  support.HeightRight = 21;
  support.AlfaP = 45;
  support.AlfaAB = 10;
  support.AlfaBal = 60;
  support.Reserved = 7;
  support.DeflectionDirection = 0;
  return support;
}

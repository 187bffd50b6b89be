#pragma once

#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "base/file_open.h"
#include "cli/command_line.h"
#include "project/model/project.h"
#include "project/file/project_file.h"
#include "project/catalogue/wires_list.h"
#include "support/worked_example.h"

struct CommandRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs `orvane <words>` in this process with stdout and stderr captured.
inline CommandRun RunOrvane(const std::vector<std::string>& words) {
  std::vector<std::string> all{"orvane"};
  all.insert(all.end(), words.begin(), words.end());
  std::ostringstream out, err;
  std::streambuf* oldOut = std::cout.rdbuf(out.rdbuf());
  std::streambuf* oldErr = std::cerr.rdbuf(err.rdbuf());
  CommandRun run;
  run.status = orv::cli::RunCommandLine(all);
  std::cout.rdbuf(oldOut);
  std::cerr.rdbuf(oldErr);
  run.out = out.str();
  run.err = err.str();
  return run;
}

class CliTempFolder {
 public:
  CliTempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("orvane-cli-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~CliTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  // UTF-8 paths, as the program takes them.
  std::string File(const std::string& name) const { return orv::base::PathToUtf8(path_ / orv::base::PathFromUtf8(name)); }
  std::string Path() const { return orv::base::PathToUtf8(path_); }

 private:
  std::filesystem::path path_;
};

inline std::string CliReadBytes(const std::string& path) {
  std::ifstream in(orv::base::PathFromUtf8(path), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The wire of the reference calculation: 8.4 mm, 43.0 mm², 0.148 kg/m.
inline orv::calc::TWireRecord ExampleWire(const std::string& name = kWorkedExampleWireName) {
  return WorkedExampleWire(name);
}

inline std::string WriteCatalogue(const CliTempFolder& folder, const std::string& name,
                                  const std::vector<orv::calc::TWireRecord>& wires) {
  orv::project::TWiresList list;
  for (const orv::calc::TWireRecord& wire : wires) list.Add(wire);
  const std::string path = folder.File(name);
  list.SaveToFile(path);
  return path;
}

// The climate and the support of the reference calculation.
inline orv::project::TProject ExampleProject() {
  orv::project::TProject project;
  project.Klimat.AssignFrom(WorkedExampleKlimat());
  project.Pillars.Add(WorkedExampleSupport("12", kWorkedExampleWireName));
  return project;
}

inline std::string WriteProject(const CliTempFolder& folder, const std::string& name, orv::project::TProject project) {
  const std::string path = folder.File(name);
  orv::project::SaveProjectFile(path, project);
  return path;
}

// The shipped catalogue made as the build makes it: the readable source
// without comments and empty lines, in Windows-1251 with CR LF, imported.
inline std::string ShippedCatalogue(const CliTempFolder& folder) {
  std::ifstream source(std::string(ORVANE_SOURCE_DIR) + "/data/wires.csv", std::ios::binary);
  std::string exchange, line;
  while (std::getline(source, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    exchange += orv::base::Utf8ToCp1251(line) + "\r\n";
  }
  const std::string text = folder.File("wires.txt");
  std::ofstream(text, std::ios::binary) << exchange;
  orv::project::TWiresList list;
  list.ImportFromText(text);
  const std::string path = folder.File("base_provod.dat");
  list.SaveToFile(path);
  return path;
}

#pragma once

#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "project/project.h"
#include "project/project_file.h"
#include "project/wires_list.h"

struct CommandRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs `orvane <words>` in this process with stdout and stderr captured.
inline CommandRun RunOrvane(const std::vector<std::string>& words) {
  std::vector<std::string> all{"orvane"};
  all.insert(all.end(), words.begin(), words.end());
  std::vector<char*> argv;
  for (std::string& word : all) argv.push_back(word.data());
  argv.push_back(nullptr);
  std::ostringstream out, err;
  std::streambuf* oldOut = std::cout.rdbuf(out.rdbuf());
  std::streambuf* oldErr = std::cerr.rdbuf(err.rdbuf());
  CommandRun run;
  run.status = RunCommandLine(static_cast<int>(all.size()), argv.data());
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
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

inline std::string CliReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The wire of the reference calculation: 8.4 mm, 43.0 mm², 0.148 kg/m.
inline TWireRecord ExampleWire(const std::string& name = "АС 35/6.2") {
  TWireRecord wire;
  wire.WireGroup = 1;
  wire.WireName = name;
  wire.WireDiameter = 8.4;
  wire.WireArea = 43.0;
  wire.WireWeight = 0.148;
  wire.WireModulus = 8250;
  wire.WireExpansion = 19.2e-6;
  return wire;
}

inline std::string WriteCatalogue(const CliTempFolder& folder, const std::string& name,
                                  const std::vector<TWireRecord>& wires) {
  TWiresList list;
  for (const TWireRecord& wire : wires) list.Add(wire);
  const std::string path = folder.File(name);
  list.SaveToFile(path);
  return path;
}

// The climate and the support of the reference calculation.
inline TProject ExampleProject() {
  TProject project;
  project.Klimat.IceThickness = 5;
  project.Klimat.WindVelocityMax = 25;
  project.Klimat.WindVelocityIce = 12.5;
  project.Klimat.TempMin = -55;
  project.Klimat.TempIceNoWind = -5;
  project.Klimat.TempIceWind = -5;
  project.Klimat.TempAverage = 0;
  TPillar support;
  support.SupportNumber = "12";
  support.WireName = "АС 35/6.2";
  support.StressMax = 12;
  support.StressAverage = 8;
  support.SpanLeft = support.SpanRight = support.SpanEquivalent = 200;
  support.GroundLeft = support.GroundThis = support.GroundRight = 100;
  support.HeightLeft = support.HeightThis = support.HeightRight = 20;
  support.DamperWeight = 5;
  support.InsulatorWeight = 50;
  support.AlfaP = 45;
  support.AlfaAB = 10;
  support.AlfaBal = 60;
  project.Pillars.Add(support);
  return project;
}

inline std::string WriteProject(const CliTempFolder& folder, const std::string& name, TProject project) {
  const std::string path = folder.File(name);
  SaveProjectFile(path, project);
  return path;
}

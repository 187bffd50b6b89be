// Reads arbitrary bytes as a project file. What reads must write, and what it
// writes must read back to the very same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "project/model/project.h"
#include "base/errors.h"

using namespace orv::base;
using namespace orv::project;

namespace {

bool WriteText(const TProject& project, std::string& text) {
  try {
    text = project.FileText();
    return true;
  } catch (const OrvError&) {
    return false;  // a text Windows-1251 cannot hold, as a damaged byte reads
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TProject project;
  TextLineReader file(std::string(reinterpret_cast<const char*>(data), size));
  try {
    project.LoadFromText(file);
  } catch (const OrvError&) {
    if (!project.Equals(TProject())) std::abort();  // a failed read changed the project
    return 0;
  }
  std::string first;
  if (!WriteText(project, first)) return 0;
  TProject again;
  TextLineReader written(first);
  again.LoadFromText(written);
  std::string second;
  if (!WriteText(again, second) || second != first) std::abort();
  return 0;
}

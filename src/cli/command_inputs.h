#pragma once

#include <optional>
#include <string>

#include "cli/cli_options.h"
#include "project/model/project.h"
#include "project/catalogue/wire_catalog.h"

namespace orv::cli {

// What a calculating command reads: the project named by its one argument
// and the wire catalogue (--catalog, or the desktop program's). A file that
// cannot be read stops the command before anything is written; so does an
// `output` that is one of these inputs.
class TCommandInputs {
 public:
  TCommandInputs(const CliOptions& options, const std::optional<std::string>& output);
  TCommandInputs(const TCommandInputs&) = delete;
  TCommandInputs& operator=(const TCommandInputs&) = delete;

  const std::string& ProjectPath() const { return projectPath_; }
  const project::TProject& Project() const { return project_; }
  const project::TWiresList& Catalogue() const { return *catalogue_; }

 private:
  std::string projectPath_;
  project::TProject project_;
  project::TWireCatalog shared_;
  project::TWiresList fromFile_;
  const project::TWiresList* catalogue_ = nullptr;
};

}  // namespace orv::cli

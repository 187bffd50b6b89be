#include "cli/command_inputs.h"

#include "cli/command_line_catalogue.h"
#include "cli/output_guard.h"
#include "project/file/project_file.h"

using namespace orv::project;

namespace orv::cli {

TCommandInputs::TCommandInputs(const CliOptions& options, const std::optional<std::string>& output)
    : projectPath_(options.arguments.at(0)) {
  LoadProjectFile(projectPath_, project_);
  catalogue_ = &LoadCommandLineCatalogue(options, shared_, fromFile_);
  if (output) RefuseOutputOverInputs(*output, {projectPath_, CommandLineCataloguePath(options, shared_)});
}

}  // namespace orv::cli

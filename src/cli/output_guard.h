#pragma once

#include <string>
#include <vector>

namespace orv::cli {

// Refuses, before anything is written, an output that is one of the
// command's inputs, however it is spelled ("./p.orv", a symbolic link or a
// hard link to it): writing it would destroy the input. Throws OrvError
// naming both; inputs that are empty or do not exist are passed over.
void RefuseOutputOverInputs(const std::string& output, const std::vector<std::string>& inputs);

}  // namespace orv::cli

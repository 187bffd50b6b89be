#pragma once

#include <string>
#include <vector>

namespace orv::cli {

// `orvane calc PROJECT.orv [--catalog FILE] [--lang en|ru] [--format text|json]`;
// `args` are the words after "calc". Prints the results of every support to
// stdout and the messages to stderr. Returns 0 when every support was
// calculated, 1 when the project or the catalogue could not be read or a
// support gave no result, 2 for wrong usage.
int RunCalcCommand(const std::vector<std::string>& args);

}  // namespace orv::cli

#pragma once

#include <string>
#include <vector>

namespace orv::cli {

// `orvane catalog import TEXT.txt -o FILE.dat` and
// `orvane catalog export FILE.dat -o TEXT.txt`; `args` are the words after
// "catalog". Returns the exit status: 0 done, 1 a file made the job
// impossible, 2 wrong usage.
int RunCatalogCommand(const std::vector<std::string>& args);

}  // namespace orv::cli

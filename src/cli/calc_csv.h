#pragma once

#include <string>
#include <vector>

#include "project/project_results.h"

// `orvane calc --format csv`: a header row and one row per support with the
// columns of the readable table and the verdict's dictionary key, RFC 4180
// (fields quoted where needed, CR LF line ends), UTF-8. Numbers in full
// precision with "."; a value the calculation did not write is empty.
std::string CalcCsv(const std::vector<TSupportOutcome>& supports);

// One field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);

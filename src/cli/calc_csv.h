#pragma once

#include <string>
#include <vector>

#include "project/results/project_results.h"

namespace orv::cli {

// `orvane calc --format csv`: a header row and one row per support with the
// columns of the readable table and the verdict's dictionary key, RFC 4180
// (fields quoted where needed, CR LF line ends), UTF-8, after a byte order
// mark unless `byteOrderMark` is false: a spreadsheet then reads Cyrillic
// right. Numbers in full precision with "."; a value the calculation did not
// write is empty.
std::string CalcCsv(const std::vector<project::TSupportOutcome>& supports, bool byteOrderMark);

// One text field: a text beginning with "=", "+", "-", "@", a tab or a
// carriage return gets a leading "'", so that a spreadsheet shows it rather
// than evaluating it; quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& field);

}  // namespace orv::cli

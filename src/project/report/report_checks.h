#pragma once

#include <string>

namespace orv::project {

class TProject;
class TWiresList;

// What keeps a report from being made, found before anything is written and
// said in one message that names every support concerned; empty when none.

// The supports whose wire is not in the catalogue.
std::string MissingWiresProblem(const TProject& project, const TWiresList& catalogue);
// Support numbers that make one sheet name ("1/" and "1?", or one number
// twice): the workbook cannot hold both sheets.
std::string SheetNameProblem(const TProject& project);

}  // namespace orv::project

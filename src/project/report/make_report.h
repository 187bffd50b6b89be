#pragma once

#include <functional>
#include <string>

#include "project/model/project.h"
#include "project/report/report_origin.h"
#include "project/catalogue/wires_list.h"

namespace orv::project {

// Told before each support's calculation: its place from 1, and the count.
using ReportProgress = std::function<void(int support, int count)>;

enum class ReportOutcome {
  Saved,       // the workbook was written
  NoSupports,  // nothing to report: no file, no message
  Stopped,     // a message said why (template, missing wire); no file
};

// Builds the report of `project` from the template of the current language
// and units, one sheet per support and a summary sheet after them, looking
// the wires up in `catalogue`, and saves it to `path`. Nothing is written unless the whole report succeeds,
// and then atomically, so an existing file of that name stays as it was on
// every failure. Throws OrvError for a sheet name that cannot be given (two
// supports with the same number), a file that cannot be created, and a
// FloatingPointError of a support's calculation, whose text then begins with
// the support ("Support 12: Floating point division by zero"). Every sheet
// names `origin`'s project file and date and says "Sheet N of M". A project of
// more supports than one .xls workbook can hold is refused before the report
// is built, with the number it can hold. `supportsWithoutResult`, when given,
// receives the count of supports whose calculation stopped without a result
// (no verdict, or "Data error"); they are in the report all the same.
ReportOutcome WriteReport(const TProject& project, const std::string& path, const TWiresList& catalogue,
                          const ReportProgress& progress = {}, const TReportOrigin& origin = {},
                          int* supportsWithoutResult = nullptr);

// The desktop program's report: WriteReport with the open catalogue,
// then the system shell opens the saved workbook.
ReportOutcome MakeReport(const TProject& project, const TWiresList& catalogue, const std::string& path,
                         const ReportProgress& progress = {}, const TReportOrigin& origin = {});

}  // namespace orv::project

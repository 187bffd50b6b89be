#include "project/file/project_coefficient_lines.h"

#include "base/errors.h"
#include "project/file/project_file_fields.h"
#include "settings/local_message.h"

using namespace orv::base;
using namespace orv::calc;
using namespace orv::settings;

namespace orv::project::detail {

void ReadLoadCoefficients(TextLineReader& file, TKlimatKoef& koef) {
  for (auto field : kLoadCoefficientLines) {
    koef.*field = file.ReadFloatLine();
    CheckFieldRange(RangeOf(field), koef.*field);
  }
}

void CheckFieldRange(const TInputRange& range, double value) {
  std::vector<TTextPart> row = RangeRow(range, value);
  if (row.empty()) return;
  row.back().Argument.erase(row.back().Argument.find_last_not_of("\r\n") + 1);
  throw OrvError(MessageText(TLocalMessage{MessageKind::Error, MessageButtons::Ok, std::move(row)}));
}

}  // namespace orv::project::detail

#include "project/project_coefficient_lines.h"

#include "project/project_file_fields.h"

using namespace orv::base;
using namespace orv::calc;

namespace orv::project::detail {

void ReadLoadCoefficients(TextLineReader& file, TKlimatKoef& koef) {
  for (auto field : kLoadCoefficientLines) koef.*field = file.ReadFloatLine();
}

}  // namespace orv::project::detail

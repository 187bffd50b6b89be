#include "calc/wire_record.h"

namespace orv::calc {

void TWireRecord::Assign(const TWireRecord& source) { *this = source; }

}  // namespace orv::calc

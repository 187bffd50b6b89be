#include "calc/wire_record.h"

void TWireRecord::Assign(const TWireRecord& source) { *this = source; }

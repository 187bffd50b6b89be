#include "project/report/report_cell.h"

#include <stdexcept>

namespace orv::project {

xls::XlsCell ReportCell(xls::XlsSheet& sheet, std::string_view address) {
  int column = 0;
  std::size_t i = 0;
  for (; i < address.size() && address[i] >= 'A' && address[i] <= 'Z'; ++i) {
    column = column * 26 + (address[i] - 'A' + 1);
  }
  int row = 0;
  for (std::size_t j = i; j < address.size(); ++j) {
    if (address[j] < '0' || address[j] > '9') throw std::logic_error("bad cell address");
    row = row * 10 + (address[j] - '0');
  }
  if (i == 0 || row == 0) throw std::logic_error("bad cell address");
  return sheet.Cell(row - 1, column - 1);
}

}  // namespace orv::project

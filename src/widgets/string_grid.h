#pragma once

#include <QTableWidget>
#include <string>
#include <vector>

namespace orv::widgets {

// A grid of texts without fixed rows or columns: whole rows are selected,
// one at a time, cells are read-only and every row has the same fixed
// height. Like the grids of the windows it stands for, it never has fewer
// than one row.
class TStringGrid : public QTableWidget {
  Q_OBJECT

 public:
  TStringGrid(int columns, int rowHeight, QWidget* parent = nullptr);

  int RowCount() const { return rowCount(); }
  // Rows beyond the new count are dropped; at least one row stays.
  void SetRowCount(int rows);
  std::string Cell(int column, int row) const;
  // Writes a cell; a cell outside the grid is ignored.
  void SetCell(int column, int row, const std::string& text);
  // Empties every cell of the row.
  void ClearRow(int row);

  // The selected row, -1 when none is.
  int SelectedRow() const;
  void SelectRow(int row);

  void SetColumnWidths(const std::vector<int>& widths);

 signals:
  // The current row changed, by the user or by SelectRow.
  void RowSelected(int row);
  void RowDoubleClicked(int row);

 private:
  void CurrentCellChanged(int row, int column, int previousRow, int previousColumn);
};

}  // namespace orv::widgets

#pragma once

#include <functional>
#include <string>
#include <vector>

#include "project/results_table.h"
#include "widgets/string_grid.h"

namespace orv::ui {

// The main window's results table: one row per support with its result,
// marked by its verdict class (colour and symbol). Rows 24 pixels high.
// A click on a column title sorts by it, ascending, then descending, then
// back in list order. Ctrl+C copies the selected rows as tab-separated text
// for a spreadsheet, and the supports themselves (SupportsText) under
// kSupportsMimeType for a paste into a project.
// View rows and project indexes differ while sorted: IndexAtRow and
// RowOfIndex translate.
inline constexpr const char* kSupportsMimeType = "application/x-orvane-supports";

class TSupportsGrid : public widgets::TStringGrid {
  Q_OBJECT

 public:
  explicit TSupportsGrid(QWidget* parent = nullptr);

  // Shows `rows` (one per support, in list order) in the current sort order,
  // rewriting only the rows whose texts changed. No rows leave one empty row.
  void ShowRows(std::vector<project::TResultRow> rows);
  // The support shown in view row `row`; the row itself when none is.
  int IndexAtRow(int row) const;
  // The view row of the support at `index`; `index` itself when it is not
  // shown (as the empty row of an empty list).
  int RowOfIndex(int index) const;
  // The titles and the selected rows, in view order, as tab-separated text.
  std::string SelectedRowsText() const;
  // The project indexes of the selected rows, in view order.
  std::vector<int> SelectedIndexes() const;
  // Sorts by `column` (-1: list order).
  void SortBy(int column, Qt::SortOrder order);

  // The clipboard text of the supports at the given project indexes.
  std::function<std::string(const std::vector<int>&)> SupportsText;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void TitleClicked(int column);
  // The rows in the order they are shown.
  std::vector<int> ViewOrder() const;
  // Inserts or removes view rows where the shown rows and `order` part, so
  // that the rows on either side keep their items.
  void MoveRowsAside(const std::vector<int>& order);
  int WidestClassText() const;
  void FitHangColumn();
  void WriteRow(int viewRow, const project::TResultRow& row);
  void CopySelection() const;

  std::vector<project::TResultRow> rows_;   // in list order
  std::vector<int> shownIndex_;    // the support of each view row
  std::vector<project::TResultRow> shown_;  // what each view row shows
  int sortColumn_ = -1;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace orv::ui

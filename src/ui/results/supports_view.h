#pragma once

#include <functional>
#include <string>
#include <vector>

#include "widgets/rows_view.h"

namespace orv::ui {

class TResultsTableModel;
class TResultsSortModel;

// The main window's results table: one row per support with its result,
// marked by its verdict class (colour and symbol), rows 24 pixels high, the
// support's number kept in view when the table scrolls sideways. A click on
// a column title sorts by it, ascending, then descending, then back in list
// order. Ctrl+C copies the selected rows as tab-separated text: the results
// for a spreadsheet followed by the supports' own fields, so that the text
// pastes back as supports, and the supports alone (SupportsText) under
// kSupportsMimeType.
inline constexpr const char* kSupportsMimeType = "application/x-orvane-supports";

class TSupportsView : public widgets::TRowsView {
  Q_OBJECT

 public:
  explicit TSupportsView(TResultsTableModel& model, QWidget* parent = nullptr);

  // Sorts by `column` (-1: list order).
  void SortBy(int column, Qt::SortOrder order);
  // The selected supports' project indexes, in the order shown; none on the
  // empty row of an empty list.
  std::vector<int> SelectedIndexes() const;
  // Puts the selected rows on the clipboard, as Ctrl+C does.
  void CopySelection() const;

  // The clipboard text of the supports at the given project indexes.
  std::function<std::string(const std::vector<int>&)> SupportsText;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

 private:
  void TitleClicked(int column);
  void FitColumns();
  int WidestClassText() const;
  void FitHangColumn();

  TResultsTableModel& model_;
  TResultsSortModel* sorter_;
};

}  // namespace orv::ui

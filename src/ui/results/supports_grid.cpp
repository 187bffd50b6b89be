#include "ui/results/supports_grid.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QStyle>
#include <algorithm>
#include <set>
#include <string_view>
#include <utility>

#include "diagrams/picture_style.h"
#include "qt_text/qt_string.h"
#include "widgets/frozen_column.h"

using namespace orv::calc;
using namespace orv::project;
using namespace orv::diagrams;
using namespace orv::qt_text;
using namespace orv::widgets;

namespace orv::ui {

namespace {

constexpr int kRowHeight = 24;
constexpr int kColumnWidths[kResultColumns] = {70, 150, 100, 140, 60, 150, 140, 130, 400};

// The class colour thinned towards white, so that dark text stays readable
// on it; the symbol in the result column tells the classes apart without it.
QColor Tint(TVerdictClass verdictClass, double share) {
  const QColor c = VerdictColor(verdictClass);
  const auto mix = [share](int value) { return static_cast<int>(value * share + 255 * (1 - share)); };
  return QColor(mix(c.red()), mix(c.green()), mix(c.blue()));
}

// Support numbers in the order a designer counts them: "9" before "10",
// "12" before "12а".
bool NumberLess(const std::string& a, const std::string& b) {
  const auto lead = [](const std::string& text) {
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
    return digits;
  };
  const std::size_t da = lead(a), db = lead(b);
  if (da > 0 && db > 0) {
    const std::string na = a.substr(0, da), nb = b.substr(0, db);
    if (na.size() != nb.size()) return na.size() < nb.size();
    if (na != nb) return na < nb;
    return a.substr(da) < b.substr(db);
  }
  return a < b;
}

// Whether a view row showing `a` shows `b` too: the support's place in the
// list is not shown.
bool LooksSame(const TResultRow& a, const TResultRow& b) {
  return a.Class == b.Class && a.Failed == b.Failed && a.DuplicateNumber == b.DuplicateNumber &&
         a.Cells == b.Cells && a.SortValues == b.SortValues;
}

bool CellLess(const TResultRow& a, const TResultRow& b, int column) {
  const auto& va = a.SortValues[column];
  const auto& vb = b.SortValues[column];
  if (va || vb) {
    if (!va || !vb) return !va < !vb;  // rows without a value go last
    return *va < *vb;
  }
  if (column == static_cast<int>(TResultColumn::Number)) return NumberLess(a.Cells[column], b.Cells[column]);
  return QString::localeAwareCompare(ToQString(a.Cells[column]), ToQString(b.Cells[column])) < 0;
}

}  // namespace

TSupportsGrid::TSupportsGrid(QWidget* parent) : TStringGrid(kResultColumns, kRowHeight, parent) {
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setTextElideMode(Qt::ElideRight);
  QHeaderView* titles = horizontalHeader();
  titles->show();
  titles->setSectionsClickable(true);
  titles->setSortIndicatorShown(false);
  titles->setStretchLastSection(true);
  titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  for (int column = 0; column < kResultColumns; ++column) setColumnWidth(column, kColumnWidths[column]);
  connect(titles, &QHeaderView::sectionClicked, this, &TSupportsGrid::TitleClicked);
  // The support's number stays in view when the table scrolls sideways.
  new TFrozenColumn(*this);
}

void TSupportsGrid::ShowRows(std::vector<TResultRow> rows) {
  const auto titles = ResultColumnTitles();
  for (int column = 0; column < kResultColumns; ++column) {
    QTableWidgetItem* title = horizontalHeaderItem(column);
    if (!title) setHorizontalHeaderItem(column, title = new QTableWidgetItem);
    if (title->text() == ToQString(titles[column])) continue;
    title->setText(ToQString(titles[column]));
    // Wide enough for its title, in either language. The mark column holds
    // one of a few texts: wide enough for the longest, whatever rows there
    // are, so that it neither cuts nor jumps.
    const int content = column == static_cast<int>(TResultColumn::Mark) ? WidestClassText() : 0;
    setColumnWidth(column,
                   std::max({kColumnWidths[column], horizontalHeader()->sectionSizeHint(column), content}));
  }
  // While sorted, a changed value can move the selected support to another
  // row; the selection goes with it.
  const int selected = currentRow() >= 0 && currentRow() < static_cast<int>(shownIndex_.size())
                           ? shownIndex_[static_cast<std::size_t>(currentRow())]
                           : -1;
  rows_ = std::move(rows);
  const std::vector<int> order = ViewOrder();
  const bool sameCount = shown_.size() == order.size();
  if (!sameCount && !shown_.empty() && !order.empty()) {
    MoveRowsAside(order);
  } else if (!sameCount) {
    shown_.assign(order.size(), TResultRow{});
    shownIndex_.assign(order.size(), -1);
    SetRowCount(0);
    for (int column = 0; column < kResultColumns; ++column) SetCell(column, 0, "");
    item(0, 0)->setIcon(QIcon());
    item(0, 0)->setToolTip({});
    for (int column = 0; column < kResultColumns; ++column) item(0, column)->setBackground(QBrush());
    SetRowCount(static_cast<int>(order.size()));
  }
  for (std::size_t at = 0; at < order.size(); ++at) {
    const TResultRow& row = rows_[order[at]];
    // A row that only moved shows what it showed.
    shownIndex_[at] = row.Index;
    if (LooksSame(shown_[at], row) && item(static_cast<int>(at), 0)) continue;
    WriteRow(static_cast<int>(at), row);
    shown_[at] = row;
  }
  FitHangColumn();
  if (sameCount && selected >= 0 && RowOfIndex(selected) != currentRow()) {
    const QSignalBlocker quiet(this);
    SelectRow(RowOfIndex(selected));
  }
}

// Supports added or deleted in one place leave the rows before and after
// that place as they were: only the rows in between come or go, instead of
// every row being written again.
void TSupportsGrid::MoveRowsAside(const std::vector<int>& order) {
  const std::size_t common = std::min(shown_.size(), order.size());
  std::size_t before = 0;
  while (before < common && LooksSame(shown_[before], rows_[order[before]])) ++before;
  std::size_t after = 0;
  while (after < common - before &&
         LooksSame(shown_[shown_.size() - 1 - after], rows_[order[order.size() - 1 - after]]))
    ++after;
  const int at = static_cast<int>(before);
  const auto place = static_cast<std::ptrdiff_t>(before);
  if (order.size() > shown_.size()) {
    const std::size_t added = order.size() - shown_.size();
    model()->insertRows(at, static_cast<int>(added));
    shown_.insert(shown_.begin() + place, added, TResultRow{});
    shownIndex_.insert(shownIndex_.begin() + place, added, -1);
  } else {
    const std::size_t gone = shown_.size() - order.size();
    model()->removeRows(at, static_cast<int>(gone));
    shown_.erase(shown_.begin() + place, shown_.begin() + place + static_cast<std::ptrdiff_t>(gone));
    shownIndex_.erase(shownIndex_.begin() + place,
                      shownIndex_.begin() + place + static_cast<std::ptrdiff_t>(gone));
  }
}

// What to hang is the answer the user looks for: its column grows to the
// longest text any row shows, never cutting it.
void TSupportsGrid::FitHangColumn() {
  const int column = static_cast<int>(TResultColumn::Hang);
  // A long line says the same few things many times: each is measured once.
  std::set<std::string_view> texts;
  for (const TResultRow& row : rows_) texts.insert(row.Cells[column]);
  int widest = 0;
  for (std::string_view text : texts)
    widest = std::max(widest, fontMetrics().horizontalAdvance(ToQString(std::string(text))));
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  if (widest + 2 * margin + 8 > columnWidth(column)) setColumnWidth(column, widest + 2 * margin + 8);
}

int TSupportsGrid::WidestClassText() const {
  constexpr TVerdictClass kClasses[] = {TVerdictClass::NothingNeeded, TVerdictClass::Dampers,
                                        TVerdictClass::Ballast,       TVerdictClass::OverLimit,
                                        TVerdictClass::Tearing,       TVerdictClass::DataError};
  int widest = 0;
  for (TVerdictClass c : kClasses)
    widest = std::max(widest, fontMetrics().horizontalAdvance(ToQString(ResultClassText(c))));
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  return widest + 2 * margin + 8;
}

void TSupportsGrid::WriteRow(int viewRow, const TResultRow& row) {
  const QBrush background(Tint(row.Class, 0.22));
  const QBrush text(QColor(20, 20, 20));
  for (int column = 0; column < kResultColumns; ++column) {
    SetCell(column, viewRow, row.Cells[column]);
    QTableWidgetItem* cell = item(viewRow, column);
    cell->setBackground(column == static_cast<int>(TResultColumn::Mark) ? QBrush(Tint(row.Class, 0.45))
                                                                        : background);
    cell->setForeground(text);
    const bool number = row.SortValues[column].has_value() &&
                        column != static_cast<int>(TResultColumn::Mark) &&
                        column != static_cast<int>(TResultColumn::Hang);
    cell->setTextAlignment(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
  }
  const int verdict = static_cast<int>(TResultColumn::Verdict);
  item(viewRow, verdict)->setToolTip(ToQString(row.Cells[verdict]));
  QTableWidgetItem* number = item(viewRow, 0);
  number->setIcon(row.DuplicateNumber ? style()->standardIcon(QStyle::SP_MessageBoxWarning) : QIcon());
  number->setToolTip(row.DuplicateNumber ? ToQString(row.Cells[verdict]) : QString());
}

std::vector<int> TSupportsGrid::ViewOrder() const {
  std::vector<int> order(rows_.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  if (sortColumn_ < 0) return order;
  std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
    const TResultRow& ra = rows_[a];
    const TResultRow& rb = rows_[b];
    return sortOrder_ == Qt::AscendingOrder ? CellLess(ra, rb, sortColumn_) : CellLess(rb, ra, sortColumn_);
  });
  return order;
}

int TSupportsGrid::IndexAtRow(int row) const {
  if (row < 0 || row >= static_cast<int>(shownIndex_.size())) return row;
  return shownIndex_[row];
}

int TSupportsGrid::RowOfIndex(int index) const {
  const auto found = std::find(shownIndex_.begin(), shownIndex_.end(), index);
  return found == shownIndex_.end() ? index : static_cast<int>(found - shownIndex_.begin());
}

void TSupportsGrid::SortBy(int column, Qt::SortOrder order) {
  const int current = IndexAtRow(currentRow());
  sortColumn_ = column;
  sortOrder_ = order;
  horizontalHeader()->setSortIndicatorShown(column >= 0);
  if (column >= 0) horizontalHeader()->setSortIndicator(column, order);
  ShowRows(std::vector<TResultRow>(rows_));
  const QSignalBlocker quiet(this);
  SelectRow(RowOfIndex(current));
}

// Ascending, descending, then back in list order.
void TSupportsGrid::TitleClicked(int column) {
  if (column != sortColumn_)
    SortBy(column, Qt::AscendingOrder);
  else if (sortOrder_ == Qt::AscendingOrder)
    SortBy(column, Qt::DescendingOrder);
  else
    SortBy(-1, Qt::AscendingOrder);
}

std::vector<int> TSupportsGrid::SelectedIndexes() const {
  std::vector<int> viewRows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) viewRows.push_back(index.row());
  if (viewRows.empty() && currentRow() >= 0) viewRows.push_back(currentRow());
  std::sort(viewRows.begin(), viewRows.end());
  std::vector<int> indexes;
  for (int row : viewRows) {
    if (row < static_cast<int>(shownIndex_.size()))
      indexes.push_back(shownIndex_[static_cast<std::size_t>(row)]);
  }
  return indexes;
}

std::string TSupportsGrid::SelectedRowsText() const {
  std::vector<TResultRow> rows;
  for (int index : SelectedIndexes()) rows.push_back(rows_[static_cast<std::size_t>(index)]);
  return ResultRowsText(rows);
}

void TSupportsGrid::CopySelection() const {
  if (rows_.empty()) return;
  auto* data = new QMimeData;
  data->setText(ToQString(SelectedRowsText()));
  if (SupportsText)
    data->setData(kSupportsMimeType, QByteArray::fromStdString(SupportsText(SelectedIndexes())));
  QApplication::clipboard()->setMimeData(data);
}

// Ctrl+C belongs to the table while it has the focus, before any shortcut
// of the window.
bool TSupportsGrid::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    event->accept();
    return true;
  }
  return TStringGrid::event(event);
}

void TSupportsGrid::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    CopySelection();
    return;
  }
  TStringGrid::keyPressEvent(event);
}

}  // namespace orv::ui

#include "ui/results/supports_view.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <set>
#include <string_view>

#include "qt_text/qt_string.h"
#include "ui/models/results_table_model.h"
#include "widgets/frozen_column.h"

using namespace orv::calc;
using namespace orv::project;
using namespace orv::qt_text;
using namespace orv::widgets;

namespace orv::ui {

namespace {

constexpr int kRowHeight = 24;
constexpr int kColumnWidths[kResultColumns] = {70, 150, 100, 140, 60, 150, 140, 130, 400};

// The lines of `text` without their line ends.
std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

// The results' lines with the supports' lines beside them, line for line:
// a spreadsheet shows the results first, and the support fields found by
// their titles read the rows back as supports.
std::string SideBySide(const std::string& results, const std::string& supports) {
  const std::vector<std::string> left = LinesOf(results), right = LinesOf(supports);
  std::string text;
  for (std::size_t line = 0; line < left.size(); ++line)
    text += left[line] + (line < right.size() ? "\t" + right[line] : std::string()) + "\r\n";
  return text;
}

}  // namespace

TSupportsView::TSupportsView(TResultsTableModel& model, QWidget* parent)
    : TRowsView(kRowHeight, parent), model_(model), sorter_(new TResultsSortModel(this)) {
  sorter_->setSourceModel(&model);
  // A changed value moves its row to its place in the order, the selection
  // with it.
  sorter_->setDynamicSortFilter(true);
  SetProxy(sorter_);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setTextElideMode(Qt::ElideRight);
  QHeaderView* titles = horizontalHeader();
  titles->show();
  titles->setSectionsClickable(true);
  // Shown always, on no column while in list order, so that every title's
  // width leaves room for the arrow before it is sorted by.
  titles->setSortIndicatorShown(true);
  titles->setSortIndicator(-1, Qt::AscendingOrder);
  titles->setStretchLastSection(true);
  titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  connect(titles, &QHeaderView::sectionClicked, this, &TSupportsView::TitleClicked);
  connect(&model, &QAbstractItemModel::headerDataChanged, this, &TSupportsView::FitColumns);
  for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
    connect(&model, signal, this, &TSupportsView::FitHangColumn);
  connect(&model, &QAbstractItemModel::dataChanged, this, &TSupportsView::FitHangColumn);
  FitColumns();
  // The support's number stays in view when the table scrolls sideways.
  new TFrozenColumn(*this);
}

// Each column is wide enough for its title, in either language, arrow
// included. The mark column holds one of a few texts: wide enough for the
// longest, whatever rows there are, so that it neither cuts nor jumps.
void TSupportsView::FitColumns() {
  for (int column = 0; column < kResultColumns; ++column) {
    const int content = column == static_cast<int>(TResultColumn::Mark) ? WidestClassText() : 0;
    setColumnWidth(column,
                   std::max({kColumnWidths[column], horizontalHeader()->sectionSizeHint(column), content}));
  }
  FitHangColumn();
}

// What to hang is the answer the user looks for: its column grows to the
// longest text any row shows, never cutting it.
void TSupportsView::FitHangColumn() {
  const int column = static_cast<int>(TResultColumn::Hang);
  // A long line says the same few things many times: each is measured once.
  std::set<std::string_view> texts;
  for (const TResultRow& row : model_.Rows()) texts.insert(row.Cells[column]);
  int widest = 0;
  for (std::string_view text : texts)
    widest = std::max(widest, fontMetrics().horizontalAdvance(ToQString(std::string(text))));
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  if (widest + 2 * margin + 8 > columnWidth(column)) setColumnWidth(column, widest + 2 * margin + 8);
}

int TSupportsView::WidestClassText() const {
  constexpr TVerdictClass kClasses[] = {TVerdictClass::NothingNeeded, TVerdictClass::Dampers,
                                        TVerdictClass::Ballast,       TVerdictClass::OverLimit,
                                        TVerdictClass::Tearing,       TVerdictClass::DataError};
  int widest = 0;
  for (TVerdictClass c : kClasses)
    widest = std::max(widest, fontMetrics().horizontalAdvance(ToQString(ResultClassText(c))));
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  return widest + 2 * margin + 8;
}

void TSupportsView::SortBy(int column, Qt::SortOrder order) {
  horizontalHeader()->setSortIndicator(column, order);
  sorter_->sort(column, order);
  if (currentIndex().isValid()) scrollTo(currentIndex());
}

// Ascending, descending, then back in list order.
void TSupportsView::TitleClicked(int column) {
  const int sorted = sorter_->sortColumn();
  if (column != sorted)
    SortBy(column, Qt::AscendingOrder);
  else if (sorter_->sortOrder() == Qt::AscendingOrder)
    SortBy(column, Qt::DescendingOrder);
  else
    SortBy(-1, Qt::AscendingOrder);
}

std::vector<int> TSupportsView::SelectedIndexes() const {
  std::vector<int> indexes = SelectedSourceRows();
  std::erase_if(indexes, [this](int index) { return index >= static_cast<int>(model_.Rows().size()); });
  return indexes;
}

void TSupportsView::CopySelection() const {
  if (model_.Rows().empty()) return;
  const std::vector<int> indexes = SelectedIndexes();
  std::vector<TResultRow> rows;
  for (int index : indexes) rows.push_back(model_.Rows()[static_cast<std::size_t>(index)]);
  const std::string supports = SupportsText ? SupportsText(indexes) : std::string();
  auto* data = new QMimeData;
  data->setText(ToQString(SideBySide(ResultRowsText(rows), supports)));
  if (SupportsText) data->setData(kSupportsMimeType, QByteArray::fromStdString(supports));
  QApplication::clipboard()->setMimeData(data);
}

// Ctrl+C belongs to the table while it has the focus, before any shortcut
// of the window.
bool TSupportsView::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    event->accept();
    return true;
  }
  return TRowsView::event(event);
}

void TSupportsView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    CopySelection();
    return;
  }
  TRowsView::keyPressEvent(event);
}

// Whole rows are selected: Home and End (with Ctrl or without) go to the
// first and the last row and leave the table where it is sideways, instead
// of scrolling to the last column and leaving part of a column beside the
// frozen one.
QModelIndex TSupportsView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  if ((action != MoveHome && action != MoveEnd) || RowCount() == 0)
    return TRowsView::moveCursor(action, modifiers);
  const int row = action == MoveHome ? 0 : RowCount() - 1;
  return model()->index(row, std::max(currentIndex().column(), 0));
}

// The first column is always in view (frozen): bringing one of its cells
// into view moves the table up or down only.
void TSupportsView::scrollTo(const QModelIndex& index, ScrollHint hint) {
  const int sideways = horizontalScrollBar()->value();
  TRowsView::scrollTo(index, hint);
  if (index.column() == 0) horizontalScrollBar()->setValue(sideways);
}

}  // namespace orv::ui

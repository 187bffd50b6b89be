#include "ui/models/results_table_model.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QIcon>
#include <QStyle>
#include <algorithm>

#include "diagrams/picture_style.h"
#include "qt_text/qt_string.h"

using namespace orv::calc;
using namespace orv::project;
using namespace orv::diagrams;
using namespace orv::qt_text;

namespace orv::ui {

namespace {

constexpr int kNumber = static_cast<int>(TResultColumn::Number);
constexpr int kMark = static_cast<int>(TResultColumn::Mark);
constexpr int kHang = static_cast<int>(TResultColumn::Hang);
constexpr int kVerdict = static_cast<int>(TResultColumn::Verdict);

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

bool CellLess(const TResultRow& a, const TResultRow& b, int column) {
  const auto& va = a.SortValues[column];
  const auto& vb = b.SortValues[column];
  if (va || vb) {
    if (!va || !vb) return !va < !vb;  // rows without a value go last
    return *va < *vb;
  }
  if (column == kNumber) return NumberLess(a.Cells[column], b.Cells[column]);
  return QString::localeAwareCompare(ToQString(a.Cells[column]), ToQString(b.Cells[column])) < 0;
}

// Whether a row showing `a` shows `b` too: the support's place in the list
// is not shown.
bool LooksSame(const TResultRow& a, const TResultRow& b) {
  return a.Class == b.Class && a.Failed == b.Failed && a.DuplicateNumber == b.DuplicateNumber &&
         a.Cells == b.Cells && a.SortValues == b.SortValues;
}

}  // namespace

TResultsTableModel::TResultsTableModel(QObject* parent) : QAbstractTableModel(parent) {}

TResultsTableModel::~TResultsTableModel() {
  if (results_) results_->Unsubscribe(token_);
}

void TResultsTableModel::Attach(const TProjectDocument& document, TResultsModel& results) {
  if (results_) results_->Unsubscribe(token_);
  document_ = &document;
  results_ = &results;
  token_ = results.Subscribe([this](const TResultsChange&) { ShowResults(); });
  Refresh();
}

void TResultsTableModel::ShowResults() {
  if (results_) ShowRows(MakeResultRows(document_->Project(), results_->Outcomes()));
}

void TResultsTableModel::Refresh() {
  ShowResults();
  emit headerDataChanged(Qt::Horizontal, 0, kResultColumns - 1);
}

void TResultsTableModel::ShowRows(std::vector<TResultRow> rows) {
  if (rows.empty() != rows_.empty()) {
    // The empty row comes or goes.
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
    return;
  }
  if (rows.size() != rows_.size()) InsertOrRemove(rows);
  // Rows that only moved in the list show what they showed: the rows whose
  // texts changed are told in one notice spanning them (a new climate
  // changes most rows, and one notice is far cheaper than hundreds).
  int first = -1, last = -1;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (!LooksSame(rows_[row], rows[row])) {
      if (first < 0) first = static_cast<int>(row);
      last = static_cast<int>(row);
    }
    rows_[row] = std::move(rows[row]);
  }
  if (first >= 0) emit dataChanged(index(first, 0), index(last, kResultColumns - 1));
}

// Supports added or deleted in one place leave the rows before and after
// that place as they were: only the rows in between come or go.
void TResultsTableModel::InsertOrRemove(const std::vector<TResultRow>& rows) {
  const std::size_t common = std::min(rows_.size(), rows.size());
  std::size_t before = 0;
  while (before < common && LooksSame(rows_[before], rows[before])) ++before;
  std::size_t after = 0;
  while (after < common - before && LooksSame(rows_[rows_.size() - 1 - after], rows[rows.size() - 1 - after]))
    ++after;
  const int at = static_cast<int>(before);
  const auto place = rows_.begin() + static_cast<std::ptrdiff_t>(before);
  if (rows.size() > rows_.size()) {
    const std::size_t added = rows.size() - rows_.size();
    beginInsertRows({}, at, at + static_cast<int>(added) - 1);
    rows_.insert(place, rows.begin() + static_cast<std::ptrdiff_t>(before),
                 rows.begin() + static_cast<std::ptrdiff_t>(before + added));
    endInsertRows();
  } else {
    const std::size_t gone = rows_.size() - rows.size();
    beginRemoveRows({}, at, at + static_cast<int>(gone) - 1);
    rows_.erase(place, place + static_cast<std::ptrdiff_t>(gone));
    endRemoveRows();
  }
}

int TResultsTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(static_cast<int>(rows_.size()), 1);
}

int TResultsTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kResultColumns; }

QVariant TResultsTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
  const TResultRow& row = rows_[static_cast<std::size_t>(index.row())];
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(row.Cells[column]);
    case Qt::BackgroundRole:
      return QBrush(Tint(row.Class, column == kMark ? 0.45 : 0.22));
    case Qt::ForegroundRole:
      return QBrush(QColor(20, 20, 20));
    case Qt::TextAlignmentRole: {
      const bool number = row.SortValues[column].has_value() && column != kMark && column != kHang;
      return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    case Qt::ToolTipRole:
      if (column == kVerdict || (column == kNumber && row.DuplicateNumber)) return ToQString(row.Cells[kVerdict]);
      return {};
    case Qt::DecorationRole:
      if (column == kNumber && row.DuplicateNumber)
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
      return {};
    default:
      return {};
  }
}

QVariant TResultsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kResultColumns)
    return QAbstractTableModel::headerData(section, orientation, role);
  return ToQString(ResultColumnTitles()[static_cast<std::size_t>(section)]);
}

bool TResultsSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const auto& rows = static_cast<const TResultsTableModel*>(sourceModel())->Rows();
  if (rows.empty()) return false;  // the empty row alone
  return CellLess(rows[static_cast<std::size_t>(left.row())], rows[static_cast<std::size_t>(right.row())],
                  left.column());
}

}  // namespace orv::ui

#include "ui/models/wires_table_model.h"

#include <algorithm>

#include "base/number_text.h"
#include "project/catalogue/wire_catalog_sort.h"
#include "project/catalogue/wire_name_order.h"
#include "qt_text/qt_string.h"
#include "settings/units.h"

using namespace orv::base;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::qt_text;
using namespace orv::settings;

namespace orv::ui {

namespace {

// The value of a numeric column as the window shows it.
double ColumnValue(const TWireRecord& record, int column) {
  switch (column) {
    case 1:
      return record.WireDiameter;
    case 2:
      return record.WireArea;
    case 3:
      return record.WireWeight;
    case 4:
      return ForceFactor() * record.WireModulus;
    default:
      return record.WireExpansion;
  }
}

}  // namespace

TWiresTableModel::TWiresTableModel(TWireCatalog& catalog, QObject* parent)
    : QAbstractTableModel(parent), catalog_(catalog) {
  token_ = catalog_.Subscribe([this] { CatalogChanged(); });
  shown_ = ShownRecords();
}

TWiresTableModel::~TWiresTableModel() { catalog_.Unsubscribe(token_); }

std::vector<int> TWiresTableModel::ShownRecords() const {
  std::vector<int> shown;
  const std::vector<TWireRecord>& records = catalog_.List().Records();
  for (std::size_t index = 0; index < records.size(); ++index) {
    const TWireRecord& record = records[index];
    if (group_ != 0 && record.WireGroup != group_) continue;
    if (search_.empty() || WireSearchKey(record.WireName).find(search_) != std::string::npos)
      shown.push_back(static_cast<int>(index));
  }
  return shown;
}

void TWiresTableModel::SetFilter(int group, const std::string& search) {
  group_ = group;
  search_ = WireSearchKey(search);
  CatalogChanged();
}

void TWiresTableModel::CatalogChanged() {
  std::vector<int> shown = ShownRecords();
  if (shown == shown_) return Refresh();
  beginResetModel();
  shown_ = std::move(shown);
  endResetModel();
}

void TWiresTableModel::Refresh() {
  emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

int TWiresTableModel::RecordIndex(int row) const {
  const TWireRecord* record = Record(row);
  return record ? catalog_.List().IndexOf(record->WireName) : -1;
}

int TWiresTableModel::RowOf(int index) const {
  const auto found = std::find(shown_.begin(), shown_.end(), index);
  return found == shown_.end() ? -1 : static_cast<int>(found - shown_.begin());
}

const TWireRecord* TWiresTableModel::Record(int row) const {
  if (row < 0 || row >= static_cast<int>(shown_.size())) return nullptr;
  return &catalog_.List().Records()[static_cast<std::size_t>(shown_[static_cast<std::size_t>(row)])];
}

int TWiresTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(static_cast<int>(shown_.size()), 1);
}

int TWiresTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant TWiresTableModel::data(const QModelIndex& index, int role) const {
  const TWireRecord* record = Record(index.row());
  if (!record || role != Qt::DisplayRole) return {};
  if (index.column() == 0) return ToQString(record->WireName);
  return ToQString(FloatToText(ColumnValue(*record, index.column())));
}

bool TWiresSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const auto& model = *static_cast<const TWiresTableModel*>(sourceModel());
  const TWireRecord* a = model.Record(left.row());
  const TWireRecord* b = model.Record(right.row());
  if (!a || !b) return false;
  if (left.column() == 0) return CompareWireNames(WireNameSortKey(a->WireName), WireNameSortKey(b->WireName)) < 0;
  return ColumnValue(*a, left.column()) < ColumnValue(*b, left.column());
}

}  // namespace orv::ui

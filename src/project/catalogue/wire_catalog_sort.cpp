#include "project/catalogue/wire_catalog_sort.h"

#include <cstddef>
#include <string>
#include <utility>

#include "project/catalogue/wire_catalog_record.h"
#include "base/cp1251.h"
#include "project/catalogue/wire_name_order.h"

using namespace orv::base;
using namespace orv::calc;

namespace orv::project {

namespace {

// A record with its key worked out once, so the comparisons stay cheap.
struct SortEntry {
  std::string name;  // Windows-1251 bytes
  double value = 0;
  TWireRecord record;
};

int Compare(const SortEntry& a, const SortEntry& b, bool byName) {
  if (byName) return CompareWireNames(a.name, b.name);
  return a.value < b.value ? -1 : (a.value > b.value ? 1 : 0);
}

// Hoare partition around a copy of the middle element; the larger part is
// handled by the loop, the smaller one by recursion, so the depth stays
// logarithmic.
void QuickSort(std::vector<SortEntry>& items, std::ptrdiff_t left, std::ptrdiff_t right, bool byName) {
  while (left < right) {
    const SortEntry pivot = items[static_cast<std::size_t>(left + (right - left) / 2)];
    std::ptrdiff_t i = left;
    std::ptrdiff_t j = right;
    while (i <= j) {
      while (Compare(items[static_cast<std::size_t>(i)], pivot, byName) < 0) ++i;
      while (Compare(items[static_cast<std::size_t>(j)], pivot, byName) > 0) --j;
      if (i <= j) {
        std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
        ++i;
        --j;
      }
    }
    if (j - left < right - i) {
      QuickSort(items, left, j, byName);
      left = i;
    } else {
      QuickSort(items, i, right, byName);
      right = j;
    }
  }
}

}  // namespace

std::string WireNameSortKey(const std::string& name) { return FitsCp1251(name) ? Utf8ToCp1251(name) : name; }

void SortWireRecords(std::vector<TWireRecord>& records, int key) {
  if (key < kSortByName || key > kSortByExpansion) return;
  const bool byName = key == kSortByName;
  std::vector<SortEntry> items;
  items.reserve(records.size());
  for (TWireRecord& record : records) {
    SortEntry entry;
    if (byName)
      entry.name = WireNameSortKey(record.WireName);
    else
      entry.value = record.*kWireRealFields[key - kSortByDiameter];
    entry.record = std::move(record);
    items.push_back(std::move(entry));
  }
  if (!items.empty()) QuickSort(items, 0, static_cast<std::ptrdiff_t>(items.size()) - 1, byName);
  for (std::size_t i = 0; i < items.size(); ++i) records[i] = std::move(items[i].record);
}

}  // namespace orv::project

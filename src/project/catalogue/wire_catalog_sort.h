#pragma once

#include <string>
#include <vector>

#include "calc/wire_record.h"

namespace orv::project {

// Sort keys of the catalogue, as the column headings of the catalogue window
// number them.
enum WireSortKey {
  kSortByName = 1,
  kSortByDiameter = 2,
  kSortByArea = 3,
  kSortByWeight = 4,
  kSortByModulus = 5,
  kSortByExpansion = 6,
};

// Ascending by `key` with a quicksort around the middle element of each range.
// Names compare as their Windows-1251 bytes with their numbers by value
// (CompareWireNames). Not
// stable: records with equal keys may change places. Any other key leaves the
// order as it is.
void SortWireRecords(std::vector<calc::TWireRecord>& records, int key);

// What a name sorts by: its Windows-1251 bytes (CompareWireNames compares
// them), or its UTF-8 bytes for a name that cannot be saved, so that sorting
// never fails on it (it is refused when saved).
std::string WireNameSortKey(const std::string& name);

}  // namespace orv::project

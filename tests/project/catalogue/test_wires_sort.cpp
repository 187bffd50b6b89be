#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "project/catalogue/wire_catalog_sort.h"
#include "base/cp1251.h"
#include "project/test_catalog_support.h"

using namespace orv::calc;
using namespace orv::project;

namespace {

std::vector<TWireRecord> Named(const std::vector<std::string>& names) {
  std::vector<TWireRecord> records;
  for (const std::string& name : names) records.push_back(Wire(1, name));
  return records;
}

struct NameOrderCase {
  const char* title;
  std::vector<std::string> input;
  std::vector<std::string> sorted;
};

const NameOrderCase kNameOrders[] = {
    {"prefix first", {"AC 70", "AC", "AC 7"}, {"AC", "AC 7", "AC 70"}},
    {"upper case before lower", {"b", "a", "B", "A"}, {"A", "B", "a", "b"}},
    {"numbers by their value",
     {"AC 95/16", "AC 120/19", "AC 10/1.8", "A 16", "A 150", "A 120"},
     {"A 16", "A 120", "A 150", "AC 10/1.8", "AC 95/16", "AC 120/19"}},
    {"the second number too, leading zeros aside", {"АС 400/51", "АС 50/8", "АС 50/08", "АС 50/11"},
     {"АС 50/08", "АС 50/8", "АС 50/11", "АС 400/51"}},
    {"Cyrillic after every Latin letter",
     {"АС 70/11", "z", "ТК 50", "AC 70/11"},
     {"AC 70/11", "z", "АС 70/11", "ТК 50"}},
    // Windows-1251 puts Ё and ё before А; code point order would put ё last.
    {"Windows-1251 bytes, not code points", {"ёж", "Яблоко", "АС", "Ёлка"}, {"Ёлка", "ёж", "АС", "Яблоко"}},
    {"lower-case Cyrillic after upper", {"ас", "АС", "яс"}, {"АС", "ас", "яс"}},
    {"empty name first", {"A", ""}, {"", "A"}},
};

TEST(WireSort, NamesSortByTheirFileBytesAndTheirNumbers) {
  for (const NameOrderCase& c : kNameOrders) {
    std::vector<TWireRecord> records = Named(c.input);
    SortWireRecords(records, kSortByName);
    EXPECT_EQ(Names(records), c.sorted) << c.title;
  }
}

TEST(WireSort, EachNumberKeySortsItsField) {
  // Each record is the smallest in one field, so every key gives its own order.
  const std::vector<TWireRecord> input = {Wire(1, "w1", 3, 5, 1, 2, 4), Wire(1, "w2", 1, 4, 5, 3, 2),
                                          Wire(1, "w3", 2, 1, 3, 5, 6), Wire(1, "w4", 5, 3, 2, 1, 5),
                                          Wire(1, "w5", 4, 2, 6, 6, 1), Wire(1, "w6", 6, 6, 4, 4, 3)};
  const struct {
    int key;
    std::vector<std::string> sorted;
  } cases[] = {
      {kSortByDiameter, {"w2", "w3", "w1", "w5", "w4", "w6"}},
      {kSortByArea, {"w3", "w5", "w4", "w2", "w1", "w6"}},
      {kSortByWeight, {"w1", "w4", "w3", "w6", "w2", "w5"}},
      {kSortByModulus, {"w4", "w1", "w2", "w6", "w3", "w5"}},
      {kSortByExpansion, {"w5", "w2", "w6", "w1", "w4", "w3"}},
  };
  for (const auto& c : cases) {
    std::vector<TWireRecord> records = input;
    SortWireRecords(records, c.key);
    EXPECT_EQ(Names(records), c.sorted) << "key " << c.key;
  }
}

TEST(WireSort, OtherKeysChangeNothing) {
  for (int key : {0, 7, -1, 100}) {
    std::vector<TWireRecord> records = Named({"c", "a", "b"});
    SortWireRecords(records, key);
    EXPECT_EQ(Names(records), (std::vector<std::string>{"c", "a", "b"})) << key;
  }
}

// The quicksort is not stable: of two records with equal keys the partition
// exchanges them, so the "first" of two equal names depends on the sort.
TEST(WireSort, EqualKeysMayChangePlaces) {
  std::vector<TWireRecord> records = {Wire(1, "same", 1), Wire(2, "same", 2)};
  SortWireRecords(records, kSortByName);
  EXPECT_EQ(records[0].WireGroup, 2);
  EXPECT_EQ(records[1].WireGroup, 1);
}

TEST(WireSort, LargeListsEndOrderedAndKeepEveryRecord) {
  std::mt19937 random(42);
  const struct {
    const char* title;
    int size;
    int distinctValues;
    bool presorted;
  } cases[] = {{"random", 5000, 1000, false},
               {"few values", 20000, 3, false},
               {"all equal", 20000, 1, false},
               {"already sorted", 20000, 20000, true}};
  for (const auto& c : cases) {
    std::vector<TWireRecord> records;
    for (int i = 0; i < c.size; ++i) {
      const int value = c.presorted ? i : static_cast<int>(random() % c.distinctValues);
      records.push_back(Wire(i, "w", value));
    }
    SortWireRecords(records, kSortByDiameter);
    EXPECT_TRUE(std::is_sorted(records.begin(), records.end(), [](auto& a, auto& b) {
      return a.WireDiameter < b.WireDiameter;
    })) << c.title;
    std::vector<int> groups;
    for (const TWireRecord& record : records) groups.push_back(record.WireGroup);
    std::sort(groups.begin(), groups.end());
    for (int i = 0; i < c.size; ++i) ASSERT_EQ(groups[static_cast<std::size_t>(i)], i) << c.title;
  }
}

}  // namespace

#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "calc/wire_record.h"
#include "project/test_project_support.h"

inline std::string CatalogTestData(const std::string& name) {
  return std::string(ORVANE_TEST_DATA) + "/catalog/" + name;
}

inline orv::calc::TWireRecord Wire(int32_t group, const std::string& name, double diameter = 0, double area = 0,
                        double weight = 0, double modulus = 0, double expansion = 0) {
  orv::calc::TWireRecord record;
  record.WireGroup = group;
  record.WireName = name;
  record.WireDiameter = diameter;
  record.WireArea = area;
  record.WireWeight = weight;
  record.WireModulus = modulus;
  record.WireExpansion = expansion;
  return record;
}

inline std::vector<std::string> Names(const std::vector<orv::calc::TWireRecord>& records) {
  std::vector<std::string> names;
  for (const orv::calc::TWireRecord& record : records) names.push_back(record.WireName);
  return names;
}

// The three wires of tests/data/catalog/three_wires.*, in file order.
inline std::vector<orv::calc::TWireRecord> ThreeWires() {
  return {Wire(1, "АС 70/11", 11.4, 79.3, 0.276, 8250, 19.2e-6),
          Wire(5, "ТК 50", 9.1, 48.6, 0.417, 18500, 12e-6), Wire(4, "AsXS 25", 14.2, 25, 0.1, 6200, 23e-6)};
}

inline void ExpectSameRecords(const std::vector<orv::calc::TWireRecord>& actual,
                              const std::vector<orv::calc::TWireRecord>& expected) {
  ASSERT_EQ(Names(actual), Names(expected));
  for (std::size_t i = 0; i < actual.size(); ++i)
    EXPECT_TRUE(actual[i].Equals(expected[i])) << "record " << i << " " << actual[i].WireName;
}

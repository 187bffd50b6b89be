#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/model/pillar_list.h"

using namespace orv::calc;
using namespace orv::project;

namespace {

TPillar Numbered(const std::string& number) {
  TPillar support;
  support.SupportNumber = number;
  return support;
}

std::vector<std::string> Numbers(const TPillarList& list) {
  std::vector<std::string> numbers;
  for (int i = 0; i < list.Count(); ++i) numbers.push_back(list.Items(i).SupportNumber);
  return numbers;
}

TPillarList ListOf(std::initializer_list<const char*> numbers) {
  TPillarList list;
  for (const char* number : numbers) list.Add(Numbered(number));
  return list;
}

TEST(PillarList, AddReturnsTheNewLastIndex) {
  TPillarList list;
  EXPECT_EQ(list.Add(Numbered("1")), 0);
  EXPECT_EQ(list.Add(Numbered("2")), 1);
  EXPECT_EQ(list.Count(), 2);
}

struct InsertCase {
  int index;
  std::vector<std::string> expected;
};

class PillarListInsert : public testing::TestWithParam<InsertCase> {};

TEST_P(PillarListInsert, TakesThePositionAndMovesTheRestOn) {
  TPillarList list = ListOf({"1", "2", "3"});
  list.Insert(GetParam().index, Numbered("new"));
  EXPECT_EQ(Numbers(list), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(PillarList, PillarListInsert,
                         testing::Values(InsertCase{0, {"new", "1", "2", "3"}},
                                         InsertCase{1, {"1", "new", "2", "3"}},
                                         InsertCase{3, {"1", "2", "3", "new"}}));

TEST(PillarList, DeleteAndClear) {
  TPillarList list = ListOf({"1", "2", "3"});
  list.Delete(1);
  EXPECT_EQ(Numbers(list), (std::vector<std::string>{"1", "3"}));
  list.Delete(1);
  EXPECT_EQ(Numbers(list), (std::vector<std::string>{"1"}));
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(PillarList, AssignIsADeepCopyReplacingTheTarget) {
  TPillarList source = ListOf({"1", "2"});
  source.Items(1).TensionMode = 1;
  TPillarList target = ListOf({"9", "8", "7"});
  target.Assign(source);
  EXPECT_TRUE(target.Equals(source));
  target.Items(0).SpanLeft = 100;
  EXPECT_EQ(source.Items(0).SpanLeft, 0);
  target.Assign(target);
  EXPECT_EQ(target.Count(), 2);
}

struct EqualsCase {
  const char* name;
  void (*change)(TPillarList&);
};

class PillarListDiffers : public testing::TestWithParam<EqualsCase> {};

TEST_P(PillarListDiffers, WhenAnythingDiffers) {
  const TPillarList base = ListOf({"1", "2"});
  TPillarList other;
  other.Assign(base);
  ASSERT_TRUE(other.Equals(base));
  GetParam().change(other);
  EXPECT_FALSE(other.Equals(base));
  EXPECT_FALSE(base.Equals(other));
}

INSTANTIATE_TEST_SUITE_P(
    PillarList, PillarListDiffers,
    testing::Values(EqualsCase{"Reserved", [](TPillarList& l) { l.Items(1).Reserved = 1; }},
                    EqualsCase{"TensionMode", [](TPillarList& l) { l.Items(0).TensionMode = 1; }},
                    EqualsCase{"Swapped",
                               [](TPillarList& l) {
                                 TPillar first = l.Items(0);
                                 l.Delete(0);
                                 l.Add(first);
                               }},
                    EqualsCase{"OneMore", [](TPillarList& l) { l.Add(TPillar()); }},
                    EqualsCase{"OneLess", [](TPillarList& l) { l.Delete(1); }},
                    EqualsCase{"NumberCase", [](TPillarList& l) { l.Items(0).SupportNumber = "1A"; }},
                    EqualsCase{"TinyReal", [](TPillarList& l) { l.Items(0).SpanLeft = 1e-300; }}),
    [](const testing::TestParamInfo<EqualsCase>& info) { return std::string(info.param.name); });

}  // namespace

#include "base/text_utils.h"

#include <gtest/gtest.h>

using namespace orv::base;

namespace {

struct SplitCase {
  std::string text;
  std::vector<std::string> parts;
};

TEST(SplitText, SeparatorRunsAndEndsFollowTheDictionaryRules) {
  const SplitCase cases[] = {
      {"a;b", {"a", "b"}},
      {";a", {"a"}},
      {";;;a;b", {"a", "b"}},
      {"a;;b", {"a", "b"}},
      {"a;;;b;", {"a", "b"}},
      {"a;", {"a"}},
      {" ;до", {" ", "до"}},
      {";;", {}},
      {"", {}},
      {"8.43;1000", {"8.43", "1000"}},
      {"8.43;", {"8.43"}},
      {"one", {"one"}},
      {"x\r\n;\r\ny", {"x\r\n", "\r\ny"}},
      {"a;b;c", {"a", "b", "c"}},
  };
  for (const SplitCase& c : cases) EXPECT_EQ(SplitText(c.text, ';'), c.parts) << "text: " << c.text;
}

TEST(SplitText, OtherSeparator) {
  EXPECT_EQ(SplitText("1|2||3", '|'), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(SplitText("1;2", '|'), (std::vector<std::string>{"1;2"}));
}

TEST(FileBaseName, CutsFolderAndEverythingFromTheFirstPoint) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\Work\\Route.2.orv", "Route"},
      {"D:\\a.b\\c", "c"},
      {"route", "route"},
      {"", ""},
      {"C:route.orv", "route"},
      {"/home/user/Линия 5.orv", "Линия 5"},
      {"mixed\\dir/name.orv", "name"},
      {"dir.d/", ""},
      {".hidden", ""},
      {"C:\\Work\\", ""},
  };
  for (const auto& [path, name] : cases) EXPECT_EQ(FileBaseName(path), name) << "path: " << path;
}

}  // namespace

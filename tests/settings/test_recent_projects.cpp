#include <string>
#include <vector>

#include "settings/recent_projects.h"
#include "settings_fixture.h"

using namespace orv::settings;

namespace {

using Paths = std::vector<std::string>;

TEST_F(SettingsTest, RecentProjectsNewestFirstWithoutRepeatsWithinTheLimit) {
  for (const char* path : {"a.orv", "b.orv", "c.orv", "a.orv"}) TRecentProjects::Add(path);
  EXPECT_EQ(TRecentProjects::Read(), (Paths{"a.orv", "c.orv", "b.orv"}));
  EXPECT_EQ(store.values["Recent1"], "a.orv") << "kept with the other settings";
  TRecentProjects::Remove("c.orv");
  EXPECT_EQ(TRecentProjects::Read(), (Paths{"a.orv", "b.orv"}));
  for (int i = 0; i < 10; ++i) TRecentProjects::Add("p" + std::to_string(i));
  const Paths paths = TRecentProjects::Read();
  ASSERT_EQ(paths.size(), TRecentProjects::kLimit);
  EXPECT_EQ(paths.front(), "p9");
  EXPECT_EQ(paths.back(), "p2");
}

TEST_F(SettingsTest, RecentProjectsNeverFailOnAStoreThatFails) {
  TRecentProjects::Add("a.orv");
  store.failWrites = true;
  EXPECT_NO_THROW(TRecentProjects::Add("b.orv"));
  EXPECT_EQ(TRecentProjects::Read(), Paths{"a.orv"});
  store.failReads = true;
  EXPECT_TRUE(TRecentProjects::Read().empty());
}

}  // namespace

#pragma once

#include <string>
#include <vector>

#include "project/model/pillar_list.h"

namespace orv::project {

// The numbers of the supports whose wire is `wire`, in list order.
std::vector<std::string> SupportsUsingWire(const TPillarList& pillars, const std::string& wire);

// The numbers for a message: the first `shown` of them joined by ", ",
// followed by "…" when there are more.
std::string NumbersForMessage(const std::vector<std::string>& numbers, std::size_t shown = 10);

}  // namespace orv::project

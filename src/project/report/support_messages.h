#pragma once

#include <string>

#include "calc/pillar.h"

namespace orv::project {

// "Support 12 (АС 70/11): ", in the current language: what every message
// about one support starts with, so that among a thousand supports the user
// knows which one to correct.
std::string SupportMessagePrefix(const calc::TPillar& support);

}  // namespace orv::project

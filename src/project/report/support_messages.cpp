#include "project/report/support_messages.h"

#include "base/text_excerpt.h"
#include "settings/localization.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;

namespace orv::project {

std::string SupportMessagePrefix(const TPillar& support) {
  std::string prefix = LocalText("Support") + " " + TextExcerpt(support.SupportNumber);
  if (!support.WireName.empty()) prefix += " (" + TextExcerpt(support.WireName) + ")";
  return prefix + ": ";
}

}  // namespace orv::project

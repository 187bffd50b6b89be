#include "project/catalogue/wire_users.h"

#include "base/text_excerpt.h"

using namespace orv::base;

namespace orv::project {

std::vector<std::string> SupportsUsingWire(const TPillarList& pillars, const std::string& wire) {
  std::vector<std::string> numbers;
  for (int i = 0; i < pillars.Count(); ++i)
    if (pillars.Items(i).WireName == wire) numbers.push_back(pillars.Items(i).SupportNumber);
  return numbers;
}

std::string NumbersForMessage(const std::vector<std::string>& numbers, std::size_t shown) {
  std::string text;
  for (std::size_t i = 0; i < numbers.size() && i < shown; ++i) text += (i ? ", " : "") + TextExcerpt(numbers[i]);
  if (numbers.size() > shown) text += ", …";
  return text;
}

}  // namespace orv::project

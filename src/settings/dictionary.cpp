#include "settings/dictionary.h"

#include "base/text_utils.h"
#include "base/utf8.h"

using namespace orv::base;

namespace orv::settings {

namespace {

char32_t LowerCase(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;  // А..Я
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;  // Ѐ..Џ, Ё among them
  if (c == 0x0490) return 0x0491;                   // Ґ
  return c;
}

std::string FoldCase(const std::string& key) {
  std::string folded;
  std::size_t position = 0;
  char32_t c = 0;
  while (position < key.size()) {
    if (NextCodePoint(key, position, c)) {
      AppendUtf8(folded, LowerCase(c));
    } else {
      folded += key[position++];
    }
  }
  return folded;
}

}  // namespace

void TDictionary::Register(const std::string& key, const std::string& text) {
  std::string folded = FoldCase(key);
  std::size_t index = IndexOf(folded);
  Entry entry{key, SplitText(text, ';')};
  if (index == entries_.size()) {
    positions_.emplace(std::move(folded), index);
    entries_.push_back(std::move(entry));
  } else {
    entries_[index] = std::move(entry);
  }
}

std::string TDictionary::Part(const std::string& key, int index) const {
  std::size_t found = IndexOf(FoldCase(key));
  if (found == entries_.size() || index < 0) return {};
  const std::vector<std::string>& parts = entries_[found].parts;
  return static_cast<std::size_t>(index) < parts.size() ? parts[index] : std::string();
}

void TDictionary::Clear() {
  entries_.clear();
  positions_.clear();
}

std::size_t TDictionary::Count() const { return entries_.size(); }

std::size_t TDictionary::IndexOf(const std::string& foldedKey) const {
  auto found = positions_.find(foldedKey);
  return found == positions_.end() ? entries_.size() : found->second;
}

}  // namespace orv::settings

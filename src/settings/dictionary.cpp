#include "settings/dictionary.h"

#include "settings/text_utils.h"
#include "settings/utf8.h"

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
  if (index == entries_.size()) {
    entries_.push_back({key, folded, text});
  } else {
    entries_[index] = {key, folded, text};
  }
}

std::string TDictionary::Part(const std::string& key, int index) const {
  std::size_t found = IndexOf(FoldCase(key));
  if (found == entries_.size() || index < 0) return {};
  std::vector<std::string> parts = SplitText(entries_[found].text, ';');
  return static_cast<std::size_t>(index) < parts.size() ? parts[index] : std::string();
}

void TDictionary::Clear() { entries_.clear(); }

std::size_t TDictionary::Count() const { return entries_.size(); }

std::size_t TDictionary::IndexOf(const std::string& foldedKey) const {
  std::size_t index = 0;
  while (index < entries_.size() && entries_[index].foldedKey != foldedKey) ++index;
  return index;
}

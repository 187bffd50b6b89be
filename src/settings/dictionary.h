#pragma once

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace orv::settings {

// The ordered list of two-language texts behind the localisation functions.
// Keys compare without regard to letter case (Latin and Cyrillic).
class TDictionary {
 public:
  // Adds the entry at the end, or replaces the text (and the key's spelling)
  // of the entry with an equal key, which keeps its place.
  void Register(const std::string& key, const std::string& text);
  // The part `index` of the key's text split at ";"; empty when the key or
  // the part is missing.
  std::string Part(const std::string& key, int index) const;
  void Clear();
  std::size_t Count() const;

 private:
  // Key and text are held apart, so a key holding "=" or ";" cannot spill
  // into its text.
  struct Entry {
    std::string key;
    std::vector<std::string> parts;  // the text split at ";", once, at registration
  };
  // The entry's position, or Count() when there is none.
  std::size_t IndexOf(const std::string& foldedKey) const;

  std::vector<Entry> entries_;
  // Folded key to position: every caption and verdict is looked up here, and the
  // calculation asks for one text per support.
  std::unordered_map<std::string, std::size_t> positions_;
};

}  // namespace orv::settings

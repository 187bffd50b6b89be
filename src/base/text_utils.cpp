#include "base/text_utils.h"

namespace orv::base {

std::vector<std::string> SplitText(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  std::size_t i = text.find_first_not_of(separator);
  for (; i < text.size(); ++i) {
    if (text[i] != separator) {
      parts.back() += text[i];
    } else if (i + 1 == text.size() || text[i + 1] != separator) {
      parts.emplace_back();
    }
  }
  if (parts.back().empty()) parts.pop_back();
  return parts;
}

std::vector<std::string> SplitFields(const std::string& text, char separator) {
  std::vector<std::string> fields(1);
  for (char c : text) {
    if (c == separator)
      fields.emplace_back();
    else
      fields.back() += c;
  }
  return fields;
}

std::string FileBaseName(const std::string& path) {
  std::size_t folderEnd = path.find_last_of("\\:/");
  std::string name = folderEnd == std::string::npos ? path : path.substr(folderEnd + 1);
  return name.substr(0, name.find('.'));
}

std::string OnOneLine(const std::string& text) {
  std::string line;
  line.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    line += (c == '\r' || c == '\n') ? ' ' : c;
  }
  return line;
}

bool StartsLikeFormula(std::string_view text) {
  return !text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos;
}

}  // namespace orv::base

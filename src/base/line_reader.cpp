#include "base/line_reader.h"

#include <algorithm>

#include "base/atomic_file.h"
#include "base/cp1251.h"
#include "base/number_text.h"

namespace orv::base {

TextLineReader::TextLineReader(std::string bytes) : bytes_(std::move(bytes)) {}

TextLineReader TextLineReader::FromFile(const std::string& path) {
  return TextLineReader(ReadWholeFile(path));
}

std::string TextLineReader::ReadTextLine() {
  ++lineNumber_;
  if (AtEnd()) return {};
  std::size_t end = std::min(bytes_.find_first_of("\r\n", position_), bytes_.size());
  std::string line = bytes_.substr(position_, end - position_);
  position_ = end;
  if (position_ < bytes_.size() && bytes_[position_] == '\r') ++position_;
  if (position_ < bytes_.size() && bytes_[position_] == '\n') ++position_;
  return line;
}

std::string TextLineReader::ReadNumberText() {
  std::string line = ReadTextLine();
  std::replace(line.begin(), line.end(), ',', '.');
  return line;
}

// A number is ASCII; converting first only matters for the error message,
// which then shows the line's Cyrillic letters as they are.
double TextLineReader::ReadFloatLine() { return TextToFloat(Cp1251ToUtf8(ReadNumberText())); }

int TextLineReader::ReadIntLine() { return TextToInt(Cp1251ToUtf8(ReadTextLine())); }

bool TextLineReader::AtEnd() const { return position_ >= bytes_.size(); }

int TextLineReader::LineNumber() const { return lineNumber_; }

std::string ReadTextLine(TextLineReader& file) { return file.ReadTextLine(); }
std::string ReadNumberText(TextLineReader& file) { return file.ReadNumberText(); }
double ReadFloatLine(TextLineReader& file) { return file.ReadFloatLine(); }
int ReadIntLine(TextLineReader& file) { return file.ReadIntLine(); }

}  // namespace orv::base

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

namespace {

// Nearly every number line is plain ASCII without a ",": it is read where it
// lies. Any other goes the long way, so that a message shows its Cyrillic
// letters as they are.
bool IsPlainNumberText(std::string_view line) {
  return std::all_of(line.begin(), line.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80 && c != ','; });
}

}  // namespace

std::string_view TextLineReader::NextLine() {
  ++lineNumber_;
  if (AtEnd()) return {};
  // A plain scan: find_first_of would search the set of two for every byte.
  std::size_t end = position_;
  while (end < bytes_.size() && bytes_[end] != '\r' && bytes_[end] != '\n') ++end;
  const std::string_view line(bytes_.data() + position_, end - position_);
  position_ = end;
  if (position_ < bytes_.size() && bytes_[position_] == '\r') ++position_;
  if (position_ < bytes_.size() && bytes_[position_] == '\n') ++position_;
  return line;
}

std::string TextLineReader::ReadTextLine() { return std::string(NextLine()); }

std::string TextLineReader::ReadNumberText() {
  std::string line = ReadTextLine();
  std::replace(line.begin(), line.end(), ',', '.');
  return line;
}

double TextLineReader::ReadFloatLine() {
  const std::string_view line = NextLine();
  if (IsPlainNumberText(line)) return TextToFloat(line);
  std::string text(line);
  std::replace(text.begin(), text.end(), ',', '.');
  return TextToFloat(Cp1251ToUtf8(text));
}

// No "," replacement here: "1,5" is no integer.
int TextLineReader::ReadIntLine() {
  const std::string_view line = NextLine();
  return IsPlainNumberText(line) ? TextToInt(line) : TextToInt(Cp1251ToUtf8(line));
}

bool TextLineReader::AtEnd() const { return position_ >= bytes_.size(); }

bool TextLineReader::OnlyBlankLinesLeft() const {
  for (std::size_t i = position_; i < bytes_.size(); ++i) {
    const char c = bytes_[i];
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
  }
  return true;
}

std::size_t TextLineReader::BytesLeft() const { return AtEnd() ? 0 : bytes_.size() - position_; }

int TextLineReader::LineNumber() const { return lineNumber_; }

std::string ReadTextLine(TextLineReader& file) { return file.ReadTextLine(); }
std::string ReadNumberText(TextLineReader& file) { return file.ReadNumberText(); }
double ReadFloatLine(TextLineReader& file) { return file.ReadFloatLine(); }
int ReadIntLine(TextLineReader& file) { return file.ReadIntLine(); }

}  // namespace orv::base

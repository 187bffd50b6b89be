#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orv::base {

// Reads the program's text files one value per line. A line ends at CR LF,
// a lone CR or a lone LF; every read past the end yields an empty text, so a
// file that ends early fails only at the first number read there. Texts are
// returned as the file holds them (Windows-1251 bytes); convert with
// Cp1251ToUtf8.
class TextLineReader {
 public:
  explicit TextLineReader(std::string bytes);

  // Reads the whole file; throws "File not found", "File access denied" or
  // "I/O error %d".
  static TextLineReader FromFile(const std::string& path);

  std::string ReadTextLine();
  // The next line with every "," turned into ".".
  std::string ReadNumberText();
  // ReadNumberText, then TextToFloat.
  double ReadFloatLine();
  // ReadTextLine, then TextToInt (no "," replacement).
  int ReadIntLine();

  bool AtEnd() const;
  // Nothing but blanks and line ends follows; the scan stops at the first
  // other character, so asking before each record costs little.
  bool OnlyBlankLinesLeft() const;
  // Bytes not read yet: a bound on what the rest of the file can hold.
  std::size_t BytesLeft() const;
  // Number of reads so far, past the end included: after a failed number
  // read it is the line that held the bad text.
  int LineNumber() const;

 private:
  // The next line where it lies in the bytes.
  std::string_view NextLine();

  std::string bytes_;
  std::size_t position_ = 0;
  int lineNumber_ = 0;
};

std::string ReadTextLine(TextLineReader& file);
std::string ReadNumberText(TextLineReader& file);
double ReadFloatLine(TextLineReader& file);
int ReadIntLine(TextLineReader& file);

}  // namespace orv::base

#include "project/file/project_encoding.h"

#include <string_view>

#include "base/cp1251.h"
#include "base/errors.h"
#include "base/utf8.h"
#include "project/file/project_error_location.h"

using namespace orv::base;

namespace orv::project {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsUtf8BeyondAscii(std::string_view bytes) {
  bool beyondAscii = false;
  char32_t codePoint = 0;
  for (std::size_t at = 0; at < bytes.size();) {
    if (!NextCodePoint(bytes, at, codePoint)) return false;
    beyondAscii = beyondAscii || codePoint >= 0x80;
  }
  return beyondAscii;
}

}  // namespace

std::string ProjectBytesAsCp1251(std::string bytes, const std::string& path) {
  const bool marked = bytes.starts_with(kByteOrderMark);
  if (!marked && !IsUtf8BeyondAscii(bytes)) return bytes;
  try {
    return Utf8ToCp1251(std::string_view(bytes).substr(marked ? kByteOrderMark.size() : 0));
  } catch (const OrvError& error) {
    throw OrvError(WithErrorLocation(error.what(), path, 0));
  }
}

}  // namespace orv::project

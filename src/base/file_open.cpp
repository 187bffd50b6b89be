#include "base/file_open.h"

#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#endif

namespace orv::base {

std::filesystem::path PathFromUtf8(const std::string& path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string PathToUtf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

#ifdef _WIN32
namespace {

// The system C runtime (msvcrt.dll) refuses "x", so the file is created with
// O_EXCL and then opened as a stream.
std::FILE* CreateExclusively(const std::filesystem::path& path, std::string_view mode) {
  const bool binary = mode.find('b') != std::string_view::npos;
  const int fd = _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | (binary ? _O_BINARY : _O_TEXT),
                        _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  std::FILE* file = _fdopen(fd, binary ? "wb" : "w");
  if (!file) _close(fd);
  return file;
}

}  // namespace
#endif

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
  const std::string_view text(mode);
  if (text.find('x') != std::string_view::npos) return CreateExclusively(path, text);
  std::wstring wideMode(text.begin(), text.end());
  return _wfopen(path.c_str(), wideMode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

}  // namespace orv::base

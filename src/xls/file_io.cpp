#include "xls/file_io.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "settings/errors.h"
#include "xls/xls_errors.h"

namespace {

namespace fs = std::filesystem;

fs::path TemporaryBeside(const fs::path& target) {
  std::random_device seed;
  std::string name = "~" + target.filename().string() + "." + std::to_string(seed() % 1000000) + ".tmp";
  return target.parent_path() / name;
}

}  // namespace

std::string ReadWorkbookFile(const std::string& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) throw OrvError(kCannotOpenFile);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw OrvError(kCannotOpenFile);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw OrvError(kCannotOpenFile);
  return bytes;
}

void ReplaceWorkbookFile(const std::string& path, std::string_view bytes) {
  fs::path target(path);
  std::error_code error;
  if (target.filename().empty() || fs::is_directory(target, error)) throw OrvError(kCannotCreateFile);
  fs::path temporary = TemporaryBeside(target);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (out) out.flush();
    if (!out) {
      out.close();
      fs::remove(temporary, error);
      throw OrvError(kCannotCreateFile);
    }
  }
  fs::rename(temporary, target, error);
  if (error) {
    fs::remove(temporary, error);
    throw OrvError(kCannotCreateFile);
  }
}

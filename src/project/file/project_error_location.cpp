#include "project/file/project_error_location.h"

#include "base/atomic_file.h"
#include "base/errors.h"

using namespace orv::base;

namespace orv::project {

std::string WithErrorLocation(const std::string& message, const std::string& fileName, int line,
                              const std::string& field) {
  std::string place;
  if (!fileName.empty()) place = "file \"" + fileName + "\"";
  if (line > 0) place += (place.empty() ? "line " : ", line ") + std::to_string(line);
  if (!field.empty()) place += (place.empty() ? "field " : ", field ") + field;
  if (place.empty()) return message;
  return message + " (" + place + ")";
}

std::string ReadWholeFileNamingIt(const std::string& path, std::uintmax_t limit) {
  try {
    return ReadWholeFile(path, limit);
  } catch (const FileReadRefused&) {
    throw;  // names the file already
  } catch (const OrvError& error) {
    throw OrvError(WithErrorLocation(error.what(), path, 0));
  }
}

}  // namespace orv::project

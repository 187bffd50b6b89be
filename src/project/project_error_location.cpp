#include "project/project_error_location.h"

std::string WithErrorLocation(const std::string& message, const std::string& fileName, int line) {
  std::string place;
  if (!fileName.empty()) place = "file \"" + fileName + "\"";
  if (line > 0) place += (place.empty() ? "line " : ", line ") + std::to_string(line);
  if (place.empty()) return message;
  return message + " (" + place + ")";
}

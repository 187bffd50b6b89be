#include "ui/wires/cut_file_text.h"

#include "base/cp1251.h"
#include "base/errors.h"

using namespace orv::base;

namespace orv::ui {

std::string CutFileText(const std::string& text, std::size_t limit, const std::string& what) {
  const std::string cut = Utf8Left(text, limit);
  try {
    Utf8ToCp1251(cut);
  } catch (const OrvError& error) {
    throw OrvError(what + " \"" + cut + "\" cannot be stored: " + error.what());
  }
  return cut;
}

}  // namespace orv::ui

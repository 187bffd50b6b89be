#include "ui/app/program_error_text.h"

#include "settings/localization.h"

using namespace orv::settings;

namespace orv::ui {

namespace {

constexpr const char* kContactsEn =
    "Mirvex, Quorin product support\ne-mail: support@mirvex.example\nphone: +7 (495) 555-01-80";
constexpr const char* kContactsRu =
    "Mirvex, поддержка продуктов Quorin\nэл. почта: support@mirvex.example\nтелефон: +7 (495) 555-01-80";

}  // namespace

std::string ProgramErrorText() {
  if (IsEnglish()) {
    return std::string("Program error.\n\nPlease, address the program developers.\n\n") + kContactsEn;
  }
  return std::string("Ошибка в работе программы.\n\nПожалуйста, обратитесь к разработчикам.\n\n") +
         kContactsRu;
}

}  // namespace orv::ui

#include "ui/app/start_up_guard.h"

#include "settings/ports/ports.h"
#include "ui/app/program_error_text.h"

using namespace orv::settings;

namespace orv::ui {

int RunStartUpGuarded(const std::function<int()>& program) {
  try {
    return program();
  } catch (...) {
    GetMessages().Show(MessageKind::Information, ProgramErrorText(), MessageButtons::Ok);
    return 1;
  }
}

}  // namespace orv::ui

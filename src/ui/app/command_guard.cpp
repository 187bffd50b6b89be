#include "ui/app/command_guard.h"

#include <exception>
#include <string>

#include "settings/ports/ports.h"

using namespace orv::settings;

namespace orv::ui {

namespace {

// An exception that carries no message of ours still gets a box, so the user
// learns that the command did not finish.
constexpr const char* kUnknownError = "Unknown error";

void ShowError(const std::string& text) {
  GetMessages().Show(MessageKind::Error, text.empty() ? kUnknownError : text, MessageButtons::Ok);
}

}  // namespace

void ReportCurrentException() {
  try {
    throw;
  } catch (const std::exception& error) {
    ShowError(error.what());
  } catch (...) {
    ShowError(kUnknownError);
  }
}

void RunGuarded(const std::function<void()>& command) {
  try {
    command();
  } catch (...) {
    ReportCurrentException();
  }
}

}  // namespace orv::ui

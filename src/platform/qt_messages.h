#pragma once

#include <QMessageBox>
#include <memory>

#include "settings/ports/messages.h"

namespace orv::platform {

// Message boxes of the desktop program, owned by the active window.
// Warnings carry the title "Warning", every other box the application title;
// the title and buttons are in the current language.
class QtMessages : public settings::Messages {
 public:
  settings::MessageAnswer Show(settings::MessageKind kind, const std::string& text, settings::MessageButtons buttons) override;
};

// The box Show runs, built but not shown.
std::unique_ptr<QMessageBox> BuildMessageBox(settings::MessageKind kind, const std::string& text,
                                             settings::MessageButtons buttons, QWidget* owner);

// The answer of a box built by BuildMessageBox once it has ended; closing the
// box without a button counts as No for a question, as Cancel for the save
// question, as Ok otherwise.
settings::MessageAnswer AnswerOf(const QMessageBox& box, settings::MessageButtons buttons);

}  // namespace orv::platform

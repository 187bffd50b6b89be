#pragma once

#include <QMessageBox>
#include <memory>

#include "settings/ports/messages.h"

// Message boxes of the desktop program, owned by the active window.
// Warnings carry the title "Warning", every other box the application title;
// the title and buttons are in the current language.
class QtMessages : public orv::settings::Messages {
 public:
  orv::settings::MessageAnswer Show(orv::settings::MessageKind kind, const std::string& text, orv::settings::MessageButtons buttons) override;
};

// The box Show runs, built but not shown.
std::unique_ptr<QMessageBox> BuildMessageBox(orv::settings::MessageKind kind, const std::string& text,
                                             orv::settings::MessageButtons buttons, QWidget* owner);

// The answer of a box built by BuildMessageBox once it has ended; closing the
// box without a button counts as No for a question, as Cancel for the save
// question, as Ok otherwise.
orv::settings::MessageAnswer AnswerOf(const QMessageBox& box, orv::settings::MessageButtons buttons);

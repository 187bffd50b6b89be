#pragma once

#include <string>

namespace orv::settings {

enum class MessageKind {
  Warning,      // warning icon, title "Warning"
  Error,        // stop icon
  Information,  // plain box with the application title
};

// YesNoDefaultNo: a question whose Yes destroys something; Enter answers No.
// SaveDiscardCancel: whether to save changes before they would be lost; its
// buttons "Save", "Don't save" and "Cancel" answer Yes, No and Cancel.
enum class MessageButtons { Ok, Yes, YesNo, YesNoDefaultNo, SaveDiscardCancel };

enum class MessageAnswer { Ok, Yes, No, Cancel };

// Modal message boxes. The desktop program shows them; the command line
// prints them; tests record them and answer from a script.
class Messages {
 public:
  virtual ~Messages() = default;
  virtual MessageAnswer Show(MessageKind kind, const std::string& text, MessageButtons buttons) = 0;
};

}  // namespace orv::settings

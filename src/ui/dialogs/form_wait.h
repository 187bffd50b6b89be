#pragma once

#include <QLabel>
#include <QWidget>
#include <string>

namespace orv::ui {

// A small tool window shown while long work runs on the user-interface
// thread. It has no buttons and does not close itself: the caller closes it
// when its work is done.
class TFormWait : public QWidget {
  Q_OBJECT

 public:
  explicit TFormWait(QWidget* parent = nullptr);

  // Shows the window with `text` without waiting, drawn before this returns
  // so the caller's work starts behind a visible window.
  void ShowWait(const std::string& text);
  // Replaces the text while the window is shown ("support 12 of 1000") and
  // draws it at once.
  void ShowProgress(const std::string& text);
  void CloseWait();

 private:
  void FormShow();

  QLabel* Panel;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CentreOnOwner();
  static void ProcessPendingEvents();
};

}  // namespace orv::ui

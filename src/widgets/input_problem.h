#pragma once

#include <QLabel>
#include <QPointer>

namespace orv::widgets {

// Says in the dialog itself what is wrong with an input: the field gets a
// reddish background, the focus and its text selected, and this label shows
// the reason. The mark goes as soon as the user changes that field, so the
// dialog never keeps complaining about text that is no longer there.
class TInputProblem : public QLabel {
  Q_OBJECT

 public:
  explicit TInputProblem(QWidget* parent = nullptr);

  // Marks `field` (a line edit, a spin edit or any widget holding one).
  void Show(QWidget* field, const QString& reason);
  // Marks `field` and says `reason` without taking the focus or selecting;
  // the mark stays until the next Mark, Show or Clear: for a check that runs
  // again as the user types.
  void Mark(QWidget* field, const QString& reason);
  // Says `reason` without marking a field, as after a key the field refused.
  void Say(const QString& reason);
  void Clear();
  // The field marked last, null when none is.
  QWidget* Field() const { return field_; }

 private:
  QPointer<QWidget> field_;
  QMetaObject::Connection edited_;
};

}  // namespace orv::widgets

#include "widgets/input_problem.h"

#include <QLineEdit>

namespace orv::widgets {

namespace {

const QColor kMarkColour(255, 214, 214);

QLineEdit* EditOf(QWidget* field) {
  if (auto* edit = qobject_cast<QLineEdit*>(field)) return edit;
  return field->findChild<QLineEdit*>();
}

}  // namespace

TInputProblem::TInputProblem(QWidget* parent) : QLabel(parent) {
  setObjectName("InputProblem");
  setWordWrap(true);
  setTextFormat(Qt::PlainText);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, QColor(176, 0, 0));
  setPalette(colours);
  hide();
}

void TInputProblem::Mark(QWidget* field, const QString& reason) {
  Clear();
  field_ = field;
  QPalette colours = field->palette();
  colours.setColor(QPalette::Base, kMarkColour);
  field->setPalette(colours);
  Say(reason);
}

void TInputProblem::Show(QWidget* field, const QString& reason) {
  Mark(field, reason);
  field->setFocus(Qt::OtherFocusReason);
  if (QLineEdit* edit = EditOf(field)) {
    edit->selectAll();
    edited_ = connect(edit, &QLineEdit::textEdited, this, &TInputProblem::Clear);
  }
}

void TInputProblem::Say(const QString& reason) {
  setText(reason);
  show();
}

void TInputProblem::Clear() {
  disconnect(edited_);
  if (field_) field_->setPalette(QPalette());
  field_ = nullptr;
  clear();
  hide();
}

}  // namespace orv::widgets

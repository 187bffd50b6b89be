#pragma once

#include <QValidator>

namespace orv::widgets {

// How every number field takes what is typed or pasted. A decimal comma reads
// as a point, as Russian users type it; no other character is dropped: a text
// that is not a number stays as typed, so that its dialog can point at it
// instead of storing what is left of it.
// Acceptable when `input` (after the comma) is a number, otherwise
// Intermediate.
QValidator::State NumberInputState(QString& input);

// The same for a plain line edit.
class TNumberValidator : public QValidator {
  Q_OBJECT

 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

}  // namespace orv::widgets

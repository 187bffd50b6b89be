#pragma once

#include <QObject>
#include <cstdint>
#include <optional>
#include <vector>

#include "calc/input_ranges.h"

class QAbstractSpinBox;

namespace orv::widgets {
class TInputProblem;
class TIntSpinEdit;
class TRealSpinEdit;
}  // namespace orv::widgets

namespace orv::ui {

// The number fields of a frame and their physical ranges. A text that is not
// a number, or a value outside its range, marks the field and names it below
// the frame, and never reaches the project: the field keeps what was typed,
// and the project keeps its value until the field holds one in range, so a
// saved file always reads back.
class TFrameRanges : public QObject {
  Q_OBJECT

 public:
  TFrameRanges(widgets::TInputProblem* problem, QObject* parent);

  // `edit` is a TRealSpinEdit or a TIntSpinEdit.
  void Add(QAbstractSpinBox* edit, const calc::TInputRange& range);
  // `to` takes the field's value when it is a number in range.
  void Store(const widgets::TRealSpinEdit* edit, double& to) const;
  void Store(const widgets::TIntSpinEdit* edit, int32_t& to) const;
  // Marks the first field that is no number or out of range, or clears the
  // mark when none is; again after the language changes.
  void Check();

 private:
  struct TField {
    QAbstractSpinBox* Edit;
    calc::TInputRange Range;
  };
  std::optional<double> Valid(const QAbstractSpinBox* edit) const;

  widgets::TInputProblem* problem_;
  std::vector<TField> fields_;
};

}  // namespace orv::ui

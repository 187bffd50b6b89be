#pragma once

#include <QObject>
#include <vector>

#include "calc/input_ranges.h"

namespace orv::widgets {
class TInputProblem;
class TRealSpinEdit;
}  // namespace orv::widgets

namespace orv::ui {

// The physical ranges of a frame's real fields. A value typed outside its
// range marks the field and says its name, its value and the range below
// the frame, and never reaches the project: the project keeps its value
// until the field holds one in range, so a saved file always reads back.
class TFrameRanges : public QObject {
  Q_OBJECT

 public:
  TFrameRanges(widgets::TInputProblem* problem, QObject* parent);

  void Add(widgets::TRealSpinEdit* edit, const calc::TInputRange& range);
  // `to` takes the field's value when it is in range.
  void Store(const widgets::TRealSpinEdit* edit, double& to) const;
  // Marks the first field out of range, or clears the mark when none is;
  // again after the language changes.
  void Check();

 private:
  struct TField {
    widgets::TRealSpinEdit* Edit;
    calc::TInputRange Range;
  };
  widgets::TInputProblem* problem_;
  std::vector<TField> fields_;
};

}  // namespace orv::ui

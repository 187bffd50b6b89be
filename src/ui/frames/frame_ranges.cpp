#include "ui/frames/frame_ranges.h"

#include <algorithm>

#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "widgets/input_problem.h"
#include "widgets/real_spin_edit.h"

using namespace orv::calc;
using namespace orv::settings;
using namespace orv::widgets;

namespace orv::ui {

TFrameRanges::TFrameRanges(TInputProblem* problem, QObject* parent) : QObject(parent), problem_(problem) {}

void TFrameRanges::Add(TRealSpinEdit* edit, const TInputRange& range) {
  fields_.push_back({edit, range});
  connect(edit, &TRealSpinEdit::ValueChanged, this, &TFrameRanges::Check);
}

void TFrameRanges::Store(const TRealSpinEdit* edit, double& to) const {
  const auto field = std::find_if(fields_.begin(), fields_.end(), [&](const TField& f) { return f.Edit == edit; });
  if (field == fields_.end() || field->Range.Holds(edit->Value())) to = edit->Value();
}

void TFrameRanges::Check() {
  for (const TField& field : fields_) {
    std::vector<TTextPart> row = RangeRow(field.Range, field.Edit->Value());
    if (row.empty()) continue;
    std::string text = PartsText(row, LanguageIndex());
    text.erase(text.find_last_not_of("\r\n") + 1);
    // Checked as the user types: the focus and the text stay as they are.
    problem_->Mark(field.Edit, qt_text::ToQString(text));
    return;
  }
  problem_->Clear();
}

}  // namespace orv::ui

#include "ui/frames/frame_ranges.h"

#include <QLineEdit>
#include <algorithm>

#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "ui/dialogs/input_checks.h"
#include "widgets/input_problem.h"
#include "widgets/int_spin_edit.h"
#include "widgets/real_spin_edit.h"

using namespace orv::calc;
using namespace orv::settings;
using namespace orv::widgets;

namespace orv::ui {

namespace {

// The number a field holds; none while its text is not one.
std::optional<double> NumberIn(const QAbstractSpinBox* edit) {
  if (const auto* real = qobject_cast<const TRealSpinEdit*>(edit))
    return real->HasNumber() ? std::optional<double>(real->Value()) : std::nullopt;
  const auto* whole = qobject_cast<const TIntSpinEdit*>(edit);
  return whole && whole->HasNumber() ? std::optional<double>(whole->Value()) : std::nullopt;
}

}  // namespace

TFrameRanges::TFrameRanges(TInputProblem* problem, QObject* parent) : QObject(parent), problem_(problem) {}

void TFrameRanges::Add(QAbstractSpinBox* edit, const TInputRange& range) {
  fields_.push_back({edit, range});
  // A text that is no number stays when the focus leaves, for the mark to
  // point at, instead of going back to the last number unseen.
  if (auto* real = qobject_cast<TRealSpinEdit*>(edit)) real->SetNeedsNumber(true);
  if (auto* whole = qobject_cast<TIntSpinEdit*>(edit)) whole->SetNeedsNumber(true);
  // Every change of the text, a number or not, is checked as it is typed.
  connect(edit->findChild<QLineEdit*>(), &QLineEdit::textChanged, this, &TFrameRanges::Check);
}

std::optional<double> TFrameRanges::Valid(const QAbstractSpinBox* edit) const {
  const std::optional<double> number = NumberIn(edit);
  const auto field = std::find_if(fields_.begin(), fields_.end(), [&](const TField& f) { return f.Edit == edit; });
  if (!number || (field != fields_.end() && !field->Range.Holds(*number))) return std::nullopt;
  return number;
}

void TFrameRanges::Store(const TRealSpinEdit* edit, double& to) const {
  if (const std::optional<double> value = Valid(edit)) to = *value;
}

void TFrameRanges::Store(const TIntSpinEdit* edit, int32_t& to) const {
  if (const std::optional<double> value = Valid(edit)) to = static_cast<int32_t>(*value);
}

void TFrameRanges::Check() {
  for (const TField& field : fields_) {
    QString text;
    if (const std::optional<double> number = NumberIn(field.Edit)) {
      std::vector<TTextPart> row = RangeRow(field.Range, *number);
      if (row.empty()) continue;
      std::string line = PartsText(row, LanguageIndex());
      line.erase(line.find_last_not_of("\r\n") + 1);
      text = qt_text::ToQString(line);
    } else {
      text = NumberProblem(field.Edit->text(), qt_text::ToQString(LocalText(field.Range.Key)));
    }
    // Checked as the user types: the focus and the text stay as they are.
    problem_->Mark(field.Edit, text);
    return;
  }
  problem_->Clear();
}

}  // namespace orv::ui

#include "diagrams/drawable_values.h"

#include <vector>

#include <QString>
#include <cmath>
#include <utility>

#include "base/errors.h"
#include "base/number_text.h"
#include "diagrams/picture_style.h"

using namespace orv::base;

namespace orv::diagrams {

namespace {

bool Within(double value, double limit) { return std::isfinite(value) && std::fabs(value) <= limit; }

// A value as a message shows it; infinities and NaN have no number form.
QString ValueText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "∞" : "-∞";
  return Utf8(FloatToText(value));
}

[[noreturn]] void Refuse(const QString& text) { throw OrvError(text.toStdString()); }

void CheckLevels(const TProfileSupport& s) {
  for (double level : {s.GroundLeft, s.GroundThis, s.GroundRight, s.GroundLeft + s.HeightLeft,
                       s.GroundThis + s.HeightThis, s.GroundRight + s.HeightRight}) {
    if (!Within(level, kLargestLevel))
      Refuse(Text("Diagram_level_out").arg(Utf8(s.Number), ValueText(level), ValueText(kLargestLevel)));
  }
}

void CheckReach(const TProfileSupport& s) {
  for (double reach : {s.Position, s.Position - s.SpanLeft, s.Position + s.SpanRight}) {
    if (!Within(reach, kLongestLine))
      Refuse(Text("Diagram_line_too_long").arg(Utf8(s.Number), ValueText(reach), ValueText(kLongestLine)));
  }
}

}  // namespace

void CheckProfileDrawable(const TProfile& profile) {
  if (profile.Supports.size() > static_cast<size_t>(kMostProfileSupports))
    Refuse(Text("Diagram_too_many_supports")
               .arg(QString::number(kMostProfileSupports), QString::number(profile.Supports.size())));
  for (const TProfileSupport& s : profile.Supports) {
    CheckLevels(s);
    CheckReach(s);
  }
}

void CheckSwingDiagramDrawable(const TSwingDiagram& d) {
  std::vector<std::pair<const char*, double>> values = {
      {"Diagram_found_weight", d.FoundWeight},
      {"Diagram_recommended", d.RecommendedWeight.value_or(0)},
  };
  for (const TSwingDiagramCase& c : d.Cases) {
    values.insert(values.end(), {{"Diagram_own_span", c.WeightSpan},
                                 {"Diagram_min_span", c.MinWeightSpan},
                                 {"Diagram_found_weight", c.Needed},
                                 {"Diagram_swing_curve", c.Balance.Horizontal},
                                 {"Diagram_swing_curve", c.Balance.WireVertical},
                                 {"Diagram_swing_curve", c.Balance.StringVertical},
                                 {"Diagram_swing_curve", c.Balance.TurnPull},
                                 {"Diagram_swing_curve", c.Balance.WirePerMetre}});
  }
  for (const auto& [key, value] : values) {
    if (!Within(value, kLargestDiagramValue))
      Refuse(Text("Diagram_value_out")
                 .arg(Utf8(d.SupportNumber), Text(key), ValueText(value), ValueText(kLargestDiagramValue)));
  }
}

}  // namespace orv::diagrams

#include "diagrams/profile_data.h"

#include <cmath>

using namespace orv::calc;
using namespace orv::project;

namespace orv::diagrams {

namespace {

constexpr double kSpanWithoutData = 100;  // m

bool Usable(double span) { return std::isfinite(span) && span > 0; }

double SpanBetween(const TPillar& before, const TPillar& after) {
  if (Usable(before.SpanRight)) return before.SpanRight;
  if (Usable(after.SpanLeft)) return after.SpanLeft;
  return kSpanWithoutData;
}

TProfileSupport ProfileSupportOf(const TPillar& p, const TSupportResults* r) {
  TProfileSupport s;
  s.Number = p.SupportNumber;
  s.GroundLeft = p.GroundLeft;
  s.GroundThis = p.GroundThis;
  s.GroundRight = p.GroundRight;
  s.HeightLeft = p.HeightLeft;
  s.HeightThis = p.HeightThis;
  s.HeightRight = p.HeightRight;
  s.SpanLeft = p.SpanLeft;
  s.SpanRight = p.SpanRight;
  if (r != nullptr) {
    bool failed = !r->Verdict || *r->Verdict == TVerdictId::DataError;
    s.Class = VerdictClassOf(failed ? std::nullopt : r->Verdict);
    s.Tearing = !failed && r->VerticalLoadMinTemp && *r->VerticalLoadMinTemp < 0;
  }
  return s;
}

TProfile ProfileOf(const TProject& project, const std::vector<TSupportResults>& results) {
  TProfile profile;
  double position = 0;
  for (int i = 0; i < project.Pillars.Count(); ++i) {
    const TPillar& p = project.Pillars.Items(i);
    if (i > 0) position += SpanBetween(project.Pillars.Items(i - 1), p);
    const TSupportResults* r = static_cast<size_t>(i) < results.size() ? &results[i] : nullptr;
    profile.Supports.push_back(ProfileSupportOf(p, r));
    profile.Supports.back().Position = position;
  }
  return profile;
}

}  // namespace

TProfile MakeProfile(const TProject& project, const std::vector<TSupportOutcome>& outcomes) {
  std::vector<TSupportResults> results;
  for (const TSupportOutcome& outcome : outcomes)
    results.push_back(outcome.Failed() ? TSupportResults{} : outcome.Results);
  return ProfileOf(project, results);
}

}  // namespace orv::diagrams

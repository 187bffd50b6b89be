#include "project/project_results.h"

#include <utility>

#include "base/errors.h"
#include "base/text_excerpt.h"
#include "project/support_input_problem.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"

namespace {

// Takes the place of the messages port while a project is calculated, so
// that a support's boxes end up in its outcome.
class KeptMessages : public Messages {
 public:
  KeptMessages() : previous_(&GetMessages()) { SetMessages(this); }
  ~KeptMessages() override { SetMessages(previous_); }
  KeptMessages(const KeptMessages&) = delete;
  KeptMessages& operator=(const KeptMessages&) = delete;

  MessageAnswer Show(MessageKind kind, const std::string& text, MessageButtons buttons) override {
    kept_.push_back({kind, text});
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
  }
  std::vector<TSupportMessage> Take() { return std::exchange(kept_, {}); }

 private:
  Messages* previous_;
  std::vector<TSupportMessage> kept_;
};

std::string MissingWireText(const std::string& wire) {
  return "\"" + TextExcerpt(wire) + "\": " + LocalText("Input_wire");
}

TSupportOutcome CalculateOne(const TProject& project, const TPillar& support, int index,
                             const TWiresList& catalogue, KeptMessages& messages) {
  TSupportOutcome outcome;
  outcome.Index = index;
  outcome.Number = support.SupportNumber;
  outcome.Wire = support.WireName;
  try {
    const int wire = catalogue.IndexOf(support.WireName);
    if (wire < 0) throw OrvError(MissingWireText(support.WireName));
    outcome.Results = CalculateSupport(support, catalogue.Records()[static_cast<std::size_t>(wire)],
                                       project.Klimat, project.KlimatKoef, &outcome.Explanation);
  } catch (const OrvError& error) {
    outcome.Error = CalculationErrorText(error.what(), support, catalogue.FindByName(support.WireName));
    // A half-made record would tell of checks the calculation never finished.
    outcome.Explanation = TSupportExplanation();
  }
  outcome.Messages = messages.Take();
  return outcome;
}

}  // namespace

bool TSupportOutcome::Failed() const {
  return Error.has_value() || !Results.VerdictKey.has_value() || *Results.VerdictKey == "Data_error";
}

std::vector<TSupportOutcome> CalculateProjectSupports(const TProject& project, const TWiresList& catalogue) {
  KeptMessages messages;
  std::vector<TSupportOutcome> outcomes;
  outcomes.reserve(static_cast<size_t>(project.Pillars.Count()));
  for (int i = 0; i < project.Pillars.Count(); ++i)
    outcomes.push_back(CalculateOne(project, project.Pillars.Items(i), i, catalogue, messages));
  return outcomes;
}

TSupportOutcome CalculateProjectSupport(const TProject& project, int index, const TWiresList& catalogue) {
  return CalculateSupportOutcome(project, project.Pillars.Items(index), index, catalogue);
}

TSupportOutcome CalculateSupportOutcome(const TProject& project, const TPillar& support, int index,
                                        const TWiresList& catalogue) {
  KeptMessages messages;
  return CalculateOne(project, support, index, catalogue, messages);
}

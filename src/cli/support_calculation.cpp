#include "cli/support_calculation.h"

#include "base/errors.h"
#include "base/text_excerpt.h"
#include "settings/localization.h"

namespace {

// "support 3 \"12\"": the position counts from 1, as a designer counts.
std::string SupportLabel(int index, const std::string& number) {
  return "support " + std::to_string(index + 1) + " \"" + TextExcerpt(number) + "\"";
}

std::string MissingWireText(const std::string& wire) {
  return "\"" + TextExcerpt(wire) + "\": " + LocalText("Input_wire");
}

SupportCalculation CalculateOne(const TProject& project, int index, const TWiresList& catalogue,
                                CommandLineMessages& messages) {
  const TPillar& support = project.Pillars.Items(index);
  SupportCalculation entry;
  entry.index = index;
  entry.number = support.SupportNumber;
  entry.wire = support.WireName;
  messages.TakeShown();
  messages.SetContext(SupportLabel(index, support.SupportNumber) + ": ");
  try {
    if (catalogue.IndexOf(support.WireName) < 0) throw OrvError(MissingWireText(support.WireName));
    entry.results =
        CalculateSupport(support, catalogue.FindByName(support.WireName), project.Klimat, project.KlimatKoef);
  } catch (const OrvError& error) {
    entry.error = error.what();
    messages.Print(MessageKind::Error, *entry.error);
  }
  entry.messages = messages.TakeShown();
  messages.SetContext("");
  return entry;
}

}  // namespace

bool SupportCalculation::Failed() const {
  return error.has_value() || !results.VerdictKey.has_value() || *results.VerdictKey == "Data_error";
}

std::vector<SupportCalculation> CalculateSupports(const TProject& project, const TWiresList& catalogue,
                                                  CommandLineMessages& messages) {
  std::vector<SupportCalculation> entries;
  entries.reserve(static_cast<size_t>(project.Pillars.Count()));
  for (int i = 0; i < project.Pillars.Count(); ++i) {
    entries.push_back(CalculateOne(project, i, catalogue, messages));
  }
  return entries;
}

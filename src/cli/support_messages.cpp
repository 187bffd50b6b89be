#include "cli/support_messages.h"

#include <algorithm>
#include <string>

#include "base/text_excerpt.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::project;

namespace orv::cli {

namespace {

// "support 3 \"12\": ": the position counts from 1, as a designer counts.
std::string SupportLabel(const TSupportOutcome& support) {
  return "support " + std::to_string(support.Index + 1) + " \"" + TextExcerpt(support.Number) + "\": ";
}

}  // namespace

void PrintSupportMessages(const std::vector<TSupportOutcome>& supports, CommandLineMessages& messages) {
  for (const TSupportOutcome& support : supports) {
    if (support.Messages.empty() && !support.Error) continue;
    messages.SetContext(SupportLabel(support));
    for (const TLocalMessage& message : support.Messages) messages.Print(message.Kind, MessageText(message));
    if (support.Error) messages.Print(MessageKind::Error, *ErrorText(support));
  }
  messages.SetContext("");
}

int SupportsStatus(const std::vector<TSupportOutcome>& supports) {
  const bool anyFailed =
      std::any_of(supports.begin(), supports.end(), [](const TSupportOutcome& s) { return s.Failed(); });
  return anyFailed ? 1 : 0;
}

}  // namespace orv::cli

#include "project/report/make_report.h"

#include <algorithm>
#include <string_view>

#include "base/errors.h"
#include "base/text_excerpt.h"
#include "project/results/project_results.h"
#include "project/report/origin_cells.h"
#include "project/report/project_cells.h"
#include "project/report/report_checks.h"
#include "project/report/report_sheet_name.h"
#include "project/report/report_template.h"
#include "project/report/report_units.h"
#include "project/report/result_cells.h"
#include "project/report/summary_sheet.h"
#include "project/report/support_cells.h"
#include "project/report/support_extra_cells.h"
#include "project/report/support_messages.h"
#include "project/results/results_table.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "xls/workbook.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;

namespace orv::project {

namespace {

// A damaged template names its record ("Invalid workbook: sheet 'x' ...");
// a missing or foreign file only the template.
std::string TemplateFailure(const std::string& name, const xls::Error& error) {
  std::string message = LocalText("Check_files") + " " + name + ".";
  if (std::string_view(error.what()).starts_with("Invalid workbook:"))
    message += "\n" + std::string(error.what());
  return message;
}

bool OpenTemplate(xls::XlsWorkbook& book, const TReportUnits& units) {
  const std::string name = ReportTemplateName(IsEnglish(), units.NBased);
  try {
    book.Open(ReportTemplatePath(GetFolders().ProgramFolder(), name));
  } catch (const xls::Error& error) {
    GetMessages().Show(MessageKind::Error, TemplateFailure(name, error), MessageButtons::Ok);
    return false;
  }
  return true;
}

// Refused before a single sheet is copied: learning it at the save would
// cost the memory of every sheet first. The template's sheets stay, the first
// becomes the first support's, and the summary is one more.
void CheckCapacity(const xls::XlsWorkbook& book, int count) {
  const int most = book.CopyCapacity(0) - book.SheetCount();
  if (count > most) throw OrvError(LocalText("Report_limit") + " " + std::to_string(most) + ".");
}

// What the report needs besides the sheet: units, where it comes from.
struct TReportFrame {
  TReportUnits units;
  TReportOrigin origin;
  int count = 0;  // of the support sheets, which "Sheet N of M" counts
};

// Shows the boxes the support's calculation asked for, in its order, each
// naming the support; their own texts are kept for the sheet.
std::vector<std::string> ShowMessages(const TSupportOutcome& outcome, const std::string& prefix) {
  std::vector<std::string> texts;
  for (const TLocalMessage& message : outcome.Messages) {
    texts.push_back(MessageText(message));
    GetMessages().Show(message.Kind, prefix + texts.back(), message.Buttons);
  }
  return texts;
}

TSummaryRow FillSupport(xls::XlsWorkbook& book, const TSupportOutcome& outcome, const TPillar& support,
                        const TWireRecord& wire, const TReportFrame& frame,
                        const std::vector<std::string>& shown) {
  TSummaryRow row;
  row.Support = support;
  const TSupportResults& r = outcome.Results;
  row.Results = {VerdictText(r).value_or(""), r.VerticalLoadMinTemp.value_or(0), r.BalancingLoad.value_or(0),
                 r.MinWeightSpan.value_or(0)};
  row.Verdict = r.Verdict;
  row.Explanation = outcome.Explanation;
  row.Reason = VerdictReason(outcome);
  book.RenameSheet(outcome.Index, ReportSheetName(support.SupportNumber));
  xls::XlsSheet sheet = book.Sheet(outcome.Index);
  FillSupportCells(sheet, support, wire, frame.units);
  FillResultCells(sheet, support, row.Results, frame.units);
  FillTurnAndWeightSpans(sheet, support, row.Explanation);
  if (row.Explanation.StoppedAt != TStopCheck::None) FillNoResultReason(sheet, shown);
  FillOriginCells(sheet, frame.origin, outcome.Index + 1, frame.count);
  return row;
}

// False when the support's wire is missing from the catalogue: the report
// ends there. Otherwise the support's line of the summary joins `summary`.
bool ReportSupport(xls::XlsWorkbook& book, int index, const TProject& project, const TWiresList& catalogue,
                   const TReportFrame& frame, std::vector<TSummaryRow>& summary) {
  const TPillar& support = project.Pillars.Items(index);
  // Among a thousand supports a bare message would not say which one to
  // correct: every message and error of this support names it.
  const std::string prefix = SupportMessagePrefix(support);
  const TSupportOutcome outcome = CalculateProjectSupport(project, index, catalogue);
  if (outcome.WireMissing) {
    GetMessages().Show(MessageKind::Error, prefix + LocalText("Input_wire"), MessageButtons::Ok);
    return false;
  }
  const std::vector<std::string> shown = ShowMessages(outcome, prefix);
  if (outcome.Error) throw FloatingPointError(prefix + MessageText(*outcome.Error));
  try {
    summary.push_back(
        FillSupport(book, outcome, support, catalogue.FindByName(support.WireName), frame, shown));
  } catch (const xls::Error& error) {
    // A sheet name the workbook refuses: a support number used twice.
    throw xls::Error(prefix + error.what());
  } catch (const FloatingPointError& error) {
    // A value so far out of its range that its sheet cannot show it (a limit
    // of 1e307 times the area): the range message names the field.
    if (outcome.Explanation.StoppedAt == TStopCheck::Range && !shown.empty()) throw OrvError(prefix + shown.front());
    throw FloatingPointError(prefix + error.what());
  }
  return true;
}

// No verdict, or "Data error": the support is in the report all the same.
int CountWithoutResult(const std::vector<TSummaryRow>& summary) {
  return static_cast<int>(std::count_if(summary.begin(), summary.end(), [](const TSummaryRow& row) {
    return !row.Verdict || *row.Verdict == TVerdictId::DataError;
  }));
}

ReportOutcome BuildReport(const TProject& project, const std::string& path, const TWiresList& catalogue,
                          const ReportProgress& progress, const TReportOrigin& origin,
                          int* supportsWithoutResult) {
  const int count = project.Pillars.Count();
  if (count == 0) return ReportOutcome::NoSupports;
  // Every support the report cannot take is named at once, before the
  // template is read, instead of one at a time in report after report.
  if (const std::string missing = MissingWiresProblem(project, catalogue); !missing.empty()) {
    GetMessages().Show(MessageKind::Error, missing, MessageButtons::Ok);
    return ReportOutcome::Stopped;
  }
  const TReportFrame frame{
      CurrentReportUnits(), {origin.ProjectFile, origin.Date.empty() ? TodayText() : origin.Date}, count};
  xls::XlsWorkbook book;
  if (!OpenTemplate(book, frame.units)) return ReportOutcome::Stopped;

  xls::XlsSheet first = book.Sheet(0);
  SetReportLayout(first);
  FillProjectCells(first, project);
  CheckCapacity(book, count);
  if (const std::string clash = SheetNameProblem(project); !clash.empty()) throw OrvError(clash);
  for (int k = 1; k < count; ++k) book.CopySheet(0, k, "P_" + std::to_string(k));

  std::vector<TSummaryRow> summary;
  summary.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    if (progress) progress(i + 1, count);
    if (!ReportSupport(book, i, project, catalogue, frame, summary)) return ReportOutcome::Stopped;
  }
  AddSummarySheet(book, summary, frame.units);
  if (supportsWithoutResult) *supportsWithoutResult = CountWithoutResult(summary);
  book.Save(path);
  return ReportOutcome::Saved;
}

}  // namespace

ReportOutcome WriteReport(const TProject& project, const std::string& path, const TWiresList& catalogue,
                          const ReportProgress& progress, const TReportOrigin& origin,
                          int* supportsWithoutResult) {
  try {
    return BuildReport(project, path, catalogue, progress, origin, supportsWithoutResult);
  } catch (const xls::Error& error) {
    throw OrvError(error.what());
  }
}

ReportOutcome MakeReport(const TProject& project, const TWiresList& catalogue, const std::string& path,
                         const ReportProgress& progress, const TReportOrigin& origin) {
  const ReportOutcome outcome = WriteReport(project, path, catalogue, progress, origin);
  std::string why;
  // Without a program to open it the report would be written without a word.
  if (outcome == ReportOutcome::Saved && !GetShell().TryOpenDocument(path, why))
    GetMessages().Show(MessageKind::Information, LocalTextWith("Report_open_failed", path, why), MessageButtons::Ok);
  return outcome;
}

}  // namespace orv::project

#include "project/report/make_report.h"

#include <string_view>

#include "base/errors.h"
#include "base/text_excerpt.h"
#include "calc/calculate_support.h"
#include "project/report/project_cells.h"
#include "project/report/report_sheet_name.h"
#include "project/report/report_template.h"
#include "project/report/report_texts.h"
#include "project/report/report_units.h"
#include "project/report/result_cells.h"
#include "project/report/support_cells.h"
#include "project/wire_catalog.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "xls/workbook.h"

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
// cost the memory of every sheet first.
void CheckCapacity(const xls::XlsWorkbook& book, int count) {
  const int most = book.CopyCapacity(0);
  if (count > most) throw OrvError(LocalText("Report_limit") + " " + std::to_string(most) + ".");
}

// False when the calculation gave no result: no verdict, or "Data error".
bool CalculateAndFill(xls::XlsWorkbook& book, int index, const TPillar& support, const TWireRecord& wire,
                      const TProject& project, const TReportUnits& units) {
  TReportResults results;
  std::string verdictKey;
  CalculateSupport(support, wire, project.Klimat, project.KlimatKoef, results.VerdictText,
                   results.VerticalLoadMinTemp, results.BalancingLoad, results.MinWeightSpan, &verdictKey);
  book.RenameSheet(index, ReportSheetName(support.SupportNumber));
  xls::XlsSheet sheet = book.Sheet(index);
  FillSupportCells(sheet, support, wire, units);
  FillResultCells(sheet, support, results);
  return !verdictKey.empty() && verdictKey != "Data_error";
}

// False when the support's wire is missing from the catalogue: the report
// ends there. Counts the supports whose calculation gave no result.
bool ReportSupport(xls::XlsWorkbook& book, int index, const TProject& project, const TWiresList& catalogue,
                   const TReportUnits& units, int& withoutResult) {
  const TPillar& support = project.Pillars.Items(index);
  const TWireRecord wire = catalogue.FindByName(support.WireName);
  if (wire.WireName.empty()) {
    GetMessages().Show(MessageKind::Error, LocalText("Input_wire"), MessageButtons::Ok);
    return false;
  }
  try {
    if (!CalculateAndFill(book, index, support, wire, project, units)) ++withoutResult;
  } catch (const FloatingPointError& error) {
    // Among a thousand supports the bare arithmetic message would not say
    // which one to correct.
    throw FloatingPointError(LocalText("Support") + " " + TextExcerpt(support.SupportNumber) + ": " +
                             error.what());
  }
  return true;
}

ReportOutcome BuildReport(const TProject& project, const std::string& path, const TWiresList& catalogue,
                          const ReportProgress& progress, int& withoutResult) {
  const int count = project.Pillars.Count();
  if (count == 0) return ReportOutcome::NoSupports;
  RegisterReportTexts();
  const TReportUnits units = CurrentReportUnits();
  xls::XlsWorkbook book;
  if (!OpenTemplate(book, units)) return ReportOutcome::Stopped;

  xls::XlsSheet first = book.Sheet(0);
  SetReportLayout(first);
  FillProjectCells(first, project);
  CheckCapacity(book, count);
  for (int k = 1; k < count; ++k) book.CopySheet(0, k, "P_" + std::to_string(k));

  for (int i = 0; i < count; ++i) {
    if (progress) progress(i + 1, count);
    if (!ReportSupport(book, i, project, catalogue, units, withoutResult)) return ReportOutcome::Stopped;
  }
  book.Save(path);
  return ReportOutcome::Saved;
}

}  // namespace

ReportOutcome WriteReport(const TProject& project, const std::string& path, const TWiresList& catalogue,
                          const ReportProgress& progress, int* supportsWithoutResult) {
  int withoutResult = 0;
  try {
    const ReportOutcome outcome = BuildReport(project, path, catalogue, progress, withoutResult);
    if (supportsWithoutResult) *supportsWithoutResult = withoutResult;
    return outcome;
  } catch (const xls::Error& error) {
    throw OrvError(error.what());
  }
}

ReportOutcome MakeReport(const TProject& project, const std::string& path, const ReportProgress& progress) {
  const ReportOutcome outcome = WriteReport(project, path, WiresCatalogue(), progress);
  if (outcome == ReportOutcome::Saved) GetShell().OpenDocument(path);
  return outcome;
}

#include "project/report/make_report.h"

#include "base/errors.h"
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

bool OpenTemplate(xls::XlsWorkbook& book, const TReportUnits& units) {
  const std::string name = ReportTemplateName(IsEnglish(), units.NBased);
  try {
    book.Open(ReportTemplatePath(GetFolders().ProgramFolder(), name));
  } catch (const xls::Error&) {
    GetMessages().Show(MessageKind::Error, LocalText("Check_files") + " " + name + ".", MessageButtons::Ok);
    return false;
  }
  return true;
}

void CalculateAndFill(xls::XlsWorkbook& book, int index, const TPillar& support, const TWireRecord& wire,
                      const TProject& project, const TReportUnits& units) {
  TReportResults results;
  CalculateSupport(support, wire, project.Klimat, project.KlimatKoef, results.VerdictText,
                   results.VerticalLoadMinTemp, results.BalancingLoad, results.MinWeightSpan);
  book.RenameSheet(index, ReportSheetName(support.SupportNumber));
  xls::XlsSheet sheet = book.Sheet(index);
  FillSupportCells(sheet, support, wire, units);
  FillResultCells(sheet, support, results);
}

// False when the support's wire is missing from the catalogue: the report
// ends there.
bool ReportSupport(xls::XlsWorkbook& book, int index, const TProject& project, const TWiresList& catalogue,
                   const TReportUnits& units) {
  const TPillar& support = project.Pillars.Items(index);
  const TWireRecord wire = catalogue.FindByName(support.WireName);
  if (wire.WireName.empty()) {
    GetMessages().Show(MessageKind::Error, LocalText("Input_wire"), MessageButtons::Ok);
    return false;
  }
  try {
    CalculateAndFill(book, index, support, wire, project, units);
  } catch (const FloatingPointError& error) {
    // Among a thousand supports the bare arithmetic message would not say
    // which one to correct.
    throw FloatingPointError(LocalText("Support") + " " + support.SupportNumber + ": " + error.what());
  }
  return true;
}

ReportOutcome BuildReport(const TProject& project, const std::string& path, const TWiresList& catalogue,
                          const ReportProgress& progress) {
  const int count = project.Pillars.Count();
  if (count == 0) return ReportOutcome::NoSupports;
  RegisterReportTexts();
  const TReportUnits units = CurrentReportUnits();
  xls::XlsWorkbook book;
  if (!OpenTemplate(book, units)) return ReportOutcome::Stopped;

  xls::XlsSheet first = book.Sheet(0);
  SetReportLayout(first);
  FillProjectCells(first, project);
  for (int k = 1; k < count; ++k) book.CopySheet(0, k, "P_" + std::to_string(k));

  for (int i = 0; i < count; ++i) {
    if (progress) progress(i + 1, count);
    if (!ReportSupport(book, i, project, catalogue, units)) return ReportOutcome::Stopped;
  }
  book.Save(path);
  return ReportOutcome::Saved;
}

}  // namespace

ReportOutcome WriteReport(const TProject& project, const std::string& path, const TWiresList& catalogue,
                          const ReportProgress& progress) {
  try {
    return BuildReport(project, path, catalogue, progress);
  } catch (const xls::Error& error) {
    throw OrvError(error.what());
  }
}

ReportOutcome MakeReport(const TProject& project, const std::string& path, const ReportProgress& progress) {
  const ReportOutcome outcome = WriteReport(project, path, WiresCatalogue(), progress);
  if (outcome == ReportOutcome::Saved) GetShell().OpenDocument(path);
  return outcome;
}

#include "project/report/summary_sheet.h"

#include <algorithm>
#include <cmath>

#include "base/cp1251.h"
#include "base/text_utils.h"
#include "calc/verdict_class.h"
#include "project/results/results_table.h"
#include "settings/localization.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;

namespace orv::project {

namespace {

constexpr const char* kHeadings[] = {"Summary_support",         "Summary_wire",        "Summary_span_left",
                                     "Summary_span_right",      "Summary_load",        "Summary_hanging",
                                     "Summary_min_weight_span", "Summary_weight_span", nullptr,
                                     "Summary_verdict",         "Summary_warnings",    "Summary_reason"};
constexpr double kWidths[] = {9, 16, 10, 10, 10, 30, 14, 12, 18, 60, 60, 80};
constexpr int kVerticalColumn = 8;
constexpr int kNumberColumns[] = {2, 3, 4, 6, 7, kVerticalColumn};
// Four lines of the default font: the longest heading wraps to three or four.
constexpr double kHeadingPoints = 4 * 12.75;

void WriteHeadings(xls::XlsWorkbook& book, xls::XlsSheet& sheet, const TReportUnits& units) {
  const int wrapped = book.NumberFormatIndex("General", true);
  int column = 0;
  for (const char* key : kHeadings) {
    const char* heading = key ? key : (units.NBased ? "Summary_vertical_kN" : "Summary_vertical_daN");
    xls::XlsCell cell = sheet.Cell(0, column);
    cell.SetText(LocalText(heading));
    cell.SetFormatIndex(wrapped);
    sheet.SetColumnWidth(column, kWidths[column]);
    ++column;
  }
  sheet.SetRowHeight(0, kHeadingPoints);
}

// Values keep their full precision; only what is shown is rounded (kN is a
// hundred times daN, so it keeps one more decimal).
void FormatNumbers(xls::XlsWorkbook& book, xls::XlsSheet& sheet, int rows, const TReportUnits& units) {
  const int tenths = book.NumberFormatIndex("0.0");
  const int force = units.NBased ? book.NumberFormatIndex("0.00") : tenths;
  for (int row = 1; row <= rows; ++row)
    for (int column : kNumberColumns) {
      xls::XlsCell cell = sheet.Cell(row, column);
      if (cell.Kind() == xls::XlsCellKind::Number)
        cell.SetFormatIndex(column == kVerticalColumn ? force : tenths);
    }
}

// The characters a value of a number column needs: a number's digits before
// the point, a sign, the point and two decimals; a text (a smallest weight
// span that limits nothing) its letters.
double NeededWidth(const xls::XlsCell& cell) {
  if (cell.Kind() == xls::XlsCellKind::Text) return static_cast<double>(Utf8Length(cell.Text())) + 1;
  if (cell.Kind() != xls::XlsCellKind::Number) return 0;
  const double size = std::fabs(cell.Number());
  const double digits = size >= 1 ? std::floor(std::log10(size)) + 1 : 1;
  return digits + 6;
}

// A number column as wide as its widest value as shown, so that a long
// span reads in full instead of "###".
void FitNumberColumns(xls::XlsSheet& sheet, int rows) {
  for (int column : kNumberColumns) {
    double width = kWidths[column];
    for (int row = 1; row <= rows; ++row) width = std::max(width, NeededWidth(sheet.Cell(row, column)));
    sheet.SetColumnWidth(column, width);
  }
}

// The string check's values exist only when it ran to its end.
void WriteBalance(xls::XlsSheet& sheet, int row, const TSummaryRow& r) {
  if (!r.Explanation.Swing) return;
  sheet.Cell(row, 4).SetNumber(r.Results.BalancingLoad);
  SetSmallestWeightSpan(sheet.Cell(row, 6), r.Results.MinWeightSpan);
  sheet.Cell(row, 7).SetNumber(r.Explanation.Swing->Governing().WeightSpan);
}

void WriteRow(xls::XlsSheet& sheet, int row, const TSummaryRow& r, const TReportUnits& units) {
  sheet.Cell(row, 0).SetText(r.Support.SupportNumber);
  sheet.Cell(row, 1).SetText(r.Support.WireName);
  sheet.Cell(row, 2).SetNumber(r.Support.SpanLeft);
  sheet.Cell(row, 3).SetNumber(r.Support.SpanRight);
  WriteBalance(sheet, row, r);
  const std::string hanging = r.Verdict ? VerdictOf(*r.Verdict).HangingKey : "";
  if (!hanging.empty()) sheet.Cell(row, 5).SetText(LocalText(hanging));
  if (r.Explanation.VerticalLoadMinTemp)
    sheet.Cell(row, kVerticalColumn).SetNumber(r.Results.VerticalLoadMinTemp * units.ForceFactor);
  sheet.Cell(row, 9).SetText(OnOneLine(r.Results.VerdictText));
  std::string warnings;
  for (const TCalcWarning& warning : r.Explanation.Warnings)
    warnings += (warnings.empty() ? "" : " ") + WarningText(warning);
  if (!warnings.empty()) sheet.Cell(row, 10).SetText(warnings);
  if (!r.Reason.empty()) sheet.Cell(row, 11).SetText(r.Reason);
}

}  // namespace

void AddSummarySheet(xls::XlsWorkbook& book, const std::vector<TSummaryRow>& rows,
                     const TReportUnits& units) {
  const int index = book.SheetCount();
  book.InsertSheet(index, LocalText("Summary_sheet"));
  xls::XlsSheet sheet = book.Sheet(index);
  WriteHeadings(book, sheet, units);
  for (size_t i = 0; i < rows.size(); ++i) WriteRow(sheet, static_cast<int>(i) + 1, rows[i], units);
  FormatNumbers(book, sheet, static_cast<int>(rows.size()), units);
  FitNumberColumns(sheet, static_cast<int>(rows.size()));
  sheet.SetPageSetup({.landscape = true, .fit_wide = 1, .fit_tall = 0});
}

}  // namespace orv::project

#include "project/report/report_texts.h"

#include "settings/localization.h"
#include "settings/texts/report_extra_texts.h"
#include "settings/texts/summary_sheet_texts.h"
#include "settings/texts/reliability_texts.h"

void RegisterReportTexts() {
  // The template's name and "." follow the text in the message.
  RegisterText("Check_files",
               "Check the program's files: the report template cannot be opened:"
               ";Проверьте файлы программы: не удаётся открыть шаблон отчёта:");
  // The desktop program registers texts window by window; these belong to
  // no window.
  RegisterReportExtraTexts();
  RegisterSummarySheetTexts();
  RegisterReliabilityTexts();  // "Report_limit"
}

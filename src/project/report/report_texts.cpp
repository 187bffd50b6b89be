#include "project/report/report_texts.h"

#include "settings/localization.h"
#include "settings/texts/summary_sheet_texts.h"

void RegisterReportTexts() {
  // The template's name and "." follow the text in the message.
  RegisterText("Check_files",
               "Check the program's files: the report template cannot be opened:"
               ";Проверьте файлы программы: не удаётся открыть шаблон отчёта:");
  RegisterSummarySheetTexts();
}

#include "settings/texts/report_extra_texts.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

constexpr TextEntry kTexts[] = {
    {"Report_project", "Project:;Проект:"},
    {"Report_not_saved", "(not saved);(не сохранён)"},
    {"Report_date", "Report date:;Дата отчёта:"},
    {"Report_sheet", "Sheet;Лист"},
    {"Report_of", "of;из"},
    {"Report_no_result", "No result:;Нет результата:"},
    {"Report_no_turn", "no turn;нет поворота"},
    {"Report_open_failed",
     "The report is saved to %1.\r\nIt could not be opened: %2;Отчет сохранен в %1.\r\nОткрыть его не "
     "удалось: %2"},
    {"Report_no_program",
     "no program to open .xls workbooks is set up in the system.;в системе не назначена программа для "
     "открытия книг .xls."},
    {"Report_no_display", "there is no display to show it on.;нет экрана, на котором его показать."},
    {"Report_open_not_found", "the system did not find the file.;система не нашла файл."},
    {"Report_open_denied", "the system denied access to the file.;система отказала в доступе к файлу."},
    // The system's code and "." follow the text.
    {"Report_open_code", "the system refused with the code;система отказала с кодом"},
    // The template's name and "." follow the text in the message.
    {"Check_files",
     "Check the program's files: the report template cannot be opened:"
     ";Проверьте файлы программы: не удаётся открыть шаблон отчёта:"},
};

}  // namespace

void RegisterReportExtraTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

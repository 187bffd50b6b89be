#include "settings/texts/desktop_texts.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

constexpr TextEntry kTexts[] = {
    {"Number_expected",
     "%1: enter a number, for example 12.5 or 1.92E-5.;%1: введите число, например 12.5 или 1.92E-5."},
    {"Number_empty", "%1: the field is empty, enter a number.;%1: поле пустое, введите число."},
    {"Text_limit", "%1: at most %2 characters.;%1: не более %2 символов."},
    {"Text_not_cp1251",
     "%1: the character \"%2\" cannot be stored in the files (Windows-1251).;"
     "%1: символ «%2» нельзя сохранить в файлах (кодировка Windows-1251)."},
    {"Search_name", "Search:;Поиск:"},
    {"Search_hint", "part of the name;часть марки"},
    {"Save_changes_question",
     "Changes have been done to the project.\r\nSave the project?;В проекте были сделаны изменения.\r\n"
     "Сохранить проект?"},
    {"Save_changes_save", "Save;Сохранить"},
    {"Save_changes_discard", "Don't save;Не сохранять"},
    {"Undo", "Undo;Отменить"},
    {"Redo", "Redo;Повторить"},
    {"Edit_menu", "Edit;Правка"},
    {"View_menu", "View;Вид"},
    {"View_climate", "Climatic conditions;Климатические условия"},
    {"View_parameters",
     "Climatic parameters and reliability coefficients;Климатические параметры и коэффициенты "
     "надежности"},
    {"View_supports", "List of supports;Список опор"},
    {"Copy_support", "Copy support;Копировать опору"},
    {"Paste_support", "Paste supports from clipboard;Вставить опоры из буфера обмена"},
    {"Clipboard_no_supports", "The clipboard holds no supports.;В буфере обмена нет опор."},
    {"Recent_projects", "Recent projects;Недавние проекты"},
    {"Recent_missing",
     "The project file %1 no longer exists. It is removed from the recent projects.;Файл проекта %1 больше "
     "не "
     "существует. Он убран из недавних проектов."},
    {"Nothing_to_calculate",
     "The project has no supports: there is nothing to calculate.;В проекте нет опор: "
     "рассчитывать нечего."},
    {"Support_number_taken",
     "Support number %1 is already used by another support of the project.\r\nKeep this number?;Номер опоры "
     "%1 "
     "уже есть у другой опоры проекта.\r\nОставить этот номер?"},
    {"Open_project_title", "Open project;Открытие проекта"},
    {"Save_project_title", "Save project;Сохранение проекта"},
    {"Save_report_title", "Save report;Сохранение отчета"},
    {"Import_Dastrel_title", "Import data from Dastrel;Импорт данных из Dastrel"},
    {"Export_text_title", "Export to text file;Экспорт в текстовый файл"},
    {"Import_text_title", "Import from text file;Импорт из текстового файла"},
    {"Profile_zoom_in", "Zoom in (Ctrl+wheel, +);Крупнее (Ctrl+колесо, +)"},
    {"Profile_zoom_out", "Zoom out (Ctrl+wheel, -);Мельче (Ctrl+колесо, -)"},
    {"Profile_fit", "The whole line (0);Вся линия (0)"},
    {"Report_saved", "The report is saved to %1.;Отчет сохранен в %1."},
    {"Excel_file", "Excel file;Файл Excel"},
    {"Project_file", "Project;Проект"},
    {"Text_file", "Text file;Текстовый файл"},
};

}  // namespace

void RegisterDesktopTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

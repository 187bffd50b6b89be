#include "settings/texts/reliability_texts.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

// No ";" inside a text: it separates the two languages.
constexpr TextEntry kTexts[] = {
    {"Report_over_input",
     "The report cannot be saved over the open project, the wire catalogue or a report template. "
     "Choose another file."
     ";Отчёт нельзя сохранить поверх открытого проекта, справочника проводов или шаблона отчёта. "
     "Выберите другой файл."},
    {"Wire_name_separator",
     "A wire name cannot hold a semicolon or a line break."
     ";Название провода не может содержать точку с запятой или перевод строки."},
    {"Report_wires_missing",
     "No report was written: the wire of these supports is not in the reference catalog: %1. Input the data"
     " for these wires, cords, cables into the reference catalog."
     ";Отчёт не записан: провода этих опор нет в справочнике: %1. Введите эти провода, тросы, кабели в"
     " справочник."},
    {"Report_sheet_clash",
     "No report was written: supports %1 make the same sheet name \"%2\". Give them different numbers."
     ";Отчёт не записан: опоры %1 дают одно и то же имя листа «%2». Дайте им разные номера."},
    {"Report_and_more", "and %1 more;и ещё %1"},
    // The number of supports and "." follow the text.
    {"Report_limit",
     "The report is not made: one .xls workbook holds the sheets of at most this number of supports:"
     ";Отчёт не создан: одна книга .xls вмещает листы не более чем такого числа опор:"},
};

}  // namespace

void RegisterReliabilityTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

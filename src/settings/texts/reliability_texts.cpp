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
    // The number of supports and "." follow the text.
    {"Report_limit",
     "The report is not made: one .xls workbook holds the sheets of at most this number of supports:"
     ";Отчёт не создан: одна книга .xls вмещает листы не более чем такого числа опор:"},
};

}  // namespace

void RegisterReliabilityTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

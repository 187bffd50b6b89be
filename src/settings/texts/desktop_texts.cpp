#include "settings/texts/desktop_texts.h"

#include "settings/texts/text_table.h"

namespace {

constexpr TextEntry kTexts[] = {
    {"Number_expected",
     "%1: enter a number, for example 12.5 or 1.92E-5.;%1: введите число, например 12.5 или 1.92E-5."},
    {"Number_empty", "%1: the field is empty, enter a number.;%1: поле пустое, введите число."},
    {"Text_limit", "%1: at most %2 characters.;%1: не более %2 символов."},
    {"Text_not_cp1251",
     "%1: the character \"%2\" cannot be stored in the files (Windows-1251).;"
     "%1: символ «%2» нельзя сохранить в файлах (кодировка Windows-1251)."},
    {"Wire_name_separator",
     "%1: a wire name cannot hold a semicolon or a line break.;%1: марка провода не может содержать "
     "точку с запятой и перенос строки."},
    {"Search_name", "Search:;Поиск:"},
    {"Search_hint", "part of the name;часть марки"},
};

}  // namespace

void RegisterDesktopTexts() { RegisterTexts(kTexts); }

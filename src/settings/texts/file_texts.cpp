#include "settings/texts/file_texts.h"

#include <utility>

#include "settings/localization.h"
#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

// No ";" inside a text: it separates the two languages.
constexpr TextEntry kTexts[] = {
    {"Exchange_field_count",
     "A wire takes at least 6 fields separated by semicolons (name, diameter, area, weight, modulus, "
     "expansion, then the group if any), the line has %1"
     ";Провод занимает не меньше 6 полей через точку с запятой (название, диаметр, площадь, вес, модуль, "
     "коэффициент расширения, затем группа, если есть), в строке их %1"},
    {"Field_empty", "The field is empty;Поле пустое"},
    {"Limit_pair_fields",
     "'%1' is not a limit pair: a real, then a semicolon and an integer"
     ";'%1' не является парой ограничений: вещественное число, затем точка с запятой и целое"},
    {"Support_count_negative",
     "The support count %1 is negative;Число опор %1 отрицательно"},
    {"Support_count_disagrees",
     "The support count %1 disagrees with the supports in the file: more lines follow the last of them, "
     "from line %2"
     ";Число опор %1 не совпадает с опорами в файле: после последней из них есть ещё строки, начиная со "
     "строки %2"},
    {"Support_count_more",
     "The support count %1 is more than the %2 supports in the file"
     ";Число опор %1 больше, чем опор в файле (%2)"},
    {"Catalogue_not_copied",
     "The wire catalogue could not be copied from the program's folder, so it is empty: %1"
     ";Справочник проводов не удалось скопировать из папки программы, поэтому он пуст: %1"},
    {"Data_folder_unknown",
     "The folder of the wire catalogue is unknown, so the catalogue is empty and is not saved: HOME is "
     "not set or not an absolute path, and the system names no home folder for this user. Set HOME or "
     "ORVANE_DATA_DIR."
     ";Папка справочника проводов неизвестна, поэтому справочник пуст и не сохраняется: HOME не задана "
     "или не является абсолютным путём, а система не называет домашней папки этого пользователя. "
     "Задайте HOME или ORVANE_DATA_DIR."},
    {"Catalogue_dangling_link",
     "\"%1\" is a link to a file that does not exist;«%1» — ссылка на несуществующий файл"},
    {"Catalogue_cut_short",
     "The last record of the wire catalogue \"%1\" is cut short and was left out: it starts at byte offset %2"
     ";Последняя запись справочника проводов «%1» обрезана и пропущена: она начинается со смещения %2 байт"},
    {"Standard_output", "standard output;стандартный вывод"},
    {"Output_closed", "it is closed;он закрыт"},
    {"Output_reader_ended",
     "the program reading it has ended (broken pipe);читающая его программа завершилась (канал разорван)"},
    {"Output_not_written",
     "The output \"%1\" cannot be written: %2;Вывод «%1» не удаётся записать: %2"},
};

}  // namespace

void RegisterFileTexts() { RegisterTexts(kTexts); }

std::string FileText(const char* key, const std::string& first, const std::string& second) {
  std::string text = LocalText(key);
  for (const auto& [mark, value] : {std::pair{"%1", &first}, std::pair{"%2", &second}}) {
    const std::size_t at = text.find(mark);
    if (at != std::string::npos) text.replace(at, 2, *value);
  }
  return text;
}

}  // namespace orv::settings

#pragma once

#include "ui/dialogs/version_number.h"

namespace orv::ui {

// What the about box says of the program and its maker.

inline constexpr const char* kAboutDescriptionEnglish =
    "Calculation of balancing loads in cases\r\nof insulator strings deflection due to wind and "
    "stress,\r\nfor providing stability to insulator strings at the lowest\r\ntemperature and "
    "verifying the tearing forces";
inline constexpr const char* kAboutDescriptionRussian =
    "Расчёт компенсирующих грузов при отклонении\r\nгирлянд изоляторов под воздействием "
    "ветра\r\nи тяжения, для устойчивости гирлянд при низшей\r\nтемпературе и проверка на "
    "вырывающее усилие";

inline constexpr const char* kAboutProgrammersEnglish = "Mirvex software group";
inline constexpr const char* kAboutProgrammersRussian = "Группа разработки Мирвекс";
inline constexpr const char* kAboutAuthorEnglish = "Mirvex, overhead line design\r\nsupport@mirvex.example";
inline constexpr const char* kAboutAuthorRussian = "Мирвекс, проектирование ВЛ\r\nsupport@mirvex.example";
inline constexpr const char* kAboutCompanyEnglish = "Mirvex";
inline constexpr const char* kAboutCompanyRussian = "Мирвекс";
inline constexpr int kAboutYear = 2026;
inline constexpr const char* kAboutWebAddress = "https://mirvex.example/";

}  // namespace orv::ui

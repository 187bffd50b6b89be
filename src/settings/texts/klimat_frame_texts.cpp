#include "settings/texts/klimat_frame_texts.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

constexpr TextEntry kTexts[] = {
    {"Ice", "Ice;Гололед"},
    {"Thickness", "Thickness:;Толщина стенки:"},
    {"Temperature", "Temperature;Температура"},
    {"Max", "Maximum:;Максимальная:"},
    {"Min", "Minimum:;Минимальная:"},
    {"Ice_with_wind", "Ice with wind:;При гололеде с ветром:"},
    {"Ice_without_wind", "Ice without wind:;При гололеде без ветра:"},
    {"Average_annual", "Average annual:;Среднегодовая:"},
    {"Wind_velocity", "Wind velocity;Скорость ветра"},
    {"In_case_of_ice", "In case of ice:;При гололеде:"},
};

}  // namespace

void RegisterKlimatFrameTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

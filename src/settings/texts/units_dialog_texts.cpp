#include "settings/texts/units_dialog_texts.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

constexpr TextEntry kTexts[] = {
    {"Tension_daN", "Stress, daN/mm2.   Tension, daN.   Modulus of elasticity, daN/mm2.;Напряжения, даН/мм2.   Тяжения, даН.   Модуль упругости, даН/мм2."},
    {"Tension_N", "Stress, N/mm2.   Tension, kN.   Modulus of elasticity, kN/mm2.;Напряжения, Н/мм2.   Тяжения, кН.   Модуль упругости, кН/мм2."},
};

}  // namespace

void RegisterUnitsDialogTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

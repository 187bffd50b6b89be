#include "settings/texts/wires_edit_texts.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

constexpr TextEntry kTexts[] = {
    {"Add_Edit", "Add/Edit;Добавить/Изменить"},
    {"Diameter", "Diameter;Диаметр"},
    {"Sect_area", "Sectional area;Площадь сечения"},
    {"Weight_per", "Weight per unit length;Вес единицы длины"},
    {"Modulus", "Modulus of elasticity;Модуль упругости"},
    {"Linear_coef", "Linear thermal\r\nexpansion\r\ncoefficient;Температурный\r\nкоэффициент линейного\r\nрасширения"},
};

}  // namespace

void RegisterWiresEditTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

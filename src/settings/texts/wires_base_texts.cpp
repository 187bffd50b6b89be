#include "settings/texts/wires_base_texts.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

constexpr TextEntry kTexts[] = {
    {"Diameter_", "Diameter,\r\nmm;Диаметр,\r\nмм"},
    {"Sect_area_", "Sectional\r\narea,\r\nmm^2;Площадь\r\nсечения,\r\nмм^2"},
    {"Weight_per_", "Weight per\r\nunit length,\r\nkg/m;Вес единицы\r\nдлины,\r\nкг/м"},
    {"Modulus_", "Modulus\r\nof elasticity,\r\ndaN/mm^2;Модуль\r\nупругости,\r\nдаН/мм^2"},
    {"Modulus_N", "Modulus\r\nof elasticity,\r\nkN/mm^2;Модуль\r\nупругости,\r\nкН/мм^2"},
    {"Linear_coef_", "Linear thermal\r\nexpansion\r\ncoefficient, 1/°C;Температурный\r\nкоэффициент\r\nрасширения, 1/°C"},
    {"Wire_in_use",
     "%2 supports of the open project use this wire: %1. Without it they cannot be calculated; Ctrl+Z in this "
     "window brings it back.;Этот провод используют опоры открытого проекта (%2): %1. Без него они не будут "
     "рассчитаны; Ctrl+Z в этом окне вернет его."},
    {"delete_wire", "Are you sure you would like to delete this wire?;Вы уверены, что хотите удалить этот провод?"},
};

}  // namespace

void RegisterWiresBaseTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

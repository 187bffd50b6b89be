#include "settings/texts/klimat_koef_frame_texts.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

constexpr TextEntry kTexts[] = {
    {"Climaticparameter", "Climatic parameters specification;Уточнение климатических параметров"},
    {"Type_of_terrain", "Type of terrain:;Тип местности:"},
    {"height_for_wires", "Equivalent center of gravity height for wires, cords, cables,\r\nmidpoints of supports constructions over the ground;Высота приведенного центра тяжести проводов, тросов, кабеля,\r\nсредних точек зон конструкций опор над поверхностью земли"},
    {"Reliability_coefficients", "Reliability coefficients to standard loads;Коэффициенты надежности к нормативным нагрузкам"},
    {"Windloads", "Windloads;К ветровым нагрузкам"},
    {"Responsibility", "Responsibility;Ответственности"},
    {"Regional", "Regional;Региональный"},
    {"Reliability", "Reliability;Надежности"},
    {"Operating", "Operating conditions;Условий работы"},
    {"Iceloads", "Iceloads;К гололедным нагрузкам"},
    {"do", " ;до"},
};

}  // namespace

void RegisterKlimatKoefFrameTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

#include "settings/texts/diagram_texts.h"

#include "settings/texts/text_table.h"

namespace {

constexpr TextEntry kTexts[] = {
    {"Diagram_swing_title",
     "Swing of the supporting string, support;Отклонение поддерживающей гирлянды, опора"},
    {"Diagram_case_max_wind", "governing case: maximum wind;расчётный режим: максимальный ветер"},
    {"Diagram_case_reduced_wind", "governing case: reduced wind;расчётный режим: пониженный ветер"},
    {"Diagram_against_weight", "Against the added weight;В зависимости от добавленного груза"},
    {"Diagram_against_span",
     "Against the weight span, no added weight;В зависимости от весового пролёта, без груза"},
    {"Diagram_added_weight_kg", "Added weight, kg;Добавленный груз, кг"},
    {"Diagram_weight_span_m", "Weight span, m;Весовой пролёт, м"},
    {"Diagram_swing_angle_deg", "Swing angle, °;Угол отклонения, °"},
    {"Diagram_swing_curve", "Swing angle of the string;Угол отклонения гирлянды"},
    {"Diagram_alfa_p", "Permissible angle Alfa (р);Допустимый угол Alfa (р)"},
    {"Diagram_alfa_ab", "Permissible angle Alfa (а,в);Допустимый угол Alfa (а,в)"},
    {"Diagram_alfa_bal",
     "Permissible angle with ballast (above 4 dampers);Допустимый угол с балластом (более 4 гасителей)"},
    {"Diagram_as_it_stands", "The support as it stands;Опора без груза"},
    {"Diagram_found_weight", "Load found by the calculation;Груз по расчёту"},
    {"Diagram_recommended",
     "With the recommended dampers or ballast;С рекомендуемыми гасителями или балластом"},
    {"Diagram_own_span", "Weight span of the support;Весовой пролёт опоры"},
    {"Diagram_min_span", "Smallest weight span;Наименьший весовой пролёт"},
    {"Diagram_turn_note",
     "At a route turn the load counts the wires' pull as a weight (a quarter of the turn angle), the "
     "smallest weight span as a pull (half of it), so the two panels differ.;На повороте трассы груз "
     "учитывает тяжение проводов как вес (четверть угла поворота), а наименьший весовой пролёт — как "
     "горизонтальную силу (половину угла), поэтому графики различаются."},
    {"Diagram_kg", "kg;кг"},
    {"Diagram_m", "m;м"},
    {"Diagram_profile_title", "Line profile;Профиль линии"},
    {"Diagram_distance_m", "Distance along the line, m;Расстояние вдоль линии, м"},
    {"Diagram_level_m", "Level, m;Отметка, м"},
    {"Diagram_ground", "Ground;Земля"},
    {"Diagram_attachment", "Wire attachment;Точка подвеса провода"},
    {"Diagram_neighbours_held", "Neighbours as the support holds them;Соседние опоры по данным опоры"},
    {"Diagram_class_nothing", "Nothing needed;Груз не нужен"},
    {"Diagram_class_dampers", "Dampers;Гасители вибрации"},
    {"Diagram_class_ballast", "Ballast;Балласт"},
    {"Diagram_class_over", "Over 200 kg or strain support;Более 200 кг или анкерная опора"},
    {"Diagram_class_tearing", "Tearing at the lowest temperature;Вырывание при низшей температуре"},
    {"Picture_no_svg",
     "SVG is not in this build of orvane (it was built without Qt SVG), write the picture as PNG "
     "(-o FILE.png);SVG нет в этой сборке orvane (она собрана без Qt SVG), сохраните рисунок в PNG "
     "(-o ФАЙЛ.png)"},
};

}  // namespace

void RegisterDiagramTexts() { RegisterTexts(kTexts); }

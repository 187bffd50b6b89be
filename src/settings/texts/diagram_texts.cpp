#include "settings/texts/diagram_texts.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

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
    {"Diagram_alfa_p", "Permissible angle Alfa (r);Допустимый угол Alfa (р)"},
    {"Diagram_alfa_ab", "Permissible angle Alfa (a,v);Допустимый угол Alfa (а,в)"},
    {"Diagram_alfa_bal",
     "Permissible angle with ballast (once a ballast is hung);Допустимый угол с балластом (когда подвешен "
     "балласт)"},
    {"Diagram_as_it_stands", "The support as it stands;Опора без груза"},
    {"Diagram_found_weight", "Load found by the calculation;Груз по расчёту"},
    {"Diagram_recommended",
     "With the recommended dampers or ballast;С рекомендуемыми гасителями или балластом"},
    {"Diagram_own_span", "Weight span of the support;Весовой пролёт опоры"},
    {"Diagram_min_span", "Smallest weight span;Наименьший весовой пролёт"},
    {"Diagram_turn_note",
     "At the route turn the wires pull the string sideways by 2·σ·F·sin(θ/2). Toward the support the pull "
     "adds to the wind, from the support it eases it. Both panels count it alike.;На повороте трассы "
     "провода тянут гирлянду в сторону с силой 2·σ·F·sin(θ/2). При отклонении к опоре она добавляется к "
     "ветру, от опоры — уменьшает его. Оба графика учитывают её одинаково."},
    {"Diagram_against", "against;при допустимом"},
    {"Diagram_max_wind", "Maximum wind;Максимальный ветер"},
    {"Diagram_reduced_wind", "Reduced wind;Пониженный ветер"},
    {"Diagram_governs", "governs;определяет"},
    {"Diagram_stands_at", "as it stands;без груза"},
    {"Diagram_with_hardware", "with the recommended hardware;с рекомендуемым грузом"},
    {"Diagram_negative_note",
     "An angle below 0° means the string swings to the other side: the pull of the wires at the turn, from "
     "the support, is larger than the wind.;Угол меньше 0° означает, что гирлянда отклонена в другую сторону: "
     "тяжение проводов на повороте, от опоры, больше ветровой нагрузки."},
    {"Diagram_kg", "kg;кг"},
    {"Diagram_m", "m;м"},
    {"Diagram_profile_title", "Line profile;Профиль линии"},
    {"Diagram_distance_m", "Distance along the line, m;Расстояние вдоль линии, м"},
    {"Diagram_distance_km", "Distance along the line, km;Расстояние вдоль линии, км"},
    {"Diagram_level_m", "Level, m;Отметка, м"},
    {"Diagram_ground", "Ground;Земля"},
    {"Diagram_attachment", "Wire attachment;Точка подвеса провода"},
    {"Diagram_neighbours_held", "Neighbours as the support holds them;Соседние опоры по данным опоры"},
    {"Diagram_class_nothing", "Nothing needed;Груз не нужен"},
    {"Diagram_class_dampers", "Dampers;Гасители вибрации"},
    {"Diagram_class_ballast", "Ballast;Балласт"},
    {"Diagram_class_over", "Over 200 kg or strain support;Более 200 кг или анкерная опора"},
    {"Diagram_class_tearing", "Tearing at the lowest temperature;Вырывание при низшей температуре"},
    {"Diagram_too_many_supports",
     "A profile draws at most %1 supports, the project has %2. No profile was written.;Профиль вмещает не "
     "более %1 опор, в проекте их %2. Профиль не записан."},
    {"Diagram_level_out",
     "Support \"%1\": the level %2 m cannot be drawn: a profile draws levels from -%3 to %3 m. No profile "
     "was written.;Опора «%1»: отметку %2 м нельзя нарисовать: профиль рисует отметки от -%3 до %3 м. "
     "Профиль не записан."},
    {"Diagram_line_too_long",
     "Support \"%1\": the line reaches %2 m, beyond the %3 m a profile can draw. No profile was written.;"
     "Опора «%1»: линия доходит до %2 м, дальше %3 м, которые может нарисовать профиль. Профиль не "
     "записан."},
    {"Diagram_value_out",
     "Support \"%1\": %2 = %3 cannot be drawn: the diagram draws values up to %4. No diagram was written.;"
     "Опора «%1»: %2 = %3 нельзя нарисовать: диаграмма рисует значения до %4. Диаграмма не записана."},
    {"Picture_no_memory",
     "A picture of %1 × %2 pixels needs more memory than there is. Nothing was written.;Для рисунка %1 × %2 "
     "пикселей не хватает памяти. Ничего не записано."},
    {"Picture_no_svg",
     "SVG is not in this build of orvane (it was built without Qt SVG), write the picture as PNG "
     "(-o FILE.png);SVG нет в этой сборке orvane (она собрана без Qt SVG), сохраните рисунок в PNG "
     "(-o ФАЙЛ.png)"},
};

}  // namespace

void RegisterDiagramTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

#include "settings/texts/support_range_texts.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

constexpr TextEntry kTexts[] = {
    {"Range_outside", "outside the range;вне диапазона"},
    {"Range_not_negative", "must not be negative;не может быть отрицательным"},
    {"Range_wires", "Number of wires in phase;Количество проводов в фазе"},
    {"Range_ground_left", "Ground level of the left support, m;Отметка земли левой опоры, м"},
    {"Range_ground_this", "Ground level of this support, m;Отметка земли этой опоры, м"},
    {"Range_ground_right", "Ground level of the right support, m;Отметка земли правой опоры, м"},
    {"Range_turn", "Angle of line route turn, degrees;Угол поворота трассы, град"},
    {"Range_span_left", "Span on the left, m;Пролёт слева, м"},
    {"Range_span_right", "Span on the right, m;Пролёт справа, м"},
    {"Range_span_equivalent", "Equivalent span, m;Приведённый пролёт, м"},
    {"Range_damper", "Weight of a vibration damper, kg;Вес гасителя вибрации, кг"},
    {"Range_string", "Weight of the insulator string, kg;Вес гирлянды изоляторов, кг"},
    {"Range_height_left",
     "Height of wire attachment on the left support, m;Высота подвески провода на левой опоре, м"},
    {"Range_height_this",
     "Height of wire attachment on this support, m;Высота подвески провода на этой опоре, м"},
    {"Range_height_right",
     "Height of wire attachment on the right support, m;Высота подвески провода на правой опоре, м"},
    {"Range_alfa_p", "Angle Alfa (r), degrees;Угол Alfa (р), град"},
    {"Range_alfa_ab", "Angle Alfa (a,v), degrees;Угол Alfa (а,в), град"},
    {"Range_alfa_bal", "Angle with ballast, degrees;Угол с балластом, град"},
    {"Range_terrain", "Type of terrain (1 = A, 2 = B, 3 = C);Тип местности (1 = A, 2 = B, 3 = C)"},
    {"Range_stress_max", "Maximum permissible tension, daN/mm²;Максимальное допускаемое напряжение, даН/мм²"},
    {"Range_stress_average",
     "Tension at average annual temperature, daN/mm²;Напряжение при среднегодовой температуре, даН/мм²"},
    {"Range_tension_max", "Maximum permissible stress, daN;Максимальное допускаемое тяжение, даН"},
    {"Range_tension_average",
     "Stress at average annual temperature, daN;Тяжение при среднегодовой температуре, даН"},
    // The permissible stresses and temperatures that leave no critical span.
    {"Refusal_stress_max",
     "Maximum permissible tension equals 0,\r\ncalculation is impossible!;"
     "Макс. допустимое напряжение равно 0, расчёт невозможен!"},
    {"Refusal_stress_average",
     "Tension at average annual temperature equals 0,\r\ncalculation is impossible!;"
     "Напряжение при Тср.г. равно 0, расчёт невозможен!"},
    {"Refusal_stress_equal",
     "Tension at average annual temperature equals maximum permissible tension,\r\n"
     "calculation is impossible!;"
     "Напряжение при Тср.г. равно макс. допустимому, расчёт невозможен!"},
    {"Refusal_temperatures",
     "Minimum temperature is higher than the air temperature at ice,\r\ncalculation is impossible!;"
     "Минимальная температура выше чем при гололёде, расчёт невозможен!"},
};

}  // namespace

void RegisterSupportRangeTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

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
    {"Range_above_maximum", "above the maximum;больше максимального"},
    {"Range_ice", "Ice wall thickness, mm;Толщина стенки гололёда, мм"},
    {"Range_wind_max", "Maximum wind velocity, m/s;Максимальная скорость ветра, м/с"},
    {"Range_wind_ice", "Wind velocity in case of ice, m/s;Скорость ветра при гололёде, м/с"},
    {"Range_temp_min", "Minimum air temperature, °C;Минимальная температура воздуха, °C"},
    {"Range_temp_max", "Maximum air temperature, °C;Максимальная температура воздуха, °C"},
    {"Range_temp_ice_no_wind",
     "Air temperature at ice without wind, °C;Температура воздуха при гололёде без ветра, °C"},
    {"Range_temp_ice_wind", "Air temperature at ice with wind, °C;Температура воздуха при гололёде с ветром, °C"},
    {"Range_temp_average", "Average annual air temperature, °C;Среднегодовая температура воздуха, °C"},
    {"Range_wind_resp",
     "Reliability coefficient for responsibility, wind loads;"
     "Коэффициент надёжности по ответственности, ветровые нагрузки"},
    {"Range_wind_regional", "Regional coefficient, wind loads;Региональный коэффициент, ветровые нагрузки"},
    {"Range_wind_reliability", "Reliability coefficient, wind loads;Коэффициент надёжности, ветровые нагрузки"},
    {"Range_ice_resp",
     "Reliability coefficient for responsibility, ice loads;"
     "Коэффициент надёжности по ответственности, гололёдные нагрузки"},
    {"Range_ice_regional", "Regional coefficient, ice loads;Региональный коэффициент, гололёдные нагрузки"},
    {"Range_ice_reliability", "Reliability coefficient, ice loads;Коэффициент надёжности, гололёдные нагрузки"},
    {"Range_ice_operating",
     "Coefficient of operating conditions, ice loads;Коэффициент условий работы, гололёдные нагрузки"},
    {"Range_wire_height",
     "Height of the wires' centre of gravity, m;Высота центра тяжести проводов, м"},
    {"Range_wire_diameter", "Wire diameter, mm;Диаметр провода, мм"},
    {"Range_wire_area", "Cross-section area, mm²;Площадь сечения, мм²"},
    {"Range_wire_weight", "Weight of the wire, kg/m;Вес провода, кг/м"},
    {"Range_wire_modulus", "Modulus of elasticity, daN/mm²;Модуль упругости, даН/мм²"},
    {"Range_wire_expansion",
     "Coefficient of thermal expansion, 1/K;Коэффициент температурного расширения, 1/К"},
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

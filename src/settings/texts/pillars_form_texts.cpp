#include "settings/texts/pillars_form_texts.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

constexpr TextEntry kTexts[] = {
    {"Max_perm_tens", "Maximum permissible stress:;Максимальное допускаемое напряжение:"},
    {"Tension_aver_temp", "Stress at average annual temperature:;Напряжение при среднегодовой температуре:"},
    {"Max_stress", "Maximum permissible tension:;Максимальное допускаемое тяжение:"},
    {"Stress_aver_temp", "Tension at average annual temperature:;Тяжение при среднегодовой температуре:"},
    {"Number_support", "Number of support:;Номер опоры:"},
    {"Type_wire", "Type of wire:;Марка провода:"},
    {"Number_wires", "Number of wires in phase:;Количество проводов в фазе:"},
    {"Angle_route", "Angle of line route turn, degrees:;Угол поворота трассы, град:"},
    {"Spans", "Spans, m;Пролеты, м"},
    {"Ground_level", "Ground level of supports, m;Отметки земли опор, м"},
    {"Height_wire", "Height of wire attachment on supports, m;Высота подвески провода на опорах, м"},
    {"Approaching_angles", "Approaching angles, degrees;Углы приближения, град."},
    {"On_the_left", "On the left:;Слева:"},
    {"On_the_right", "On the right:;Справа:"},
    {"Equivalent", "Equivalent:;Приведенный"},
    {"Left", "Left:;Левой:"},
    {"Alfa_p", "Alfa (r):;Alfa (р):"},
    {"Alfa_ab", "Alfa (a,v):;Alfa (а,в):"},
    {"This", "This:;Этой:"},
    {"Right", "Right:;Правой:"},
    {"With_ballast", "With ballast:;С балластом:"},
    {"Weight", "Weight, kg;Вес, кг"},
    {"Vibration_damper", "Vibration damper:;Гаситель вибрации:"},
    {"Insulator_string", "Insulator string:;Гирлянда изоляторов:"},
    {"Deflection", "Deflection of supporting insulator string\r\non support with the line route turn:;Отклонение поддерживающей гирлянды\r\nизоляторов на опоре с углом поворота:"},
    {"toward_support", "toward support;к опоре"},
    {"from_support", "from support;от опоры"},
    {"Mess_01", "There is no need in calculating the load weight for these conditions.;Расчёт груза на данные условия не требуется."},
    {"Mess_02", "There is no need for the balancing load.;Подвеска компенсирующего груза не требуется."},
    {"Mess_03", "Two vibration dampers were used as a balancing load.;В качестве компенсирующего груза использовать два гасителя вибрации."},
    {"Mess_04", "Four vibration dampers were used as a balancing load.;В качестве компенсирующего груза использовать четыре гасителя вибрации."},
    {"Mess_05", "The installation of ballast BL-100-1 weighing 50 kg is necessary.;Необходима подвеска балласта БЛ-100-1 весом 50 кг."},
    {"Mess_06", "The installation of ballast BL -100-1 weighing 100 kg is necessary.;Необходима подвеска балласта БЛ-100-1 весом 100 кг."},
    {"Mess_07", "Two vibration dampers and ballast BL -100-1 weighing 100 kg are necessary.;Необходима подвеска 2-х гасителей вибрации и балласта БЛ-100-1 весом 100 кг."},
    {"Mess_08", "The installation of ballast BL -200-1 weighing 150 kg is necessary.;Необходима подвеска балласта БЛ-200-1 весом 150 кг."},
    {"Mess_09", "Two vibration dampers and ballast BL -200-1 weighing 150 kg are necessary.;Необходима подвеска 2-х гасителей вибрации и балласта БЛ-200-1 весом 150 кг."},
    {"Mess_10", "Two vibration dampers and ballast BL-100-1 weighing 50 kg are necessary.;Необходима подвеска 2-х гасителей вибрации и балласта БЛ-100-1 весом 50 кг."},
    {"Mess_11", "The installation of ballast BL -200-1 weighing 200 kg.;Необходима подвеска балласта БЛ-200-1 весом 200 кг."},
    {"Mess_12", "Two vibration dampers and ballast BL -200-1 weighing 200 kg are necessary.;Необходима подвеска двух гасителей вибрации и балласта БЛ-200-1 весом 200 кг."},
    {"Mess_13", "The weight of the load is more than 200 kg (see calculation) or it’s a strain support.;Вес груза более 200 кг (см. расчёт) или анкерная опора."},
    {"No_governing_case", "The governing initial state cannot be determined from the critical spans.\r\nThe data are incorrect.;Исходный режим не может быть определён по критическим пролётам.\r\nДанные не корректны."},
    {"Warn_ballast_angle", "The angle with ballast is not larger than either permissible angle: it belongs to neither swing case, and a ballast would not loosen any limit. Check the angles of the support.;Угол с балластом не больше ни одного из допустимых углов: он не относится ни к одному режиму, и балласт не ослабил бы ни одного ограничения. Проверьте углы опоры."},
    {"Warn_uplift", "At the lowest temperature the wires pull the string upward with %1: the hardware is chosen to hold this force down as well.;При низшей температуре провода тянут гирлянду вверх с усилием %1: груз выбран и с учётом этого усилия."},
    {"Warn_string_over_90", "The weight span of the governing case is negative: without a load the string would stand over 90°. Check the ground levels and the attachment heights.;Весовой пролёт определяющего режима отрицателен: без груза гирлянда отклонилась бы более чем на 90°. Проверьте отметки земли и высоты подвеса."},
};

}  // namespace

void RegisterPillarsFormTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

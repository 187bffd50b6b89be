#include "settings/texts/results_texts.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

constexpr TextEntry kTexts[] = {
    // Column titles of the results table.
    {"Results_col_number", "Support;Опора"},
    {"Results_col_wire", "Wire;Провод"},
    {"Results_col_spans", "Spans L / R (eq.), m;Пролёты Л / П (прив.), м"},
    {"Results_col_load", "Load, kg;Груз, кг"},
    {"Results_col_hang", "To hang;Подвесить"},
    {"Results_col_weight_span", "Smallest / own weight span, m;Наименьший / свой весовой пролёт, м"},
    {"Results_col_vertical_daN", "Vert. load at Tmin, daN;Верт. нагр. при Tmin, даН"},
    {"Results_col_vertical_kN", "Vert. load at Tmin, kN;Верт. нагр. при Tmin, кН"},
    {"Results_col_mark", "Result;Итог"},
    {"Results_col_verdict", "Verdict or message;Рекомендация или сообщение"},
    // What to hang.
    {"Results_tab_swing", "Swing diagram;График отклонения гирлянды"},
    {"Results_tab_profile", "Line profile;Профиль линии"},
    {"Results_hang_nothing", "nothing;ничего"},
    {"Results_dampers", "%1 dampers;%1 гасителя"},
    {"Results_ballast_100", "BL-100-1 %1 kg;БЛ-100-1 %1 кг"},
    {"Results_ballast_200", "BL-200-1 %1 kg;БЛ-200-1 %1 кг"},
    {"Results_duplicate",
     "The support number %1 is used more than once (rows %2).;Номер опоры %1 повторяется (строки %2)."},
    // One line of reason.
    {"Results_reason_governs",
     "Governing case %1: smallest weight span %2;Определяющий режим «%1»: наименьший весовой пролёт %2"},
    {"Results_reason_own_span", "the support has %1 m;у опоры %1 м"},
    {"Results_reason_other_case", "%1 needs %2 kg;режим «%1» требует %2 кг"},
    {"Results_reason_ballast_angle",
     "the angle with ballast, %1°, belongs to %2;угол с балластом %1° относится к режиму «%2»"},
    {"Results_reason_hardware_angles",
     "with the hardware hung: %1;с подвешенным грузом: %1"},
    {"Results_case_max_wind", "maximum wind;максимальный ветер"},
    {"Results_case_reduced_wind", "reduced wind;пониженный ветер"},
    {"Results_case_angle", "%1 %2° (limit %3°);%1 %2° (предел %3°)"},
    {"Results_not_limiting",
     "not limiting (negative);не ограничивает (отрицательный)"},
    {"Results_reason_ballast_heavier",
     "the hung hardware (%1 kg) is more than the %2 kg needed with the ballast hung: without a ballast "
     "the strings must keep to their own stricter angles;подвешиваемое (%1 кг) тяжелее %2 кг, нужных с "
     "балластом: без балласта гирлянды должны держать свои более строгие углы"},
    {"Results_reason_no_string",
     "No insulator string: the vertical load at the lowest temperature decides (%1);Гирлянды нет: решает "
     "вертикальная нагрузка при низшей температуре (%1)"},
    {"Results_reason_stopped", "The calculation stopped at the check of %1;Расчёт остановлен на проверке %1"},
    // The live result of the support editor.
    {"Results_live_title", "Result for the values as typed;Результат для введённых значений"},
    {"Results_live_load", "Load:;Груз:"},
    {"Results_live_weight_span", "Smallest / own weight span:;Наименьший / свой весовой пролёт:"},
    {"Results_live_vertical", "Vertical load at lowest temp.:;Верт. нагрузка при низшей темп.:"},
    {"Results_live_why", "Why:;Почему:"},
    // The details view.
    {"Results_details", "Details...;Подробно..."},
    {"Results_details_hint", "How the result of the support was reached;Как получен результат опоры"},
    {"Results_details_title", "Support %1: how the result was reached;Опора %1: как получен результат"},
    {"Results_swing_none",
     "No swing diagram: the support has no insulator string or its calculation stopped "
     "before the swing check.;Диаграммы отклонения нет: у опоры нет гирлянды или расчёт "
     "остановлен до проверки отклонения."},
    {"Details_quantity", "Quantity;Величина"},
    {"Details_value", "Value;Значение"},
    {"Details_unit", "Unit;Ед. изм."},
    {"Details_loads", "Loads on the wire;Нагрузки на провод"},
    {"Details_p1", "Own weight, P1;Собственный вес, P1"},
    {"Details_p4", "Maximum wind on the wire free of ice, P4;Максимальный ветер на провод без гололёда, P4"},
    {"Details_p625", "Reduced wind (6.25 daN/m²), P6.25;Пониженный ветер (6,25 даН/м²), P6.25"},
    {"Details_gammas", "Specific loads γ1, γ6, γR6.25, γmax;Удельные нагрузки γ1, γ6, γR6.25, γmax"},
    {"Details_permissible", "Permissible stresses σmax, σavg;Допускаемые напряжения σmax, σср"},
    {"Details_states", "Wire states;Режимы провода"},
    {"Details_critical", "Critical spans l1, l2, l3;Критические пролёты l1, l2, l3"},
    {"Details_governing", "Governing initial state;Исходный режим"},
    {"Details_governing_1", "average annual temperature, own weight, σavg;среднегодовая температура, "
                            "собственный вес, σср"},
    {"Details_governing_2", "lowest temperature, own weight, σmax;низшая температура, собственный вес, σmax"},
    {"Details_governing_3",
     "greatest load (ice without wind), σmax;наибольшая нагрузка (гололёд без ветра), σmax"},
    {"Details_stresses", "Stresses of the states σ1, σ2, σ3;Напряжения режимов σ1, σ2, σ3"},
    {"Details_string", "Supporting insulator string;Поддерживающая гирлянда"},
    {"Details_wind_span", "Wind span H;Ветровой пролёт H"},
    {"Details_swing", "Governing swing case;Определяющий режим отклонения"},
    {"Details_angle", "Own permissible angle;Собственный допустимый угол"},
    {"Details_stress", "Stress of the case;Напряжение режима"},
    {"Details_case_max_wind", "Maximum wind, Alfa (r);Максимальный ветер, Alfa (р)"},
    {"Details_case_reduced_wind", "Reduced wind, Alfa (a,v);Пониженный ветер, Alfa (а,в)"},
    {"Details_case_load", "Load at its own angle;Груз при собственном угле"},
    {"Details_case_need", "Need of the case;Требуется по режиму"},
    {"Details_case_ballast", "Load at the angle with ballast;Груз при угле с балластом"},
    {"Details_case_hardware_angle",
     "Swing with the recommended hardware / limit;Отклонение с рекомендуемым грузом / предел"},
    {"Details_ballast_case", "The angle with ballast belongs to;Угол с балластом относится к режиму"},
    {"Details_ice_loads", "Ice P2, wind at ice P5, resultant P7;Гололёд P2, ветер при гололёде P5, суммарная P7"},
    {"Details_factors", "Height factor K, span factor α, drag Cx;Коэффициенты K (высота), α (пролёт), Cₓ (обтекание)"},
    {"Details_dynamic",
     "Dynamic coefficient / span length factor;Коэффициент динамики / коэффициент длины пролёта"},
    {"Details_weight_span", "Smallest / own weight span;Наименьший / свой весовой пролёт"},
    {"Details_load_before", "Larger need of the two cases;Большая из потребностей двух режимов"},
    {"Details_ballast_angle", "A ballast is hung (over four dampers);Подвешен балласт (больше четырёх гасителей)"},
    {"Details_turn_term", "Route-turn term of the load, T/tan φ;Член поворота трассы в грузе, T/tg φ"},
    {"Details_result", "Result;Результат"},
    {"Details_load", "Balancing load;Компенсирующий груз"},
    {"Details_hang", "To hang;Подвесить"},
    {"Details_min_temp_span", "Weight span at the lowest temperature;Весовой пролёт при низшей температуре"},
    {"Details_vertical",
     "Vertical load at the lowest temperature;Вертикальная нагрузка при низшей температуре"},
    {"Details_verdict", "Verdict;Рекомендация"},
    {"Unit_m", "m;м"},
    {"Unit_kg", "kg;кг"},
    {"Unit_deg", "degrees;град."},
    {"Unit_daN_m", "daN/m;даН/м"},
    {"Unit_specific", "daN/(m·mm²);даН/(м·мм²)"},
    {"Unit_stress_daN", "daN/mm²;даН/мм²"},
    {"Unit_stress_N", "N/mm²;Н/мм²"},
    {"Unit_daN", "daN;даН"},
    {"Unit_kN", "kN;кН"},
    {"Details_why", "Why;Почему"},
    {"Details_warning", "Warning;Предупреждение"},
    {"Details_rule_named", "the critical spans named;по критическим пролётам"},
    {"Details_messages", "Messages of the calculation;Сообщения расчёта"},
};

}  // namespace

void RegisterResultsTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

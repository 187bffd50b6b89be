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
    {"Results_reason_max_wind",
     "Maximum-wind swing governs: %1 m weight span needed, the support has %2 m;Груз определяется "
     "отклонением гирлянды при максимальном ветре: нужен весовой пролёт %1 м, у опоры %2 м"},
    {"Results_reason_reduced_wind",
     "Reduced-wind swing governs: %1 m weight span needed, the support has %2 m;Груз определяется "
     "отклонением гирлянды при пониженном ветре: нужен весовой пролёт %1 м, у опоры %2 м"},
    {"Results_reason_ballast_angle", "the angle with ballast applies;применён угол с балластом"},
    {"Results_reason_ballast_heavier",
     "the hung hardware (%1 kg) is more than the %2 kg needed at the angle with ballast: without a ballast "
     "the string must keep to the stricter governing angle;подвешиваемое (%1 кг) тяжелее %2 кг, нужных при "
     "угле с балластом: без балласта гирлянда должна держать более строгий определяющий угол"},
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
    {"Details_swing", "Governing deflection check;Определяющая проверка отклонения"},
    {"Details_need", "Needed by max. / reduced wind;Требуется при макс. / пониженном ветре"},
    {"Details_angle", "Permissible angle of the check;Допустимый угол проверки"},
    {"Details_dynamic",
     "Dynamic coefficient / span length factor;Коэффициент динамики / коэффициент длины пролёта"},
    {"Details_weight_span", "Smallest / own weight span;Наименьший / свой весовой пролёт"},
    {"Details_load_before", "Load before the damper and ballast rule;Груз до выбора гасителей и балласта"},
    {"Details_ballast_angle", "Angle with ballast used;Использован угол с балластом"},
    {"Details_final_angle", "Angle the load meets;Угол, которому отвечает груз"},
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

#include "settings/texts/explain_texts.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

constexpr TextEntry kTexts[] = {
    {"Explain_critical_spans", "Critical spans l1, l2, l3, m;Критические пролёты l1, l2, l3, м"},
    {"Explain_imaginary", "imaginary;мнимый"},
    {"Explain_governing_state", "Governing initial state;Исходный режим"},
    {"Explain_none", "none;не определён"},
    {"Explain_state_stresses", "Stresses σ1, σ2, σ3, daN/mm²;Напряжения σ1, σ2, σ3, даН/мм²"},
    {"Explain_swing", "Governing string deflection;Определяющее отклонение гирлянды"},
    {"Explain_max_wind", "maximum wind, Alfa (r);максимальный ветер, Alfa (р)"},
    {"Explain_reduced_wind", "reduced wind, Alfa (a,v);пониженный ветер, Alfa (а,в)"},
    {"Explain_weight_span",
     "Weight span / smallest weight span, m;Весовой пролёт / наименьший весовой пролёт, м"},
    {"Explain_load_before",
     "Load before the damper and ballast rule, kg;Груз до выбора гасителей и балласта, кг"},
    {"Explain_ballast_angle", "Angle with ballast used;Использован угол с балластом"},
    {"Explain_yes", "yes;да"},
    {"Explain_no", "no;нет"},
    {"Explain_min_temp",
     "Lowest temperature: weight span, m / vertical load, daN;Низшая температура: весовой пролёт, м / "
     "вертикальная нагрузка, даН"},
    {"Explain_stopped_at", "Calculation stopped at;Расчёт остановлен на проверке"},
    {"Explain_stop_critical_spans",
     "critical spans (permissible stresses and temperatures);критических пролётов (допускаемые напряжения и "
     "температуры)"},
    {"Explain_stop_governing_case", "governing initial state;исходного режима"},
    {"Explain_stop_angle", "permissible angles;допустимых углов"},
    {"Explain_stop_range", "ranges of the inputs;допустимых диапазонов исходных данных"},
    {"Explain_stop_vibration", "coefficient of vibration dynamic;коэффициента динамики вибрации"},
    {"Explain_error", "Error;Ошибка"},
};

}  // namespace

void RegisterExplainTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

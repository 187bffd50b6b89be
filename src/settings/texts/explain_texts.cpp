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
    {"Explain_swing", "Governing swing case;Определяющий режим отклонения"},
    {"Explain_case_load", "load at its own angle, kg;груз при своём угле, кг"},
    {"Explain_case_need", "need;требуется"},
    {"Explain_case_at_ballast", "load at the angle with ballast;груз при угле с балластом"},
    {"Explain_loads",
     "Loads P1, P2, P4, P5, P6.25, P7, daN/m;Нагрузки P1, P2, P4, P5, P6.25, P7, даН/м"},
    {"Explain_gammas",
     "Specific loads γ1, γ6, γR6.25, γ7, γmax, daN/(m·mm²);Удельные нагрузки γ1, γ6, γR6.25, γ7, γmax, "
     "даН/(м·мм²)"},
    {"Explain_factors",
     "Height factor K, span factors α (Vmax, ice), drag Cx;Коэффициенты: высоты K, пролёта α (Vmax, "
     "гололёд), лобового сопротивления Cx"},
    {"Explain_max_wind", "maximum wind, Alfa (r);максимальный ветер, Alfa (р)"},
    {"Explain_reduced_wind", "reduced wind, Alfa (a,v);пониженный ветер, Alfa (а,в)"},
    {"Explain_weight_span",
     "Weight span / smallest weight span, m;Весовой пролёт / наименьший весовой пролёт, м"},
    {"Explain_load_before",
     "Larger need of the two cases, kg;Большая из потребностей двух режимов, кг"},
    {"Explain_ballast_angle", "Ballast hung (over four dampers);Подвешен балласт (больше четырёх гасителей)"},
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

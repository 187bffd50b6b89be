#include "settings/texts/summary_sheet_texts.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

constexpr TextEntry kTexts[] = {
    {"Summary_sheet", "Summary;Сводка"},
    {"Summary_support", "Support;Опора"},
    {"Summary_wire", "Wire;Провод"},
    {"Summary_span_left", "Left span, m;Пролёт слева, м"},
    {"Summary_span_right", "Right span, m;Пролёт справа, м"},
    {"Summary_load", "Weight to add, kg;Вес груза, кг"},
    {"Summary_hanging", "What to hang;Что подвесить"},
    {"Summary_min_weight_span", "Smallest weight span, m;Наименьший весовой пролёт, м"},
    {"Summary_weight_span",
     "Weight span (below 0: the wire pulls up), m;Весовой пролёт (меньше 0: провод тянет вверх), м"},
    {"Summary_vertical_daN",
     "Vertical load at the lowest temperature (above 0: the wire presses down), daN;Вертикальная нагрузка при "
     "низшей температуре (больше 0: провод давит вниз), даН"},
    {"Summary_vertical_kN",
     "Vertical load at the lowest temperature (above 0: the wire presses down), kN;Вертикальная нагрузка при "
     "низшей температуре (больше 0: провод давит вниз), кН"},
    {"Report_tearing_kN",
     "Tearing force at the lowest temperature (below 0: the wire presses down), kN;Вырывающее усилие при низшей "
     "температуре (меньше 0: провод давит вниз), кН"},
    {"Summary_verdict", "Verdict;Рекомендация"},
    {"Summary_warnings", "Warnings on the data;Предупреждения о данных"},
    {"Summary_reason", "Why: the swing cases;Почему: режимы отклонения"},
    {"Hang_nothing", "nothing;ничего"},
    {"Hang_2_dampers", "2 vibration dampers;2 гасителя вибрации"},
    {"Hang_4_dampers", "4 vibration dampers;4 гасителя вибрации"},
    {"Hang_BL100_50", "BL-100-1, 50 kg;БЛ-100-1, 50 кг"},
    {"Hang_BL100_100", "BL-100-1, 100 kg;БЛ-100-1, 100 кг"},
    {"Hang_2_dampers_BL100_50", "2 dampers and BL-100-1, 50 kg;2 гасителя и БЛ-100-1, 50 кг"},
    {"Hang_2_dampers_BL100_100", "2 dampers and BL-100-1, 100 kg;2 гасителя и БЛ-100-1, 100 кг"},
    {"Hang_BL200_150", "BL-200-1, 150 kg;БЛ-200-1, 150 кг"},
    {"Hang_2_dampers_BL200_150", "2 dampers and BL-200-1, 150 kg;2 гасителя и БЛ-200-1, 150 кг"},
    {"Hang_BL200_200", "BL-200-1, 200 kg;БЛ-200-1, 200 кг"},
    {"Hang_2_dampers_BL200_200", "2 dampers and BL-200-1, 200 kg;2 гасителя и БЛ-200-1, 200 кг"},
    {"Hang_over_200", "over 200 kg or a strain support;более 200 кг или анкерная опора"},
    {"Hang_strain_fitting", "strain fitting (upward force);натяжная арматура (вырывающее усилие)"},
};

}  // namespace

void RegisterSummarySheetTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

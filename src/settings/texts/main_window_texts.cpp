#include "settings/texts/main_window_texts.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

constexpr TextEntry kTexts[] = {
    {"Support", "Support;Опора"},
    {"Supports", "Supports;Опоры"},
    {"Calculation_of_loads", "Calculation of balancing loads, tearing forces.;Расчёт компенсирующих грузов, вырывающих усилий."},
    {"List_of_supports", "List of supports;Список опор"},
    {"delete_support", "Are you sure you would like to delete the support?;Вы уверены, что хотите удалить опору?"},
    {"delete_supports", "Are you sure you would like to delete the %2 selected supports?\r\nSupports %1;Вы уверены, что хотите удалить выбранные опоры (%2)?\r\nОпоры %1"},
    {"Mess_14", "Tearing force at the lowest temperature (below 0: the wire presses down), daN;Вырывающее усилие при низшей температуре (меньше 0: провод давит вниз), даН"},
    {"Mess_15", "Reference weight of the load in case of string deflection due to wind and stress, kg;Расчётный вес груза при отклонении гирлянд ветром и тяжением, кг"},
    {"Mess_16", "Smallest weight span, m;Наименьший весовой пролёт, м"},
    {"Mess_17", "Tearing force at the lowest temperature (below 0: the wire presses down), daN;Вырывающее усилие при низшей температуре (меньше 0: провод давит вниз), даН"},
    {"coefficient_of_vibration", "The coefficient of vibration dynamic of the wire equals zero.\r\nThe data are incorrect.;Коэффициент учитывающий динамику колебаний провода равен нулю.\r\nДанные не корректны."},
    {"Angle", "Angle;Угол"},
    {"Evaluate_the_tearing_load", "Evaluate the tearing load at the lowest temperature and\r\nchange the attachment fitting for a strain one.;Оцените вырывающее усилие при низшей температуре и\r\nзамените крепление анкерным (натяжным)."},
    {"There is no force", "There is no force directed upwards at the lowest temperature.;Вертикального усилия вверх при низшей температуре нет."},
};

}  // namespace

void RegisterMainWindowTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

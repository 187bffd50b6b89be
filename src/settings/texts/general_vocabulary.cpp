#include "settings/texts/general_vocabulary.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

constexpr TextEntry kTexts[] = {
    {"Project", "Project;Проект"},
    {"Calculation", "Calculation;Расчёт"},
    {"Calculate", "Calculate;Расчёт"},
    {"Setting", "Setting;Настройки"},
    {"Help", "Help;Помощь"},
    {"New_project", "New project;Новый проект"},
    {"Open_project", "Open project;Открыть проект"},
    {"Save_project", "Save project;Сохранить проект"},
    {"Save_project_as", "Save project as ...;Сохранить проект как ..."},
    {"File_saved", "File is successfully saved.;Файл успешно сохранен."},
    {"Reference_catalog_on_wires", "Reference catalog on wires, cables, cords;Справочник проводов, кабелей, тросов"},
    {"About", "About Program;О программе"},
    {"Quit", "Quit;Выход"},
    {"Port_to_Excel", "Port to Excel;Вывод в Excel"},
    {"Climatic_conditions", "Climatic conditions;Климатические условия"},
    {"Climatic_parameters", "Climatic parameters\r\nspecification.\r\nReliability coefficients;Уточнение климатических\r\nпараметров.\r\nКоэффициенты надежности"},
    {"Climatic_param_title", "Climatic parameters specification.\r\nReliability coefficients;Уточнение климатических параметров.\r\nКоэффициенты надежности"},
    {"Climatic_parameters_Dastrel", "Climatic parameters and reliability coefficients from Dastrel;Климатические параметры и коэффициенты надежности из Dastrel"},
    {"quit_the_program", "Are you sure you would like to quit the program?;Вы уверены, что хотите закрыть программу?"},
    {"Input_wire", "Input the data for this wire, cord, cable into the reference catalog.;Введите данный провод, трос, кабель в справочник."},
    {"designing_OHL", "designing OHL, FOCL-OHL, FOCL.;проектирование ВЛ, ВОЛС ВЛ, ВОЛС."},
    {"Data_error", "Data error;Ошибка в данных"},
    {"Error_data_entry", "Error data entry;Ошибка ввода данных"},
    {"Calculation_is_impossible", "Calculation is impossible!;Расчёт невозможен!"},
    {"Tension", "Stresses;Напряжения"},
    {"Stress", "Tensions;Тяжения"},
    {"Add", "Add;Добавить"},
    {"Edit", "Edit;Изменить"},
    {"Paste", "Paste;Вставить"},
    {"Delete", "Delete;Удалить"},
    {"Create", "Create;Создать"},
    {"Cancel", "Cancel;Отмена"},
    {"OK", "OK;ОК"},
    {"Yes", "&Yes;&Да"},
    {"No", "&No;&Нет"},
    {"Warning_title", "Warning;Предупреждение"},
    {"Close", "Close;Закрыть"},
    {"Export", "Export;Экспорт"},
    {"Import", "Import;Импорт"},
    {"Select", "Select;Выбрать"},
    {"Group", "Group;Группа"},
    {"Wire", "Wire;Провод"},
    {"Type", "Type;Марка"},
    {"kg_m", "kg/m;кг/м"},
    {"meter", "m;м"},
    {"mm", "mm;мм"},
    {"ms", "m/s;м/с"},
    {"daN", "daN;даН"},
    {"daN_mm", "daN/mm;даН/мм"},
    {"kN_mm", "kN/mm;кН/мм"},
    {"Temperature", "Temperature;Температура"},
    {"Units", "Units;Единицы измерения"},
    {"Max_perm_tens", "Maximum permissible\r\nstress:;Максимальное допускаемое\r\nнапряжение:"},
    {"Tension_aver_temp", "Stress at average\r\nannual temperature:;Напряжение при среднегодовой\r\nтемпературе:"},
    {"Max_stress", "Maximum permissible\r\ntension:;Максимальное допускаемое\r\nтяжение:"},
    {"Stress_aver_temp", "Tension at average\r\nannual temperature:;Тяжение при среднегодовой\r\nтемпературе:"},
};

}  // namespace

void RegisterGeneralVocabulary() { RegisterTexts(kTexts); }

}  // namespace orv::settings

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "base/atomic_file.h"

#include "settings/localization.h"
#include "settings/texts/all_texts.h"
#include "settings/texts/general_vocabulary.h"
#include "settings/texts/pillars_form_texts.h"
#include "settings_fixture.h"

using namespace orv::base;
using namespace orv::settings;

namespace {

struct TextGroup {
  std::string registeredBy;
  std::vector<std::string> keys;
};

// Every key the windows, the calculation and the report ask for, by the
// moment it is registered.
const TextGroup kGroups[] = {
    {"start-up", {"Wait"}},
    {"general vocabulary",
     {"Project",
      "Calculation",
      "Calculate",
      "Setting",
      "Help",
      "New_project",
      "Open_project",
      "Save_project",
      "Save_project_as",
      "File_saved",
      "Reference_catalog_on_wires",
      "About",
      "Quit",
      "Port_to_Excel",
      "Climatic_conditions",
      "Climatic_parameters",
      "Climatic_param_title",
      "Climatic_parameters_Dastrel",
      "quit_the_program",
      "Input_wire",
      "designing_OHL",
      "Data_error",
      "Error_data_entry",
      "Calculation_is_impossible",
      "Tension",
      "Stress",
      "Add",
      "Edit",
      "Paste",
      "Delete",
      "Create",
      "Cancel",
      "Close",
      "Export",
      "Import",
      "Select",
      "Group",
      "Wire",
      "Type",
      "kg_m",
      "meter",
      "mm",
      "ms",
      "daN",
      "daN_mm",
      "kN_mm",
      "Temperature",
      "Units",
      "Max_perm_tens",
      "Tension_aver_temp",
      "Max_stress",
      "Stress_aver_temp"}},
    {"main window",
     {"Support", "Supports", "Calculation_of_loads", "List_of_supports", "delete_support", "delete_supports", "Mess_14",
      "Mess_15", "Mess_16", "Mess_17", "coefficient_of_vibration", "Angle", "Evaluate_the_tearing_load",
      "There is no force"}},
    {"climatic conditions frame",
     {"Ice", "Thickness", "Temperature", "Max", "Min", "Ice_with_wind", "Ice_without_wind", "Average_annual",
      "Wind_velocity", "In_case_of_ice"}},
    {"climatic coefficients frame",
     {"Climaticparameter", "Type_of_terrain", "height_for_wires", "Reliability_coefficients", "Windloads",
      "Responsibility", "Regional", "Reliability", "Operating", "Iceloads", "do"}},
    {"units dialog", {"Tension_daN", "Tension_N"}},
    {"support editor",
     {"Max_perm_tens",
      "Tension_aver_temp",
      "Max_stress",
      "Stress_aver_temp",
      "Number_support",
      "Type_wire",
      "Number_wires",
      "Angle_route",
      "Spans",
      "Ground_level",
      "Height_wire",
      "Approaching_angles",
      "On_the_left",
      "On_the_right",
      "Equivalent",
      "Left",
      "Alfa_p",
      "Alfa_ab",
      "This",
      "Right",
      "With_ballast",
      "Weight",
      "Vibration_damper",
      "Insulator_string",
      "Deflection",
      "toward_support",
      "from_support",
      "Mess_01",
      "Mess_02",
      "Mess_03",
      "Mess_04",
      "Mess_05",
      "Mess_06",
      "Mess_07",
      "Mess_08",
      "Mess_09",
      "Mess_10",
      "Mess_11",
      "Mess_12",
      "Mess_13",
      "No_governing_case",
      "Warn_ballast_angle",
      "Warn_string_over_90",
      "Warn_uplift"}},
    {"wire edit dialog", {"Add_Edit", "Diameter", "Sect_area", "Weight_per", "Modulus", "Linear_coef"}},
    {"wire catalogue window",
     {"Diameter_", "Sect_area_", "Weight_per_", "Modulus_", "Modulus_N", "Linear_coef_", "delete_wire",
      "Wire_in_use"}},
    {"desktop windows",
     {"Number_expected",
      "Number_empty",
      "Text_limit",
      "Text_not_cp1251",
            "Search_name",
      "Search_hint",
      "Save_changes_question",
      "Save_changes_save",
      "Save_changes_discard",
      "Undo",
      "Redo",
      "Edit_menu",
      "View_menu",
      "View_climate",
      "View_parameters",
      "View_supports",
      "Copy_support",
      "Paste_support",
      "Clipboard_no_supports",
      "Recent_projects",
      "Recent_missing",
      "Nothing_to_calculate",
      "Support_number_taken"}},
    {"file dialogs and message boxes",
     {"Open_project_title", "Save_project_title", "Save_report_title", "Import_Dastrel_title",
      "Export_text_title", "Import_text_title", "Excel_file", "Project_file", "Text_file", "OK", "Yes", "No",
      "Warning_title"}},
    {"inputs that stop a calculation",
     {"Problem_span_left", "Problem_span_right", "Problem_span_equivalent", "Problem_wire_data",
      "Problem_wire_area", "Problem_wire_weight", "Problem_wire_modulus", "Problem_division",
      "Problem_invalid"}},
    {"calculation record",
     {"Explain_critical_spans",
      "Explain_imaginary",
      "Explain_governing_state",
      "Explain_none",
      "Explain_state_stresses",
      "Explain_swing",
      "Explain_case_load",
      "Explain_case_need",
      "Explain_case_at_ballast",
      "Explain_loads",
      "Explain_gammas",
      "Explain_factors",
      "Explain_max_wind",
      "Explain_reduced_wind",
      "Explain_weight_span",
      "Explain_load_before",
      "Explain_ballast_angle",
      "Explain_yes",
      "Explain_no",
      "Explain_min_temp",
      "Explain_stopped_at",
      "Explain_stop_critical_spans",
      "Explain_stop_governing_case",
      "Explain_stop_angle",
      "Explain_stop_vibration",
      "Explain_stop_range",
      "Explain_error"}},
    {"report summary sheet",
     {"Summary_sheet", "Summary_support", "Summary_wire", "Summary_span_left", "Summary_span_right",
      "Summary_load", "Summary_hanging", "Summary_min_weight_span", "Summary_weight_span",
      "Summary_vertical_daN", "Summary_vertical_kN", "Report_tearing_kN", "Summary_verdict", "Summary_warnings", "Summary_reason", "Hang_nothing", "Hang_2_dampers",
      "Hang_4_dampers", "Hang_BL100_50", "Hang_BL100_100", "Hang_2_dampers_BL100_50",
      "Hang_2_dampers_BL100_100", "Hang_BL200_150", "Hang_2_dampers_BL200_150", "Hang_BL200_200",
      "Hang_2_dampers_BL200_200", "Hang_over_200", "Hang_strain_fitting"}},
    {"diagrams",
     {"Diagram_swing_title",
      "Diagram_case_max_wind",
      "Diagram_case_reduced_wind",
      "Diagram_against_weight",
      "Diagram_against_span",
      "Diagram_added_weight_kg",
      "Diagram_weight_span_m",
      "Diagram_swing_angle_deg",
      "Diagram_swing_curve",
      "Diagram_alfa_p",
      "Diagram_alfa_ab",
      "Diagram_alfa_bal",
      "Diagram_as_it_stands",
      "Diagram_found_weight",
      "Diagram_recommended",
      "Diagram_own_span",
      "Diagram_min_span",
      "Diagram_turn_note",
      "Diagram_against",
      "Diagram_max_wind",
      "Diagram_reduced_wind",
      "Diagram_governs",
      "Diagram_stands_at",
      "Diagram_with_hardware",
      "Diagram_negative_note",
      "Diagram_kg",
      "Diagram_m",
      "Diagram_profile_title",
      "Diagram_distance_m",
      "Diagram_level_m",
      "Diagram_ground",
      "Diagram_attachment",
      "Diagram_neighbours_held",
      "Diagram_class_nothing",
      "Diagram_class_dampers",
      "Diagram_class_ballast",
      "Diagram_class_over",
      "Diagram_class_tearing",
      "Diagram_distance_km",
      "Diagram_too_many_supports",
      "Diagram_level_out",
      "Diagram_line_too_long",
      "Diagram_value_out",
      "Picture_no_memory",
      "Picture_no_svg"}},
    {"support ranges",
     {"Range_outside", "Range_not_negative", "Range_wires", "Range_ground_left", "Range_ground_this",
      "Range_ground_right", "Range_turn", "Range_span_left", "Range_span_right", "Range_span_equivalent",
      "Range_damper", "Range_string", "Range_height_left", "Range_height_this", "Range_height_right",
      "Range_alfa_p", "Range_alfa_ab", "Range_alfa_bal", "Range_terrain", "Range_stress_max",
      "Range_stress_average", "Range_tension_max", "Range_tension_average", "Range_above_maximum", "Range_ice", "Range_wind_max",
      "Range_wind_ice", "Range_temp_min", "Range_temp_max", "Range_temp_ice_no_wind", "Range_temp_ice_wind",
      "Range_temp_average", "Range_wind_resp", "Range_wind_regional", "Range_wind_reliability", "Range_ice_resp",
      "Range_ice_regional", "Range_ice_reliability", "Range_ice_operating", "Range_wire_height",
      "Range_wire_diameter", "Range_wire_area", "Range_wire_weight", "Range_wire_modulus", "Range_wire_expansion",
      "Refusal_stress_max",
      "Refusal_stress_average", "Refusal_stress_equal", "Refusal_temperatures"}},
    {"report",
     {"Report_open_failed", "Report_no_program", "Report_no_display", "Report_open_not_found", "Report_open_denied", "Report_open_code", "Report_saved", "Profile_zoom_in", "Profile_zoom_out", "Profile_fit", "Report_project",
      "Report_not_saved", "Report_date", "Report_sheet", "Report_of", "Report_no_result",
      "Report_no_turn", "Check_files"}},
    {"refusals that keep files safe",
     {"Report_over_input", "Wire_name_separator", "Report_limit", "Report_wires_missing", "Report_sheet_clash",
      "Report_and_more"}},
    {"file readers and writers",
     {"Exchange_field_count", "Field_empty", "Limit_pair_fields", "Support_count_negative",
      "Support_count_disagrees", "Support_count_more", "Catalogue_not_copied", "Catalogue_dangling_link", "Data_folder_unknown", "Catalogue_cut_short", "Standard_output",
      "Output_not_written", "Output_closed", "Output_reader_ended"}},
    {"results",
     {"Results_col_number",
      "Results_col_wire",
      "Results_col_spans",
      "Results_col_load",
      "Results_col_hang",
      "Results_col_weight_span",
      "Results_col_vertical_daN",
      "Results_col_vertical_kN",
      "Results_col_mark",
      "Results_col_verdict",
      "Results_tab_swing",
      "Results_tab_profile",
      "Results_hang_nothing",
      "Results_dampers",
      "Results_ballast_100",
      "Results_ballast_200",
      "Results_duplicate",
      "Results_reason_ballast_angle",
      "Results_reason_governs",
      "Results_reason_own_span",
      "Results_reason_other_case",
      "Results_reason_hardware_angles",
      "Results_case_max_wind",
      "Results_case_reduced_wind",
      "Results_case_angle",
      "Results_not_limiting",
      "Results_reason_ballast_heavier",
      "Results_reason_no_string",
      "Results_reason_stopped",
      "Results_live_title",
      "Results_live_load",
      "Results_live_weight_span",
      "Results_live_vertical",
      "Results_live_why",
      "Results_details",
      "Results_details_hint",
      "Results_details_title",
      "Results_swing_none",
      "Details_quantity",
      "Details_value",
      "Details_unit",
      "Details_loads",
      "Details_p1",
      "Details_p4",
      "Details_p625",
      "Details_gammas",
      "Details_permissible",
      "Details_states",
      "Details_critical",
      "Details_governing", "Details_governing_1", "Details_governing_2", "Details_governing_3",
      "Details_stresses",
      "Details_string",
      "Details_wind_span",
      "Details_swing",
      "Details_stress",
      "Details_case_max_wind",
      "Details_case_reduced_wind",
      "Details_case_load",
      "Details_case_need",
      "Details_case_ballast",
      "Details_case_hardware_angle",
      "Details_ballast_case",
      "Details_ice_loads",
      "Details_factors",
      "Details_angle",
      "Details_dynamic",
      "Details_weight_span",
      "Details_load_before",
      "Details_ballast_angle",
      "Details_turn_term",
      "Details_result",
      "Details_load",
      "Details_hang",
      "Details_min_temp_span",
      "Details_vertical",
      "Details_verdict",
      "Unit_m",
      "Unit_kg",
      "Unit_deg",
      "Unit_daN_m",
      "Unit_specific",
      "Unit_stress_daN",
      "Unit_stress_N",
      "Unit_daN",
      "Unit_kN",
      "Details_why",
      "Details_warning",
      "Details_rule_named",
      "Details_messages"}},
};

class AllTexts : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    InitLocalization();
    RegisterAllTexts();
  }
  std::string Text(const std::string& key, int language) {
    SetLanguageForSession(language);
    return LocalText(key);
  }
};

TEST_F(AllTexts, EveryKeyHasBothLanguages) {
  std::set<std::string> keys;
  for (const TextGroup& group : kGroups) {
    for (const std::string& key : group.keys) {
      EXPECT_NE(Text(key, 0), "") << group.registeredBy << ": " << key;
      EXPECT_NE(Text(key, 1), "") << group.registeredBy << ": " << key;
      EXPECT_NE(Text(key, 0), Text(key, 1)) << group.registeredBy << ": " << key;
      keys.insert(key);
    }
  }
  // Nothing is registered beyond the listed keys.
  EXPECT_EQ(DictionaryCount(), keys.size());
}

// The calls that take a dictionary key as a literal: the look-up itself, the
// helpers built on it, the captions, and the unit keys. A key no table holds
// would show as a blank caption or message.
TEST_F(AllTexts, EveryKeyTheSourcesAskForIsRegistered) {
  const std::regex lookUps[] = {
      std::regex(R"re(\b(?:LocalText|Text|FileText|ProblemText|SquareUnitText|Filled|Heading|Line|Add)\(\s*"([^"]*)")re"),
      std::regex(R"re(\bSetLocal(?:Caption|WindowTitle)\([^,;]*,\s*"([^"]*)")re"),
      std::regex(R"re("(Unit_\w+)")re")};
  std::set<std::string> asked;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(std::filesystem::path(ORVANE_SOURCE_DIR) / "src")) {
    if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h") continue;
    const std::string text = ReadWholeFile(entry.path().string());
    for (const std::regex& lookUp : lookUps) {
      for (auto m = std::sregex_iterator(text.begin(), text.end(), lookUp); m != std::sregex_iterator(); ++m) {
        const std::string key = (*m)[1];
        if (asked.insert(key).second) {
          EXPECT_NE(Text(key, 0), "") << entry.path().filename() << ": " << key;
        }
      }
    }
  }
  EXPECT_GT(asked.size(), 200u) << "the sources were not found";
}

TEST_F(AllTexts, SupportEditorsOneLineTextsAreInForce) {
  const std::string replaced[] = {"Max_perm_tens", "Tension_aver_temp", "Max_stress", "Stress_aver_temp"};
  for (const std::string& key : replaced) {
    for (int language : {0, 1}) {
      EXPECT_EQ(Text(key, language).find_first_of("\r\n"), std::string::npos) << key;
    }
  }
  EXPECT_EQ(Text("Max_perm_tens", 0), "Maximum permissible stress:");
  EXPECT_EQ(Text("Stress_aver_temp", 1), "Тяжение при среднегодовой температуре:");
}

TEST_F(AllTexts, GeneralVocabularyAloneBreaksTheFourLines) {
  FreeLocalization();
  RegisterGeneralVocabulary();
  EXPECT_NE(Text("Max_stress", 0).find("\r\n"), std::string::npos);
  RegisterPillarsFormTexts();
  EXPECT_EQ(Text("Max_stress", 0), "Maximum permissible tension:");
}

TEST_F(AllTexts, TextsKeepTheirExactForm) {
  const struct {
    std::string key;
    std::string english;
    std::string russian;
  } cases[] = {
      {"do", " ", "до"},
      {"Climatic_parameters", "Climatic parameters\r\nspecification.\r\nReliability coefficients",
       "Уточнение климатических\r\nпараметров.\r\nКоэффициенты надежности"},
      {"Tension_daN", "Stress, daN/mm2.   Tension, daN.   Modulus of elasticity, daN/mm2.",
       "Напряжения, даН/мм2.   Тяжения, даН.   Модуль упругости, даН/мм2."},
      {"Mess_13", "The weight of the load is more than 200 kg (see calculation) or it’s a strain support.",
       "Вес груза более 200 кг (см. расчёт) или анкерная опора."},
      {"Mess_06", "The installation of ballast BL -100-1 weighing 100 kg is necessary.",
       "Необходима подвеска балласта БЛ-100-1 весом 100 кг."},
      {"There is no force", "There is no force directed upwards at the lowest temperature.",
       "Вертикального усилия вверх при низшей температуре нет."},
      {"Modulus_N", "Modulus\r\nof elasticity,\r\nkN/mm^2", "Модуль\r\nупругости,\r\nкН/мм^2"},
      {"Save_project_as", "Save project as ...", "Сохранить проект как ..."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Text(c.key, 0), c.english) << c.key;
    EXPECT_EQ(Text(c.key, 1), c.russian) << c.key;
  }
}

}  // namespace

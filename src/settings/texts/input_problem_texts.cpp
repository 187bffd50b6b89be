#include "settings/texts/input_problem_texts.h"

#include "settings/texts/text_table.h"

namespace orv::settings {

namespace {

constexpr TextEntry kTexts[] = {
    {"Problem_span_left",
     "the span on the left is %1 m: enter its length, more than 0.;пролет слева равен %1 м: введите его "
     "длину, больше 0."},
    {"Problem_span_right",
     "the span on the right is %1 m: enter its length, more than 0.;пролет справа равен %1 м: введите его "
     "длину, больше 0."},
    {"Problem_span_equivalent",
     "the equivalent span is %1 m: enter its length, more than 0.;приведенный пролет равен %1 м: введите его "
     "длину, больше 0."},
    {"Problem_wire_data",
     "wire %1 has %2 = 0 in the catalogue: correct the wire in the catalogue.;у провода %1 в справочнике %2 "
     "= 0: исправьте провод в справочнике."},
    {"Problem_wire_area", "the sectional area;площадь сечения"},
    {"Problem_wire_weight", "the weight per metre;масса метра"},
    {"Problem_wire_modulus", "the modulus of elasticity;модуль упругости"},
    {"Problem_division",
     "the calculation divides by zero: check the spans, heights and permissible limits of the support.;"
     "в расчете деление на ноль: проверьте пролеты, высоты и допускаемые напряжения опоры."},
    {"Problem_invalid",
     "the calculation has no valid result: check the spans, heights and permissible limits of the support.;"
     "расчет не дает допустимого результата: проверьте пролеты, высоты и допускаемые напряжения опоры."},
};

}  // namespace

void RegisterInputProblemTexts() { RegisterTexts(kTexts); }

}  // namespace orv::settings

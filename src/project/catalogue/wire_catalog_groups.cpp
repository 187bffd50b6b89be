#include "project/catalogue/wire_catalog_groups.h"

#include "settings/localization.h"

using namespace orv::settings;

namespace orv::project {

namespace {

struct GroupTexts {
  const char* english;
  const char* russian;
};

// Entry 3 names its document with "707" in English and "705" in Russian;
// each language keeps the text users have always seen there.
constexpr GroupTexts kGroups[kWireGroupListSize] = {
    {"Reference fully", "Справочник полностью"},
    {"Wires according to National Standard 839-80*Е", "Провода ГОСТ 839-80*Е"},
    {"Wires according to Technical Conditions 3511-001-40914170-2012", "Провода ТУ 3511-001-40914170-2012"},
    {"Wires according to Technical Conditions 16-707.183-81", "Провода ТУ 16-705.183-81"},
    {"Self-supporting insulated wires", "Самонесущие изолированные провода"},
    {"Steel wires, cords, ropes", "Стальные провода, тросы, канаты"},
    {"Self-supporting fiber optic cables", "Самонесущие оптоволоконные кабели"},
    {"Others", "Прочие"},
};

}  // namespace

std::string WireGroupName(int index) {
  if (index < 0 || index >= kWireGroupListSize) return {};
  return IsEnglish() ? kGroups[index].english : kGroups[index].russian;
}

}  // namespace orv::project

// The catalogue's table driven as a user drives it: sorting by the headings,
// editing, creating, deleting and undoing, the rows found by their object
// names.

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <utility>

#include "support/find_child.h"
#include "test_main_window_fixture.h"
#include "test_wires_window_fixture.h"
#include "ui/wires/wire_number_edit.h"
#include "widgets/wires_grid.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::ui;
using namespace orv::widgets;

namespace {

using Names = std::vector<std::string>;

// Each step acts on the shown window, then the table's names top to bottom
// and the catalogue's own order are what they say.
struct Step {
  const char* what;
  std::function<void(QDialog&, TModalScript&)> act;
  Names shown;
  Names catalogue;
};

void Click(QDialog& window, const char* name) { Child<QPushButton>(window, name)->click(); }

// The add/edit dialog, its diameter typed over with `diameter`, then OK.
void TypeDiameter(TModalScript& script, const QString& diameter, const QString& name = {}) {
  script.Then([diameter, name](QWidget& dialog) {
    if (!name.isEmpty()) {
      Child<QLineEdit>(dialog, "EditType")->setText(name);
    }
    // The other numbers in their physical ranges, so that OK closes the dialog.
    const std::pair<const char*, const char*> inRange[] = {
        {"EditSect_area", "70"}, {"EditWeight_per", "0.25"}, {"EditModulus", "8250"}, {"EditLinear_coef", "1.92E-5"}};
    for (const auto& [field, value] : inRange) Child<TWireNumberEdit>(dialog, field)->setText(value);
    Child<TWireNumberEdit>(dialog, "EditDiameter")->setText(diameter);
    Child<QPushButton>(dialog, "BtnOK")->click();
  });
}

}  // namespace

TEST_F(WiresWindowTest, TableSortsStablyKeepsItsOrderThroughEditsAndUndoes) {
  // Two wires of one name, and equal diameters, on purpose.
  ShowWith({Wire("B", 1, 12), Wire("A", 1, 12), Wire("C", 1, 5), Wire("A", 1, 30)});
  auto* grid = Child<TWiresGrid>(*window, "Grid");
  const auto select = [grid](const std::string& name, int nth = 0) {
    for (int row = 0; row < grid->RowCount(); ++row)
      if (grid->Cell(0, row) == name && nth-- == 0) return grid->SelectRow(row);
  };
  const Step steps[] = {
      {"by diameter", [](QDialog& w, TModalScript&) { Click(w, "Heading2"); }, {"C", "B", "A", "A"}, {"B", "A", "C", "A"}},
      {"by diameter again: equal diameters stay", [](QDialog& w, TModalScript&) { Click(w, "Heading2"); },
       {"C", "B", "A", "A"}, {"B", "A", "C", "A"}},
      {"the second A edited: the first A changes",
       [&](QDialog& w, TModalScript& script) {
         select("A", 1);
         TypeDiameter(script, "3");
         Click(w, "BtnEdit");
       },
       {"A", "C", "B", "A"}, {"B", "A", "C", "A"}},
      {"created: in its place by diameter, not by name",
       [](QDialog& w, TModalScript& script) {
         TypeDiameter(script, "20", "D");
         Click(w, "BtnCreate");
       },
       {"A", "C", "B", "D", "A"}, {"B", "A", "C", "A", "D"}},
      {"deleted", [&](QDialog& w, TModalScript&) {
         select("C");
         messages.answers.push_back(MessageAnswer::Yes);
         Click(w, "BtnDelete");
       },
       {"A", "B", "D", "A"}, {"B", "A", "A", "D"}},
      {"undone", [](QDialog& w, TModalScript&) { Child<QAction>(w, "MiUndo")->trigger(); },
       {"A", "C", "B", "D", "A"}, {"B", "A", "C", "A", "D"}},
      {"by name", [](QDialog& w, TModalScript&) { Click(w, "Heading1"); }, {"A", "A", "B", "C", "D"},
       {"B", "A", "C", "A", "D"}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    TModalScript script;
    step.act(*window, script);
    EXPECT_EQ(Column(0), step.shown);
    Names catalogue;
    for (const TWireRecord& record : catalog.List().Records()) catalogue.push_back(record.WireName);
    EXPECT_EQ(catalogue, step.catalogue);
  }
  // The edit reached the first A, the one a support of that name uses.
  EXPECT_EQ(catalog.List().FindByName("A").WireDiameter, 3);
}

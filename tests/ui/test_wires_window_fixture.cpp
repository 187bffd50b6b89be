#include "test_wires_window_fixture.h"

#include <QApplication>
#include <fstream>

#include "project/catalogue/wire_catalog_record.h"
#include "settings/ports/ports.h"
#include "settings/units.h"
#include "support/find_child.h"
#include "widgets/wires_grid.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::ui;
using namespace orv::project;
using namespace orv::widgets;

void WiresWindowTest::SetUp() {
  GuiTest::SetUp();
  scratch = std::filesystem::temp_directory_path() /
            ("orvane_wires_window_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
  std::filesystem::remove_all(scratch);
  std::filesystem::create_directories(scratch / "program");
  folders.programFolder = (scratch / "program").string() + "/";
  folders.sharedDataFolder = (scratch / "data").string() + "/";
  SetFolders(&folders);
  editor = std::make_unique<TFormWiresEdit>();
  window = std::make_unique<TFormWiresBase>(*editor, catalog);
}

void WiresWindowTest::TearDown() {
  window.reset();
  editor.reset();
  ResetUnits();
  GuiTest::TearDown();
  std::error_code ignored;
  std::filesystem::remove_all(scratch, ignored);
}

TWireRecord WiresWindowTest::Wire(const std::string& name, int group, double diameter, double modulus) {
  TWireRecord wire;
  wire.WireName = name;
  wire.WireGroup = group;
  wire.WireDiameter = diameter;
  wire.WireArea = diameter * 7;
  wire.WireWeight = diameter / 40;
  wire.WireModulus = modulus;
  wire.WireExpansion = 1.92e-5;
  return wire;
}

void WiresWindowTest::Hold(const std::vector<TWireRecord>& wires) {
  std::ofstream(HeldFile(), std::ios::binary) << EncodeWireRecords(wires);
  catalog.Load(HeldFile().string());
}

void WiresWindowTest::ShowWith(const std::vector<TWireRecord>& wires) {
  Hold(wires);
  window->ShowEditing();
  QApplication::processEvents();
}

std::vector<std::string> WiresWindowTest::Column(int column) const {
  std::vector<std::string> cells;
  const auto* grid = Child<TWiresGrid>(*window, "Grid");
  for (int row = 0; row < grid->RowCount(); ++row) cells.push_back(grid->Cell(column, row));
  return cells;
}

std::vector<std::string> WiresWindowTest::MessageTexts() const {
  std::vector<std::string> texts;
  for (const RecordedMessage& message : messages.shown) texts.push_back(message.text);
  return texts;
}

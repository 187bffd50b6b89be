#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "calc/wire_record.h"
#include "project/catalogue/wire_catalog.h"
#include "settings/ports/memory_ports.h"
#include "support/gui_test_ports.h"
#include "ui/wires/form_wires_base.h"
#include "ui/wires/form_wires_edit.h"

// The two catalogue windows over a catalogue of their own, started in a
// scratch data folder: the user's catalogue is never touched.
class WiresWindowTest : public GuiTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  static orv::calc::TWireRecord Wire(const std::string& name, int group, double diameter, double modulus = 8250);
  // Makes `wires` the catalogue as saved, in their order, from a scratch file.
  void Hold(const std::vector<orv::calc::TWireRecord>& wires);
  // The same, then shows the window in editing mode.
  void ShowWith(const std::vector<orv::calc::TWireRecord>& wires);
  std::filesystem::path HeldFile() const { return scratch / "held.dat"; }
  // The grid's column as shown, top to bottom.
  std::vector<std::string> Column(int column) const;
  std::vector<std::string> MessageTexts() const;

  std::filesystem::path scratch;
  orv::settings::FixedFolders folders;
  orv::project::TWireCatalog catalog;
  std::unique_ptr<orv::ui::TFormWiresEdit> editor;
  std::unique_ptr<orv::ui::TFormWiresBase> window;
};

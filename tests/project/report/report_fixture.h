#pragma once

#include <gtest/gtest.h>

#include <string>

#include "project/test_project_support.h"
#include "calc/pillar.h"
#include "calc/wire_record.h"
#include "project/model/project.h"
#include "project/catalogue/wires_list.h"
#include "settings/ports/memory_ports.h"
#include "xls/workbook.h"

// A program folder with the real templates in Forms/, recorded messages and
// shell, the whole dictionary, and a language and units chosen per test.
class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // 0 English, 1 Russian; 0 daN-based, 1 N-based. Never stored.
  void UseSettings(int language, int units);

  // The wire and support of the worked example: MinWeightSpan 334.693,
  // BalancingLoad 19.935, VerticalLoadMinTemp 29.6, verdict Mess_04.
  static orv::calc::TWireRecord ExampleWire();
  static orv::calc::TPillar ExampleSupport(const std::string& number);
  // The example's climate with the given supports.
  static orv::project::TProject ExampleProject(int supports);

  // Writes the report of `project` to out.xls with `catalogue` (by default
  // the example wire only) and reads it back.
  xls::XlsWorkbook ReportOf(const orv::project::TProject& project);
  xls::XlsWorkbook ReadBack() const;

  std::string OutputPath() const { return folder.File("out.xls"); }
  bool OutputExists() const;
  std::string ProgramFolder() const { return folder.File("program") + "/"; }

  ProjectTempFolder folder;
  orv::project::TWiresList catalogue;
  orv::settings::MemorySettingsStore settings;
  orv::settings::RecordingMessages messages;
  orv::settings::RecordingShell shell;
  orv::settings::FixedFolders folders;
};

double NumberAt(xls::XlsSheet sheet, const char* address);
std::string TextAt(xls::XlsSheet sheet, const char* address);
xls::XlsCellKind KindAt(xls::XlsSheet sheet, const char* address);

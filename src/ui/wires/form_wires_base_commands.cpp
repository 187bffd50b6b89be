#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "base/number_text.h"
#include "base/text_excerpt.h"
#include "project/catalogue/wire_users.h"
#include "platform/file_dialogs.h"
#include "project/catalogue/wire_catalog.h"
#include "project/catalogue/wire_catalog_groups.h"
#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "settings/units.h"
#include "ui/wires/form_wires_base.h"
#include "ui/models/wires_table_model.h"
#include "ui/wires/form_wires_edit.h"
#include "widgets/wires_grid.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::qt_text;
using namespace orv::platform;

namespace orv::ui {

namespace {

std::optional<std::string> AskTextFile(FileDialogMode mode, const char* titleKey) {
  return AskFile(mode, LocalText(titleKey), LocalText("Text_file") + "|*.txt", "txt");
}

}  // namespace

// A row for each wire of the chosen group whose name holds the searched
// text, in either letter case.
void TFormWiresBase::FillGrid() {
  rows_->SetFilter(groupFilter_, ToStdString(EditSearch->text().trimmed()));
  SelectRow(0);
  UpdateButtons();
  FitNames();
}

void TFormWiresBase::SearchChange() { FillGrid(); }

void TFormWiresBase::UpdateButtons() {
  const bool any = catalog_.List().Count() > 0;
  for (QPushButton* button : {BtnSelect, BtnEdit, BtnDelete}) button->setEnabled(any);
  for (QAction* entry : {MiEdit, MiDelete}) entry->setEnabled(any);
}

void TFormWiresBase::SelectRow(int row) { Grid->SelectRow(std::clamp(row, 0, Grid->RowCount() - 1)); }

int TFormWiresBase::SelectedIndex() const {
  return rows_->RecordIndex(Grid->SourceRow(std::max(Grid->SelectedRow(), 0)));
}

TWireRecord TFormWiresBase::SelectedWire() const {
  const int index = SelectedIndex();
  return index < 0 ? TWireRecord{} : catalog_.List().Items(index);
}

TWireRecord TFormWiresBase::FindWire(const std::string& name) const {
  return catalog_.List().FindByName(name);
}

void TFormWiresBase::SaveIfChanged() { catalog_.SaveIfModified(); }

void TFormWiresBase::CbGroupChange(int index) {
  groupFilter_ = std::clamp(index, 0, kWireGroupListSize - 1);
  FillGrid();
}

// Ascending by the column; the catalogue keeps its own order.
void TFormWiresBase::HeadingClick(int column) {
  sorter_->sort(column, Qt::AscendingOrder);
  SelectRow(0);
}

void TFormWiresBase::BtnCreateClick() {
  TWireRecord record;
  record.WireGroup = groupFilter_;
  editor_.FillFrom(record);
  if (!editor_.Run()) return;
  const TWireRecord added = editor_.ReadRecord();
  // The new wire takes its place in the order shown.
  catalog_.Add(added);
  FillGrid();
  SelectName(added.WireName);
}

void TFormWiresBase::BtnEditClick() {
  const int index = SelectedIndex();
  if (index < 0) return;
  editor_.FillFrom(catalog_.List().Items(index));
  if (!editor_.Run()) return;
  const TWireRecord edited = editor_.ReadRecord();
  catalog_.Edit(index, edited);
  // The row follows the wire to its place in the order, unless the group or
  // the search no longer shows it.
  const int row = Grid->ViewRow(rows_->RowOf(index));
  if (row >= 0)
    SelectRow(row);
  else
    FillGrid();
}

void TFormWiresBase::BtnDeleteClick() {
  const int index = SelectedIndex();
  if (index < 0) return;
  const std::string name = catalog_.List().Items(index).WireName;
  std::string question = LocalText("delete_wire") + "\r\n" + TextExcerpt(name);
  const std::vector<std::string> users = wireUsers_ ? wireUsers_(name) : std::vector<std::string>();
  if (!users.empty())
    question += "\r\n\r\n" + LocalTextWith("Wire_in_use", NumbersForMessage(users), std::to_string(users.size()));
  if (GetMessages().Show(MessageKind::Warning, question, MessageButtons::YesNoDefaultNo) != MessageAnswer::Yes)
    return;
  const int row = Grid->SelectedRow();
  catalog_.Delete(index);
  FillGrid();
  SelectRow(row);
  UpdateButtons();
}

// The wire the undo brought back or changed is the one selected after it.
void TFormWiresBase::UndoClick() {
  if (!catalog_.CanUndo()) return;
  const std::vector<TWireRecord> before = catalog_.List().Records();
  catalog_.Undo();
  FillGrid();
  const std::vector<TWireRecord>& after = catalog_.List().Records();
  const auto changed = std::mismatch(after.begin(), after.end(), before.begin(), before.end()).first;
  if (changed != after.end()) SelectName(changed->WireName);
  UpdateButtons();
}

void TFormWiresBase::BtnExportClick() {
  const std::optional<std::string> path = AskTextFile(FileDialogMode::Save, "Export_text_title");
  if (path) catalog_.List().ExportToText(*path);
}

void TFormWiresBase::BtnImportClick() {
  const std::optional<std::string> path = AskTextFile(FileDialogMode::Open, "Import_text_title");
  if (!path) return;
  catalog_.Import(*path);
  FillGrid();
}

void TFormWiresBase::BtnSelectClick() {
  if (SelectedIndex() >= 0) accept();
}

void TFormWiresBase::BtnCancelClick() { reject(); }

void TFormWiresBase::BtnCloseClick() { close(); }

void TFormWiresBase::GridEnter() {
  if (selectionMode_)
    BtnSelectClick();
  else if (catalog_.List().Count() > 0)
    BtnEditClick();
}

void TFormWiresBase::GridDblClick() {
  if (selectionMode_)
    BtnSelectClick();
  else
    BtnEditClick();
}

}  // namespace orv::ui

#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "calc/wire_record.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
namespace orv::project { class TWireCatalog; }
namespace orv::widgets { class TWiresGrid; }

namespace orv::ui {

class TFormWiresEdit;
class TWiresTableModel;
class TWiresSortModel;

// The wire catalogue window. In editing mode (non-modal, from the main
// window) the user adds, edits, deletes, sorts, exports and imports wires;
// in selection mode (modal, from the support editor) the user picks one.
// The table shows the catalogue through TWiresTableModel (which of two
// same-named wires a row stands for is said there) sorted by the heading
// last clicked.
class TFormWiresBase : public QDialog {
  Q_OBJECT

 public:
  // Shows and edits `catalog`, which the start-up code has started.
  TFormWiresBase(TFormWiresEdit& editor, project::TWireCatalog& catalog, QWidget* parent = nullptr);

  // Editing mode, shown without waiting.
  void ShowEditing();
  // Selection mode, shown modally with the row of `current` (the support's
  // wire) selected when the catalogue holds it; true when the user chose
  // Select.
  bool RunSelection(const std::string& current = {});
  bool SelectionMode() const { return selectionMode_; }

  // The record of the selected row, found by its name; a record with an
  // empty name when the name is not in the catalogue.
  calc::TWireRecord SelectedWire() const;
  calc::TWireRecord FindWire(const std::string& name) const;
  // The numbers of the open project's supports that use a wire; the delete
  // question names them.
  using TWireUsers = std::function<std::vector<std::string>(const std::string& wire)>;
  void AttachWireUsers(TWireUsers users) { wireUsers_ = std::move(users); }
  // Saves the catalogue to its file when it differs from its saved copy.
  void SaveIfChanged();
  // The units setting changed: the modulus heading and values follow at once.
  void UnitsChanged();
  int GroupFilter() const { return groupFilter_; }
  static constexpr int kColumns = 6;

 private:
  // --- handlers ---
  void FormShow();
  void FillGrid();
  void CbGroupChange(int index);
  void HeadingClick(int column);
  void BtnCreateClick();
  void BtnEditClick();
  void BtnDeleteClick();
  // Takes back the last add, edit, delete or import of the catalogue.
  void UndoClick();
  void BtnExportClick();
  void BtnImportClick();
  void BtnSelectClick();
  void BtnCancelClick();
  void BtnCloseClick();
  void GridDblClick();
  // Enter on a row: Select in selection mode, Edit in editing mode.
  void GridEnter();
  void SearchChange();

  // --- components ---
  QGroupBox* GroupBoxGroup = nullptr;
  QComboBox* CbGroup = nullptr;
  QLabel* LabSearch = nullptr;
  QLineEdit* EditSearch = nullptr;
  QGroupBox* GroupBoxWire = nullptr;
  std::array<QPushButton*, kColumns> Headings{};
  widgets::TWiresGrid* Grid = nullptr;
  QPushButton* BtnSelect = nullptr;
  QPushButton* BtnCancel = nullptr;
  QPushButton* BtnCreate = nullptr;
  QPushButton* BtnEdit = nullptr;
  QPushButton* BtnDelete = nullptr;
  QPushButton* BtnExport = nullptr;
  QPushButton* BtnImport = nullptr;
  QPushButton* BtnClose = nullptr;
  QMenu* GridMenu = nullptr;
  QAction* MiNew = nullptr;
  QAction* MiEdit = nullptr;
  QAction* MiDelete = nullptr;
  QAction* MiUndo = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildGroupBox();
  QWidget* BuildWireBox();
  QWidget* BuildButtons();
  void BuildMenu();
  void ConnectCommands();
  void Localise();
  void FitHeadings();
  // The Type column is at least as wide as the longest name it shows.
  void FitNames();
  void SelectName(const std::string& name);
  void ShowModeButtons();
  void UpdateButtons();
  // Index in the catalogue of the selected row's record, -1 when none.
  int SelectedIndex() const;
  void SelectRow(int row);

  TFormWiresEdit& editor_;
  project::TWireCatalog& catalog_;
  bool selectionMode_ = false;
  std::string current_;
  int groupFilter_ = 0;
  TWireUsers wireUsers_;
  TWiresTableModel* rows_ = nullptr;
  TWiresSortModel* sorter_ = nullptr;
};

}  // namespace orv::ui

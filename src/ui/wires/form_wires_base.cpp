#include "ui/wires/form_wires_base.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "base/number_text.h"
#include "project/catalogue/wire_catalog.h"
#include "project/catalogue/wire_catalog_groups.h"
#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "settings/units.h"
#include "ui/app/command_guard.h"
#include "ui/models/wires_table_model.h"
#include "widgets/local_caption.h"
#include "widgets/wires_grid.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::qt_text;
using namespace orv::widgets;

namespace orv::ui {

namespace {

constexpr int kDesignWidths[TFormWiresBase::kColumns] = {104, 67, 67, 74, 75, 95};
// The last column leaves room for the grid's vertical scroll bar.
constexpr int kScrollBarRoom = 20;
constexpr int kHeadingHeight = 72;
constexpr int kHeadingPadding = 10;
// Room around a name in its cell.
constexpr int kCellPadding = 16;

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

const char* HeadingKey(int column) {
  static const char* const keys[TFormWiresBase::kColumns] = {"Type",        "Diameter_", "Sect_area_",
                                                             "Weight_per_", "Modulus_",  "Linear_coef_"};
  if (column == 4 && UnitsIndex() != 0) return "Modulus_N";
  return keys[column];
}

}  // namespace

TFormWiresBase::TFormWiresBase(TFormWiresEdit& editor, TWireCatalog& catalog, QWidget* parent)
    : QDialog(parent), editor_(editor), catalog_(catalog) {
  ForcePointSeparator();
  setObjectName("FormWiresBase");
  setSizeGripEnabled(true);
  auto* left = new QVBoxLayout;
  left->addWidget(BuildGroupBox());
  left->addWidget(BuildWireBox(), 1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addWidget(BuildButtons());
  BuildMenu();
  ConnectCommands();
  resize(649, 437);
  Localise();
  groupFilter_ = 0;
}

QWidget* TFormWiresBase::BuildGroupBox() {
  GroupBoxGroup = new QGroupBox(this);
  GroupBoxGroup->setObjectName("GroupBoxGroup");
  auto* layout = new QHBoxLayout(GroupBoxGroup);
  CbGroup = new QComboBox(GroupBoxGroup);
  CbGroup->setObjectName("CbGroup");
  layout->addWidget(CbGroup, 1);
  LabSearch = new QLabel(GroupBoxGroup);
  LabSearch->setObjectName("LabSearch");
  EditSearch = new QLineEdit(GroupBoxGroup);
  EditSearch->setObjectName("EditSearch");
  EditSearch->setClearButtonEnabled(true);
  EditSearch->installEventFilter(this);
  LabSearch->setBuddy(EditSearch);
  layout->addSpacing(12);
  layout->addWidget(LabSearch);
  layout->addWidget(EditSearch, 1);
  return GroupBoxGroup;
}

QWidget* TFormWiresBase::BuildWireBox() {
  GroupBoxWire = new QGroupBox(this);
  GroupBoxWire->setObjectName("GroupBoxWire");
  auto* layout = new QVBoxLayout(GroupBoxWire);
  layout->setSpacing(0);
  auto* headings = new QHBoxLayout;
  headings->setSpacing(0);
  for (int column = 0; column < kColumns; ++column) {
    auto* heading = new QPushButton(GroupBoxWire);
    heading->setObjectName(QString("Heading%1").arg(column + 1));
    heading->setFixedHeight(kHeadingHeight);
    heading->setFocusPolicy(Qt::NoFocus);
    heading->setAutoDefault(false);
    // The Type column takes what the window gives beyond the design width.
    if (column == 0)
      heading->setMinimumWidth(kDesignWidths[column]);
    else
      heading->setFixedWidth(kDesignWidths[column]);
    headings->addWidget(heading, column == 0 ? 1 : 0);
    Headings[column] = heading;
  }
  Headings[0]->installEventFilter(this);
  layout->addLayout(headings);
  rows_ = new TWiresTableModel(catalog_, this);
  sorter_ = new TWiresSortModel(this);
  sorter_->setSourceModel(rows_);
  // An edited or added wire takes its place in the order shown.
  sorter_->setDynamicSortFilter(true);
  Grid = new TWiresGrid(sorter_, GroupBoxWire);
  Grid->setObjectName("Grid");
  Grid->setContextMenuPolicy(Qt::CustomContextMenu);
  Grid->installEventFilter(this);
  layout->addWidget(Grid, 1);
  return GroupBoxWire;
}

QWidget* TFormWiresBase::BuildButtons() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  QPushButton** buttons[] = {&BtnSelect, &BtnCancel, &BtnCreate, &BtnEdit,
                             &BtnDelete, &BtnExport, &BtnImport};
  const char* names[] = {"BtnSelect", "BtnCancel", "BtnCreate", "BtnEdit",
                         "BtnDelete", "BtnExport", "BtnImport"};
  for (int i = 0; i < 7; ++i) {
    *buttons[i] = new QPushButton(panel);
    (*buttons[i])->setObjectName(names[i]);
    column->addWidget(*buttons[i]);
  }
  column->addStretch(1);
  BtnClose = new QPushButton(panel);
  BtnClose->setObjectName("BtnClose");
  column->addWidget(BtnClose);
  // No button ever becomes the default one, and a click leaves the focus on
  // the row: Enter means the row's command, never the button clicked last
  // (which could be Delete). Tab still reaches the buttons.
  for (QPushButton* button : panel->findChildren<QPushButton*>()) {
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
  }
  return panel;
}

void TFormWiresBase::BuildMenu() {
  GridMenu = new QMenu(this);
  GridMenu->setObjectName("GridMenu");
  MiNew = GridMenu->addAction(QString());
  MiNew->setObjectName("MiNew");
  MiEdit = GridMenu->addAction(QString());
  MiEdit->setObjectName("MiEdit");
  MiDelete = GridMenu->addAction(QString());
  MiDelete->setObjectName("MiDelete");
  GridMenu->addSeparator();
  // Ctrl+Z here undoes the catalogue's own edits, never the project's.
  MiUndo = GridMenu->addAction(QString());
  MiUndo->setObjectName("MiUndo");
  MiUndo->setShortcut(QKeySequence::Undo);
  addAction(MiUndo);
  connect(Grid, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { GridMenu->popup(Grid->viewport()->mapToGlobal(at)); });
}

void TFormWiresBase::ConnectCommands() {
  const auto guarded = [this](void (TFormWiresBase::*handler)()) {
    return [this, handler] { RunGuarded([&] { (this->*handler)(); }); };
  };
  connect(BtnSelect, &QPushButton::clicked, this, guarded(&TFormWiresBase::BtnSelectClick));
  connect(BtnCancel, &QPushButton::clicked, this, guarded(&TFormWiresBase::BtnCancelClick));
  connect(BtnCreate, &QPushButton::clicked, this, guarded(&TFormWiresBase::BtnCreateClick));
  connect(BtnEdit, &QPushButton::clicked, this, guarded(&TFormWiresBase::BtnEditClick));
  connect(BtnDelete, &QPushButton::clicked, this, guarded(&TFormWiresBase::BtnDeleteClick));
  connect(BtnExport, &QPushButton::clicked, this, guarded(&TFormWiresBase::BtnExportClick));
  connect(BtnImport, &QPushButton::clicked, this, guarded(&TFormWiresBase::BtnImportClick));
  connect(BtnClose, &QPushButton::clicked, this, guarded(&TFormWiresBase::BtnCloseClick));
  connect(MiNew, &QAction::triggered, this, guarded(&TFormWiresBase::BtnCreateClick));
  connect(MiEdit, &QAction::triggered, this, guarded(&TFormWiresBase::BtnEditClick));
  connect(MiDelete, &QAction::triggered, this, guarded(&TFormWiresBase::BtnDeleteClick));
  connect(MiUndo, &QAction::triggered, this, guarded(&TFormWiresBase::UndoClick));
  connect(Grid, &TRowsView::RowDoubleClicked, this, guarded(&TFormWiresBase::GridDblClick));
  connect(EditSearch, &QLineEdit::textChanged, this, [this] { RunGuarded([this] { SearchChange(); }); });
  connect(CbGroup, &QComboBox::currentIndexChanged, this,
          [this](int index) { RunGuarded([&] { CbGroupChange(index); }); });
  for (int column = 0; column < kColumns; ++column)
    connect(Headings[column], &QPushButton::clicked, this,
            [this, column] { RunGuarded([&] { HeadingClick(column); }); });
}

void TFormWiresBase::Localise() {
  SetLocalWindowTitle(this, "Reference_catalog_on_wires");
  SetLocalCaption(GroupBoxGroup, "Group");
  SetLocalCaption(GroupBoxWire, "Wire");
  SetLocalCaption(LabSearch, "Search_name");
  EditSearch->setPlaceholderText(ToDisplayText(LocalText("Search_hint")));
  const std::pair<QPushButton*, const char*> buttons[] = {
      {BtnSelect, "Select"}, {BtnCancel, "Cancel"}, {BtnCreate, "Create"}, {BtnEdit, "Edit"},
      {BtnDelete, "Delete"}, {BtnExport, "Export"}, {BtnImport, "Import"}, {BtnClose, "Close"}};
  for (const auto& [button, key] : buttons) SetLocalCaption(button, key);
  const std::pair<QAction*, const char*> items[] = {
      {MiNew, "Create"}, {MiEdit, "Edit"}, {MiDelete, "Delete"}, {MiUndo, "Undo"}};
  for (const auto& [item, key] : items) item->setText(ToDisplayText(LocalText(key)));
  for (int column = 0; column < kColumns; ++column) {
    const QString text = ToDisplayText(LocalText(HeadingKey(column)));
    Headings[column]->setText(column < 2 ? "\n" + text : text);
  }
  FitHeadings();
}

// A column is as wide as its design or as its heading needs, whichever is
// more, so that no heading is cut off in either language.
void TFormWiresBase::FitHeadings() {
  for (int column = 0; column < kColumns; ++column) {
    QPushButton* heading = Headings[column];
    const int needed =
        heading->fontMetrics().boundingRect(QRect(), 0, heading->text()).width() + kHeadingPadding;
    const int width = std::max(kDesignWidths[column], needed);
    if (column == 0) {
      heading->setMinimumWidth(width);
    } else {
      heading->setFixedWidth(width);
      Grid->setColumnWidth(column, column + 1 < kColumns ? width : width - kScrollBarRoom);
    }
  }
  FitNames();
}

void TFormWiresBase::FitNames() {
  const QFontMetrics metrics = Grid->fontMetrics();
  int widest = kDesignWidths[0];
  for (const TWireRecord& record : catalog_.List().Records())
    widest = std::max(widest, metrics.horizontalAdvance(ToQString(record.WireName)) + kCellPadding);
  Headings[0]->setMinimumWidth(std::max(widest, Headings[0]->minimumWidth()));
}

void TFormWiresBase::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) RunGuarded([this] { FormShow(); });
  QDialog::showEvent(event);
}

void TFormWiresBase::FormShow() {
  Localise();
  {
    const QSignalBlocker quiet(CbGroup);
    CbGroup->clear();
    for (int index = 0; index < kWireGroupListSize; ++index)
      CbGroup->addItem(ToQString(WireGroupName(index)));
    CbGroup->setCurrentIndex(groupFilter_);
    const QSignalBlocker quietSearch(EditSearch);
    EditSearch->clear();
  }
  FillGrid();
  if (selectionMode_) SelectName(current_);
  ShowModeButtons();
  Grid->setFocus(Qt::OtherFocusReason);
}

// The support's wire is selected, even when the group last chosen hides it.
void TFormWiresBase::SelectName(const std::string& name) {
  const int index = catalog_.List().IndexOf(name);
  if (name.empty() || index < 0) return;
  if (rows_->RowOf(index) < 0) {
    const QSignalBlocker quiet(CbGroup);
    groupFilter_ = 0;
    CbGroup->setCurrentIndex(0);
    FillGrid();
  }
  const int row = Grid->ViewRow(rows_->RowOf(index));
  if (row >= 0) SelectRow(row);
}

void TFormWiresBase::UnitsChanged() {
  if (!isVisible()) return;
  Localise();
  rows_->Refresh();
}

void TFormWiresBase::ShowModeButtons() {
  for (QPushButton* button : {BtnSelect, BtnCancel}) button->setVisible(selectionMode_);
  for (QPushButton* button : {BtnCreate, BtnEdit, BtnDelete, BtnExport, BtnImport, BtnClose})
    button->setVisible(!selectionMode_);
}

bool TFormWiresBase::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Headings[0] && event->type() == QEvent::Resize) {
    Grid->setColumnWidth(0, Headings[0]->width());
  } else if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == Grid && key == Qt::Key_Delete) {
      RunGuarded([this] { BtnDeleteClick(); });
      return true;
    }
    if ((watched == Grid || watched == EditSearch) && IsEnter(key)) {
      RunGuarded([this] { GridEnter(); });
      return true;
    }
    if (watched == EditSearch && key == Qt::Key_Down) {
      Grid->setFocus(Qt::TabFocusReason);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TFormWiresBase::ShowEditing() {
  selectionMode_ = false;
  if (isVisible()) ShowModeButtons();
  show();
  raise();
  activateWindow();
}

bool TFormWiresBase::RunSelection(const std::string& current) {
  selectionMode_ = true;
  current_ = current;
  // A window left open in editing mode is shown again, modally.
  if (isVisible()) hide();
  return exec() == QDialog::Accepted;
}

}  // namespace orv::ui

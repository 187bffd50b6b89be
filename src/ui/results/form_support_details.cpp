#include "ui/results/form_support_details.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "project/results/results_table.h"
#include "project/results/support_details.h"
#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "ui/app/window_placement.h"
#include "widgets/diagram_view.h"

using namespace orv::settings;
using namespace orv::project;
using namespace orv::diagrams;
using namespace orv::qt_text;
using namespace orv::widgets;

namespace orv::ui {

namespace {

QTableWidgetItem* Cell(const std::string& text, bool heading) {
  auto* cell = new QTableWidgetItem(ToQString(text));
  if (heading) {
    QFont font = cell->font();
    font.setBold(true);
    cell->setFont(font);
  }
  return cell;
}

}  // namespace

namespace {

constexpr int kWidth = 1060;
constexpr int kHeight = 900;

}  // namespace

TFormSupportDetails::TFormSupportDetails(QWidget* parent) : QDialog(parent) {
  setObjectName("FormSupportDetails");
  auto* layout = new QVBoxLayout(this);
  Reason = new QLabel(this);
  Reason->setObjectName("DetailsReason");
  Reason->setWordWrap(true);
  Reason->setTextFormat(Qt::PlainText);
  QFont bold = Reason->font();
  bold.setBold(true);
  Reason->setFont(bold);
  layout->addWidget(Reason);

  auto* split = new QSplitter(Qt::Vertical, this);
  split->setChildrenCollapsible(false);
  Lines = new QTableWidget(0, 3, split);
  Lines->setObjectName("DetailsLines");
  Lines->verticalHeader()->hide();
  Lines->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Lines->setSelectionBehavior(QAbstractItemView::SelectRows);
  // A long message is read whole, on as many lines as it needs.
  Lines->setWordWrap(true);
  Lines->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
  Lines->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  Lines->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  Lines->setColumnWidth(0, 420);
  // Rows measured once, at one width, clip or pad their wrapped lines at
  // another: they follow their contents at whatever width the columns take.
  Lines->verticalHeader()->setMinimumSectionSize(Lines->fontMetrics().height() + 8);
  Lines->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  split->addWidget(Lines);
  // The diagram as wide as the dialog: its two panels need the room.
  Swing = new DiagramView(split);
  Swing->setObjectName("DetailsSwing");
  Swing->setMinimumSize(600, 360);
  split->addWidget(Swing);
  split->setSizes({340, 460});
  layout->addWidget(split, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  BtnClose = new QPushButton(this);
  BtnClose->setObjectName("BtnClose");
  BtnClose->setDefault(true);
  connect(BtnClose, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(BtnClose);
  layout->addLayout(buttons);
  resize(kWidth, kHeight);
}

// The design size where the screen has room for it; on a smaller screen
// (800 pixels high) the window stays within it, frame and task bar included.
void TFormSupportDetails::FitScreen() {
  if (isVisible()) return;
  const QSize room = RoomOnScreen(*this);
  resize(room.isEmpty() ? QSize(kWidth, kHeight) : QSize(kWidth, kHeight).boundedTo(room));
}

void TFormSupportDetails::ShowSupport(const TSupportOutcome& outcome,
                                      const std::optional<TSwingDiagram>& diagram) {
  setWindowTitle(ToQString(LocalText("Results_details_title")).replace("%1", ToQString(outcome.Number)));
  BtnClose->setText(ToDisplayText(LocalText("Close")));
  Reason->setText(ToQString(VerdictReason(outcome)));
  Lines->setHorizontalHeaderLabels({ToQString(LocalText("Details_quantity")),
                                    ToQString(LocalText("Details_value")),
                                    ToQString(LocalText("Details_unit"))});
  const std::vector<TDetailLine> lines = SupportDetailLines(outcome);
  Lines->setRowCount(static_cast<int>(lines.size()));
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    const TDetailLine& line = lines[static_cast<std::size_t>(i)];
    Lines->setItem(i, 0, Cell(line.Label, line.Heading));
    Lines->setItem(i, 1, Cell(line.Value, false));
    Lines->setItem(i, 2, Cell(line.Unit, false));
    if (line.Heading)
      Lines->setSpan(i, 0, 1, 3);
    else if (Lines->columnSpan(i, 0) > 1)
      Lines->setSpan(i, 0, 1, 1);
  }
  Lines->setCurrentItem(nullptr);
  FitScreen();
  Swing->setPlaceholder(ToQString(LocalText("Results_swing_none")));
  Swing->setDiagram(diagram);
}

}  // namespace orv::ui

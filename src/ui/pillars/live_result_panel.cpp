#include "ui/pillars/live_result_panel.h"

#include <QGridLayout>
#include <QLabel>

#include "diagrams/picture_style.h"
#include "base/text_utils.h"
#include "project/results/project_results.h"
#include "project/results/results_table.h"
#include "qt_text/qt_string.h"
#include "settings/localization.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::diagrams;
using namespace orv::qt_text;

namespace orv::ui {

namespace {

QLabel* NewValue(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

// The verdict line tinted like its row in the results table.
QString VerdictStyle(const QColor& color) {
  const QColor tint =
      QColor::fromRgbF(color.redF() * 0.3 + 0.7, color.greenF() * 0.3 + 0.7, color.blueF() * 0.3 + 0.7);
  return QString("QLabel { background: %1; color: #141414; border-left: 6px solid %2; padding: 3px; }")
      .arg(tint.name(), color.name());
}

}  // namespace

TLiveResultPanel::TLiveResultPanel(QWidget* parent) : QGroupBox(parent) {
  setObjectName("LiveResult");
  auto* grid = new QGridLayout(this);
  Verdict = NewValue(this, "LiveVerdict");
  QFont bold = Verdict->font();
  bold.setBold(true);
  Verdict->setFont(bold);
  grid->addWidget(Verdict, 0, 0, 1, 2);
  const std::pair<QLabel**, QLabel**> rows[] = {{&loadCaption_, &Load},
                                                {&weightSpanCaption_, &WeightSpan},
                                                {&verticalCaption_, &Vertical},
                                                {&reasonCaption_, &Reason}};
  const char* names[] = {"LiveLoad", "LiveWeightSpan", "LiveVertical", "LiveReason"};
  for (int i = 0; i < 4; ++i) {
    *rows[i].first = new QLabel(this);
    *rows[i].second = NewValue(this, names[i]);
    grid->addWidget(*rows[i].first, i + 1, 0, Qt::AlignTop);
  }
  for (int i = 0; i < 3; ++i) grid->addWidget(*rows[i].second, i + 1, 1);
  // The reason gets the whole width under its caption.
  grid->addWidget(Reason, 5, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  // Room for every line, the verdict on two lines and the reason on six
  // (it names both swing cases), so that the dialog does not jump while the
  // user types and a usual reason reads without scrolling.
  setMinimumHeight(fontMetrics().lineSpacing() * 13 + 50);
}

void TLiveResultPanel::Localise() {
  setTitle(ToQString(LocalText("Results_live_title")));
  loadCaption_->setText(ToQString(LocalText("Results_live_load")));
  weightSpanCaption_->setText(ToQString(LocalText("Results_live_weight_span")));
  verticalCaption_->setText(ToQString(LocalText("Results_live_vertical")));
  reasonCaption_->setText(ToQString(LocalText("Results_live_why")));
}

void TLiveResultPanel::ShowOutcome(const TSupportOutcome& outcome) {
  const TSupportResults& r = outcome.Results;
  const TResultRow row = ResultRowOf(TPillar(), outcome);
  const auto cell = [&row](TResultColumn column) { return row.Cells[static_cast<int>(column)]; };
  Verdict->setStyleSheet(VerdictStyle(VerdictColor(row.Class)));
  // The mark already says "Data error": the support and the message follow
  // it alone.
  const std::string message = outcome.Error
                                  ? LocalText("Support") + " " + outcome.Number + ": " + OnOneLine(MessageText(*outcome.Error))
                                  : VerdictOrMessage(outcome);
  Verdict->setText(ToQString(cell(TResultColumn::Mark) + ": " + message));
  const std::string loadCell = cell(TResultColumn::Load);
  std::string load = loadCell.empty() ? "—" : loadCell + " " + LocalText("Unit_kg");
  const std::string hang = cell(TResultColumn::Hang);
  if (!hang.empty()) load += "  (" + hang + ")";
  Load->setText(ToQString(load));
  const std::string span = cell(TResultColumn::WeightSpan);
  WeightSpan->setText(span.empty() ? QString("—") : ToQString(span + " " + LocalText("Unit_m")));
  Vertical->setText(r.VerticalLoadMinTemp ? ToQString(ForceText(*r.VerticalLoadMinTemp)) : QString("—"));
  Reason->setText(outcome.Error ? QString("—") : ToQString(VerdictReason(outcome)));
}

void TLiveResultPanel::ShowProblem(const QString& problem) {
  Verdict->setStyleSheet(VerdictStyle(VerdictColor(TVerdictClass::DataError)));
  Verdict->setText(problem);
  for (QLabel* value : {Load, WeightSpan, Vertical, Reason}) value->setText("—");
}

}  // namespace orv::ui

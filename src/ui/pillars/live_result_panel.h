#pragma once

#include <QGroupBox>

namespace orv::project { struct TSupportOutcome; }
class QLabel;

namespace orv::ui {

// The support editor's result for the values as typed: the verdict marked
// by its class, the load, the smallest against the own weight span, the
// vertical load at the lowest temperature and one line of reason. What
// keeps the values from being calculated shows in its place.
class TLiveResultPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit TLiveResultPanel(QWidget* parent = nullptr);

  void ShowOutcome(const project::TSupportOutcome& outcome);
  // What is wrong with the input, instead of a result.
  void ShowProblem(const QString& problem);
  void Localise();

 private:
  QLabel* Verdict = nullptr;
  QLabel* Load = nullptr;
  QLabel* WeightSpan = nullptr;
  QLabel* Vertical = nullptr;
  QLabel* Reason = nullptr;

  QLabel* loadCaption_ = nullptr;
  QLabel* weightSpanCaption_ = nullptr;
  QLabel* verticalCaption_ = nullptr;
  QLabel* reasonCaption_ = nullptr;
};

}  // namespace orv::ui

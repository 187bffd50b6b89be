#pragma once

#include <QDialog>
#include <optional>

#include "diagrams/swing_diagram_data.h"
#include "project/results/project_results.h"

namespace orv::widgets { class DiagramView; }
class QLabel;
class QPushButton;
class QTableWidget;

namespace orv::ui {

// How the result of one support was reached, for an engineer: the values of
// the calculation with their units, stage by stage, the verdict and the
// reason for it, and the support's swing diagram.
class TFormSupportDetails : public QDialog {
  Q_OBJECT

 public:
  explicit TFormSupportDetails(QWidget* parent = nullptr);

  // Shows `outcome` in the current language and units, with `diagram` (or
  // a note saying why there is none).
  void ShowSupport(const project::TSupportOutcome& outcome, const std::optional<diagrams::TSwingDiagram>& diagram);

 private:
  QLabel* Reason = nullptr;
  QTableWidget* Lines = nullptr;
  widgets::DiagramView* Swing = nullptr;
  QPushButton* BtnClose = nullptr;

 private:
  void FitScreen();
};

}  // namespace orv::ui

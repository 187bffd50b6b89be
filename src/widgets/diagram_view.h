#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "diagrams/swing_diagram_data.h"

namespace orv::widgets {

// The swing diagram of one support on screen, drawn by the same code as the
// files. Usage: `view->setDiagram(SwingDiagramOf(outcome));` for the
// selected support after every change of the project (an empty diagram shows `setPlaceholder`'s text).
class DiagramView : public QWidget {
  Q_OBJECT

 public:
  explicit DiagramView(QWidget* parent = nullptr);

  void setDiagram(const std::optional<diagrams::TSwingDiagram>& diagram);
  const std::optional<diagrams::TSwingDiagram>& diagram() const { return diagram_; }
  // What the view says while there is no diagram to draw.
  void setPlaceholder(const QString& text);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<diagrams::TSwingDiagram> diagram_;
  QString placeholder_;
};

}  // namespace orv::widgets

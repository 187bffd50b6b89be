#pragma once

#include <QScrollArea>

#include "diagrams/profile_data.h"

class QToolButton;

namespace orv::widgets {

class ProfileCanvas;
class ProfileFrame;

// The line profile on screen, drawn by the same code as the files, with
// zoom (Ctrl + wheel, the keys + - 0, the buttons in its corner, or zoomIn /
// zoomOut / resetZoom, 0 fitting the whole line) and
// scrolling (wheel, scroll bars, arrow keys); a click on a support emits
// supportClicked with its index. Usage: `view->setProfile(MakeProfile(project,
// CalculateProjectSupports(project, catalogue)));` after every change of the
// project, and connect supportClicked to the selection of the results table
// (and that back to setSelected).
class ProfileView : public QScrollArea {
  Q_OBJECT

 public:
  explicit ProfileView(QWidget* parent = nullptr);

  void setProfile(const diagrams::TProfile& profile);
  const diagrams::TProfile& profile() const;
  // The support drawn highlighted; -1 for none.
  void setSelected(int index);
  int selected() const;
  double zoom() const { return zoom_; }
  // The index of the support drawn nearest to x (canvas pixels), if within
  // reach of a click; else -1.
  int supportAt(double x) const;
  // The zoom buttons' hints in the current language.
  void Localise();
  QToolButton* ZoomInButton = nullptr;
  QToolButton* ZoomOutButton = nullptr;
  QToolButton* FitButton = nullptr;

 public slots:
  void zoomIn();
  void zoomOut();
  void resetZoom();

 signals:
  void supportClicked(int index);

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void setZoom(double zoom, double anchorX);
  void fitCanvas();
  // Enough to give a span of a long line room for its numbers.
  double maxZoom() const;
  void placeButtons();
  void showSupport(int index);

  ProfileCanvas* canvas_;
  ProfileFrame* frame_ = nullptr;
  double zoom_ = 1;
};

}  // namespace orv::widgets

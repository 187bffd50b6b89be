#pragma once

#include <QColor>
#include <QLabel>

namespace orv::widgets {

// A clickable caption of a navigation panel. The active one stands out in
// light blue with a border in the highlight colour; the others take the
// colour of a button face with a border in the button-shadow colour.
class TNavigationLabel : public QLabel {
  Q_OBJECT

 public:
  static inline const QColor kActiveColour{197, 213, 238};

  explicit TNavigationLabel(int tag, QWidget* parent = nullptr);

  int Tag() const { return tag_; }
  bool IsActive() const { return active_; }
  void SetActive(bool active);
  QColor BackgroundColour() const;
  QColor BorderColour() const;

 signals:
  void Clicked(TNavigationLabel* label);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ApplyColours();

  int tag_;
  bool active_ = false;
};

}  // namespace orv::widgets

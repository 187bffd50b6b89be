#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "calc/wire_record.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace orv::widgets { class TInputProblem; }

namespace orv::ui {

class TWireNumberEdit;

// The add/edit dialog of one wire: its group, type name and five numbers.
// The modulus is shown in the units of the units setting; everything else
// in the catalogue's own units. The dialog keeps nothing between uses.
class TFormWiresEdit : public QDialog {
  Q_OBJECT

 public:
  explicit TFormWiresEdit(QWidget* parent = nullptr);

  // Shows `record` in the fields, with the texts in the current language.
  void FillFrom(const calc::TWireRecord& record);
  // The record the fields describe, built on the one last filled in. A field
  // whose text is as it was filled keeps the record's value exactly, so OK
  // without changes gives the record back unchanged. Throws OrvError for a
  // number that does not convert, for a name the catalogue file cannot hold
  // and for a typed name with ";" or a line break.
  calc::TWireRecord ReadRecord() const;
  // Shows the dialog modally; true when it ended with OK. OK ends it only
  // when every field can be taken; otherwise the dialog stays open and says
  // in place what is wrong.
  bool Run();
  // True when ReadRecord can take every field and each number is in its
  // physical range; otherwise marks the first field that cannot be taken
  // and says why.
  bool CheckFields();
  // Diameter, sectional area, weight, modulus, expansion.
  static constexpr int kNumbers = 5;

 private:
  // Ends the dialog with OK when CheckFields holds.
  void BtnOKClick();

  QGroupBox* GroupBoxWire = nullptr;
  QLabel* LabGroup = nullptr;
  QComboBox* CbGroup = nullptr;
  QLabel* LabType = nullptr;
  QLineEdit* EditType = nullptr;
  std::array<QLabel*, kNumbers> NumberLabels{};
  std::array<TWireNumberEdit*, kNumbers> NumberEdits{};
  std::array<QLabel*, kNumbers> UnitLabels{};
  widgets::TInputProblem* Problem = nullptr;
  QPushButton* BtnOK = nullptr;
  QPushButton* BtnCancel = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildLayout();
  void Localise();
  QString NameProblem() const;
  QString RangeProblem(int field, double value) const;
  double ReadNumber(int field, double filledValue) const;

  calc::TWireRecord filled_;
  std::array<QString, kNumbers> filledTexts_;
  QString filledName_;
};

}  // namespace orv::ui

#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <string>
#include <vector>
#include <functional>
#include <utility>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabWidget;
class QTimer;
class QToolButton;
namespace orv::widgets { class TInputProblem; }
namespace orv::project { struct TSupportOutcome; }
namespace orv::widgets { class TIntSpinEdit; }
namespace orv::calc { class TPillar; }
namespace orv::widgets { class TRealSpinEdit; }

namespace orv::ui {

class TFormWiresBase;
class TLiveResultPanel;
class TLimitPages;

// The support editor: every input of one support. The main window loads a
// support into it, runs it modally and stores it back on OK. Stresses are
// always shown in daN/mm² and forces in daN, whatever the units setting.
class TFormPillars : public QDialog {
  Q_OBJECT

 public:
  explicit TFormPillars(QWidget* parent = nullptr);

  // The catalogue window that the wire button opens in selection mode; it
  // is created after the editor.
  void AttachWiresBase(TFormWiresBase* wiresBase) { wiresBase_ = wiresBase; }
  // The numbers the project's other supports carry: OK with one of them
  // asks whether to keep it (the report needs every number once).
  void SetOtherNumbers(std::vector<std::string> numbers) { otherNumbers_ = std::move(numbers); }

  // Calculates a support as typed, in the project being edited; with it the
  // editor shows the live result, without it the panel stays hidden.
  using TResultSource = std::function<project::TSupportOutcome(const calc::TPillar&)>;
  void AttachResultSource(TResultSource source);

  void LoadSupport(const calc::TPillar& support);
  // Stores every control into `support`; the limits as TLimitPages::Store
  // gives them. The number is cut to 6 characters and the wire name to 16; a text that
  // Windows-1251 cannot hold throws OrvError before anything is stored.
  void StoreSupport(calc::TPillar& support) const;
  // True when StoreSupport can take every field; otherwise marks the first
  // field it cannot take (a character Windows-1251 lacks, a number field
  // left empty) and says why in the dialog.
  bool ValidateInput();
  // LoadSupport, the dialog, and StoreSupport on OK; true on OK.
  bool Edit(calc::TPillar& support);

 private:
  // --- handlers ---
  void FormShow();
  // One size from support to support, fitted to the screen.
  void FitSize();
  void BitBtnOKClick();
  void BitBtnCancelClick();
  void ProvodButEditButtonClick();

  // --- components ---
  QLabel* LabName = nullptr;
  QLineEdit* NumbEdit = nullptr;
  QLabel* LabTypeWire = nullptr;
  QLineEdit* ProvodButEdit = nullptr;
  QToolButton* ProvodButton = nullptr;
  QTabWidget* PcNapr = nullptr;
  QWidget* TabNapr = nullptr;
  QWidget* TabSheetTag = nullptr;
  QLabel* LabNapr_Max = nullptr;
  widgets::TRealSpinEdit* seNapr_max = nullptr;
  QLabel* LabUnit_Napr_Max = nullptr;
  QLabel* LabNapr_srg = nullptr;
  widgets::TRealSpinEdit* seNapr_srg = nullptr;
  QLabel* LabUnit_Napr_srg = nullptr;
  QLabel* LabStressMax = nullptr;
  widgets::TRealSpinEdit* seTag_max = nullptr;
  QLabel* Lab_daN1 = nullptr;
  QLabel* LabStress_srg = nullptr;
  widgets::TRealSpinEdit* seTag_srg = nullptr;
  QLabel* Lab_daN2 = nullptr;
  QLabel* LabNumbers = nullptr;
  widgets::TIntSpinEdit* sePhaseNumb = nullptr;
  QLabel* LabAngleRoute = nullptr;
  widgets::TRealSpinEdit* UgolSpEdit = nullptr;
  QGroupBox* GroupBoxSpans = nullptr;
  QLabel* LabLeft = nullptr;
  widgets::TRealSpinEdit* ProletLeftSpEdit = nullptr;
  QLabel* LabRight = nullptr;
  widgets::TRealSpinEdit* ProletRightSpEdit = nullptr;
  QLabel* LabEqu = nullptr;
  widgets::TRealSpinEdit* ProletPrivedSpEdit = nullptr;
  QGroupBox* GroupBoxGround = nullptr;
  QLabel* LabLeft2 = nullptr;
  widgets::TRealSpinEdit* OtmLeftSpEdit = nullptr;
  QLabel* LabThis = nullptr;
  widgets::TRealSpinEdit* OtmCurSpEdit = nullptr;
  QLabel* LabRigh2 = nullptr;
  widgets::TRealSpinEdit* OtmRightSpEdit = nullptr;
  QGroupBox* GroupBoxHeight = nullptr;
  QLabel* LabLeft3 = nullptr;
  widgets::TRealSpinEdit* HeightLeftSpEdit = nullptr;
  QLabel* LabThis2 = nullptr;
  widgets::TRealSpinEdit* HeightCurSpEdit = nullptr;
  QLabel* LabRigh3 = nullptr;
  widgets::TRealSpinEdit* HeightRightSpEdit = nullptr;
  QGroupBox* GroupBoxAngles = nullptr;
  QLabel* LabAlfaP = nullptr;
  widgets::TRealSpinEdit* AlfaPSpEdit = nullptr;
  QLabel* LabAlfaAB = nullptr;
  widgets::TRealSpinEdit* AlfaABSpEdit = nullptr;
  QLabel* LabBallast = nullptr;
  widgets::TRealSpinEdit* AlfaBalSpEdit = nullptr;
  QGroupBox* GroupBoxWeight = nullptr;
  QLabel* LabDamper = nullptr;
  widgets::TRealSpinEdit* VesGVSpEdit = nullptr;
  QLabel* LabInsulator = nullptr;
  widgets::TRealSpinEdit* VesGirlSpEdit = nullptr;
  QGroupBox* GroupBoxDeflection = nullptr;
  QLabel* LabDef = nullptr;
  QRadioButton* RadioButtonToward = nullptr;
  QRadioButton* RadioButtonFrom = nullptr;
  TLimitPages* Limits = nullptr;
  TLiveResultPanel* LiveResult = nullptr;
  widgets::TInputProblem* Problem = nullptr;
  QPushButton* BitBtnOK = nullptr;
  QPushButton* BitBtnCancel = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildTopRow();
  QWidget* BuildPages();
  QWidget* BuildMiddleRow();
  QGroupBox* BuildSpans();
  QGroupBox* BuildGround();
  QGroupBox* BuildHeights();
  QGroupBox* BuildAngles();
  QGroupBox* BuildWeights();
  QGroupBox* BuildDeflection();
  QLayout* BuildButtons();
  QWidget* BuildLiveResult();
  void LimitTexts();
  // The first field StoreSupport cannot take and why; null when none.
  std::pair<QWidget*, QString> FirstProblem() const;
  void ScheduleLiveResult();
  void UpdateLiveResult();
  void WatchEdits();
  // Three captioned edits of one group box.
  QGroupBox* BuildTriple(QGroupBox*& box, const std::array<QLabel**, 3>& labels,
                         const std::array<widgets::TRealSpinEdit**, 3>& edits,
                         const std::array<const char*, 3>& names);

  // False when the user chose to change a number that another support has.
  bool KeepTakenNumber();
  // The sectional area of the named wire in the catalogue; 0 when unknown.
  double WireArea(const QString& name) const;

  TFormWiresBase* wiresBase_ = nullptr;
  std::vector<std::string> otherNumbers_;
  TResultSource resultSource_;
  QTimer* liveTimer_ = nullptr;
  QScrollArea* liveScroll_ = nullptr;
};

}  // namespace orv::ui

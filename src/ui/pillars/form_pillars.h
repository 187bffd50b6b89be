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
class QTabWidget;
class QTimer;
class QToolButton;
class TFormWiresBase;
namespace orv::widgets { class TInputProblem; }
class TLiveResultPanel;
class TLimitPages;
namespace orv::project { struct TSupportOutcome; }
namespace orv::widgets { class TIntSpinEdit; }
namespace orv::calc { class TPillar; }
namespace orv::widgets { class TRealSpinEdit; }

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
  using TResultSource = std::function<orv::project::TSupportOutcome(const orv::calc::TPillar&)>;
  void AttachResultSource(TResultSource source);

  void LoadSupport(const orv::calc::TPillar& support);
  // Stores every control into `support`: the limits of the page last edited,
  // the other pair 0 as the project file keeps it (it only shows the same
  // limits in the other unit). The
  // number is cut to 6 characters and the wire name to 16; a text that
  // Windows-1251 cannot hold throws OrvError before anything is stored.
  void StoreSupport(orv::calc::TPillar& support) const;
  // True when StoreSupport can take every field; otherwise marks the first
  // field it cannot take (a character Windows-1251 lacks, a number field
  // left empty) and says why in the dialog.
  bool ValidateInput();
  // LoadSupport, the dialog, and StoreSupport on OK; true on OK.
  bool Edit(orv::calc::TPillar& support);

  // --- handlers ---
  void FormShow();
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
  orv::widgets::TRealSpinEdit* seNapr_max = nullptr;
  QLabel* LabUnit_Napr_Max = nullptr;
  QLabel* LabNapr_srg = nullptr;
  orv::widgets::TRealSpinEdit* seNapr_srg = nullptr;
  QLabel* LabUnit_Napr_srg = nullptr;
  QLabel* LabStressMax = nullptr;
  orv::widgets::TIntSpinEdit* seTag_max = nullptr;
  QLabel* Lab_daN1 = nullptr;
  QLabel* LabStress_srg = nullptr;
  orv::widgets::TIntSpinEdit* seTag_srg = nullptr;
  QLabel* Lab_daN2 = nullptr;
  QLabel* LabNumbers = nullptr;
  orv::widgets::TIntSpinEdit* sePhaseNumb = nullptr;
  QLabel* LabAngleRoute = nullptr;
  orv::widgets::TRealSpinEdit* UgolSpEdit = nullptr;
  QGroupBox* GroupBoxSpans = nullptr;
  QLabel* LabLeft = nullptr;
  orv::widgets::TRealSpinEdit* ProletLeftSpEdit = nullptr;
  QLabel* LabRight = nullptr;
  orv::widgets::TRealSpinEdit* ProletRightSpEdit = nullptr;
  QLabel* LabEqu = nullptr;
  orv::widgets::TRealSpinEdit* ProletPrivedSpEdit = nullptr;
  QGroupBox* GroupBoxGround = nullptr;
  QLabel* LabLeft2 = nullptr;
  orv::widgets::TRealSpinEdit* OtmLeftSpEdit = nullptr;
  QLabel* LabThis = nullptr;
  orv::widgets::TRealSpinEdit* OtmCurSpEdit = nullptr;
  QLabel* LabRigh2 = nullptr;
  orv::widgets::TRealSpinEdit* OtmRightSpEdit = nullptr;
  QGroupBox* GroupBoxHeight = nullptr;
  QLabel* LabLeft3 = nullptr;
  orv::widgets::TRealSpinEdit* HeightLeftSpEdit = nullptr;
  QLabel* LabThis2 = nullptr;
  orv::widgets::TRealSpinEdit* HeightCurSpEdit = nullptr;
  QLabel* LabRigh3 = nullptr;
  orv::widgets::TRealSpinEdit* HeightRightSpEdit = nullptr;
  QGroupBox* GroupBoxAngles = nullptr;
  QLabel* LabAlfaP = nullptr;
  orv::widgets::TRealSpinEdit* AlfaPSpEdit = nullptr;
  QLabel* LabAlfaAB = nullptr;
  orv::widgets::TRealSpinEdit* AlfaABSpEdit = nullptr;
  QLabel* LabBallast = nullptr;
  orv::widgets::TRealSpinEdit* AlfaBalSpEdit = nullptr;
  QGroupBox* GroupBoxWeight = nullptr;
  QLabel* LabDamper = nullptr;
  orv::widgets::TRealSpinEdit* VesGVSpEdit = nullptr;
  QLabel* LabInsulator = nullptr;
  orv::widgets::TRealSpinEdit* VesGirlSpEdit = nullptr;
  QGroupBox* GroupBoxDeflection = nullptr;
  QLabel* LabDef = nullptr;
  QRadioButton* RadioButtonToward = nullptr;
  QRadioButton* RadioButtonFrom = nullptr;
  TLimitPages* Limits = nullptr;
  TLiveResultPanel* LiveResult = nullptr;
  orv::widgets::TInputProblem* Problem = nullptr;
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
  void LimitTexts();
  // The first field StoreSupport cannot take and why; null when none.
  std::pair<QWidget*, QString> FirstProblem() const;
  void ScheduleLiveResult();
  void UpdateLiveResult();
  void WatchEdits();
  // Three captioned edits of one group box.
  QGroupBox* BuildTriple(QGroupBox*& box, const std::array<QLabel**, 3>& labels,
                         const std::array<orv::widgets::TRealSpinEdit**, 3>& edits,
                         const std::array<const char*, 3>& names);

  // False when the user chose to change a number that another support has.
  bool KeepTakenNumber();
  // The sectional area of the named wire in the catalogue; 0 when unknown.
  double WireArea(const QString& name) const;

  TFormWiresBase* wiresBase_ = nullptr;
  std::vector<std::string> otherNumbers_;
  TResultSource resultSource_;
  QTimer* liveTimer_ = nullptr;
};

#pragma once

#include <QDialog>
#include <QLabel>
#include <string>

namespace orv::ui {

// The about box. It is filled through its setters and shown without waiting;
// a click anywhere on it closes it.
class TFormAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TFormAbout(QWidget* parent = nullptr);

  void SetProgramName(const std::string& name);
  void SetDescription(const std::string& description);
  void SetProgrammers(const std::string& names);
  void SetYear(int year);
  // `hundredths` 180 reads 'version 1.8' ('версия 1.8' in Russian), in the
  // language in force when it is set.
  void SetVersion(int hundredths);
  void SetAuthorInfo(const std::string& contact);

 private:
  void FormShow();

  QLabel* LabelProgName;
  QLabel* LabelVersion;
  QLabel* LabTitle;
  QLabel* LabDevel;
  QLabel* LabeInfolAuthor;
  QLabel* LabProgrammersTitle;
  QLabel* LabProgrammers;
  QLabel* LabCompany;
  QLabel* LabYear;
  QLabel* URL_Lab;

 protected:
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QLayout* BuildColumns();
};

// The version line of the about box: "version 1.8" or "версия 1.8".
std::string VersionText(int hundredths, bool english);

// Fills the box as the About command does, in the current language.
void FillAboutBox(TFormAbout& box);

}  // namespace orv::ui

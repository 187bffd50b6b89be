#include "ui/dialogs/form_about.h"

#include <QFont>
#include <QGridLayout>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <charconv>

#include "base/number_text.h"
#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "ui/dialogs/about_texts.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::qt_text;

namespace orv::ui {

namespace {

QLabel* NewLabel(QWidget* parent, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
  auto* label = new QLabel(parent);
  label->setAlignment(alignment);
  return label;
}

void Embolden(QLabel* label, int pixelSize = 0) {
  QFont font = label->font();
  font.setBold(true);
  if (pixelSize > 0) font.setPixelSize(pixelSize);
  label->setFont(font);
}

}  // namespace

TFormAbout::TFormAbout(QWidget* parent) : QDialog(parent) {
  LabelProgName = NewLabel(this, Qt::AlignCenter);
  LabelProgName->setObjectName("LabelProgName");
  Embolden(LabelProgName, 28);
  LabelProgName->setStyleSheet("color: maroon;");
  LabelVersion = NewLabel(this, Qt::AlignCenter);
  LabelVersion->setObjectName("LabelVersion");
  LabTitle = NewLabel(this, Qt::AlignCenter);
  LabTitle->setObjectName("LabTitle");
  Embolden(LabTitle);
  LabCompany = NewLabel(this, Qt::AlignCenter);
  LabCompany->setObjectName("LabCompany");
  LabYear = NewLabel(this, Qt::AlignCenter);
  LabYear->setObjectName("LabYear");
  URL_Lab = NewLabel(this, Qt::AlignCenter);
  URL_Lab->setObjectName("URL_Lab");
  URL_Lab->setText(QString("<a href=\"%1\">%1</a>").arg(kAboutWebAddress));
  URL_Lab->setOpenExternalLinks(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LabelProgName);
  layout->addWidget(LabelVersion);
  layout->addSpacing(6);
  layout->addWidget(LabTitle);
  layout->addSpacing(10);
  layout->addLayout(BuildColumns());
  layout->addSpacing(10);
  layout->addWidget(LabCompany);
  layout->addWidget(LabYear);
  layout->addWidget(URL_Lab);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  FormShow();
}

QLayout* TFormAbout::BuildColumns() {
  LabDevel = NewLabel(this);
  LabDevel->setObjectName("LabDevel");
  Embolden(LabDevel);
  LabeInfolAuthor = NewLabel(this);
  LabeInfolAuthor->setObjectName("LabeInfolAuthor");
  LabProgrammersTitle = NewLabel(this);
  LabProgrammersTitle->setObjectName("LabProgrammersTitle");
  Embolden(LabProgrammersTitle);
  LabProgrammers = NewLabel(this);
  LabProgrammers->setObjectName("LabProgrammers");
  auto* columns = new QGridLayout;
  columns->setHorizontalSpacing(30);
  columns->addWidget(LabDevel, 0, 0);
  columns->addWidget(LabeInfolAuthor, 1, 0);
  columns->addWidget(LabProgrammersTitle, 0, 1);
  columns->addWidget(LabProgrammers, 1, 1);
  return columns;
}

void TFormAbout::SetProgramName(const std::string& name) { LabelProgName->setText(ToDisplayText(name)); }

void TFormAbout::SetDescription(const std::string& description) {
  LabTitle->setText(ToDisplayText(description));
}

void TFormAbout::SetProgrammers(const std::string& names) { LabProgrammers->setText(ToDisplayText(names)); }

void TFormAbout::SetYear(int year) { LabYear->setText(ToQString(IntToText(year))); }

void TFormAbout::SetVersion(int hundredths) {
  LabelVersion->setText(ToQString(VersionText(hundredths, IsEnglish())));
}

void TFormAbout::SetAuthorInfo(const std::string& contact) {
  LabeInfolAuthor->setText(ToDisplayText(contact));
}

void TFormAbout::FormShow() {
  const bool english = IsEnglish();
  setWindowTitle(english ? "About Program" : "О программе");
  LabDevel->setText(english ? "Author:" : "Разработчик:");
  LabProgrammersTitle->setText(english ? "Programmers:" : "Программисты:");
  LabCompany->setText(ToDisplayText(english ? kAboutCompanyEnglish : kAboutCompanyRussian));
}

void TFormAbout::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TFormAbout::mousePressEvent(QMouseEvent* event) {
  QDialog::mousePressEvent(event);
  close();
}

std::string VersionText(int hundredths, bool english) {
  char digits[32];
  const auto written = std::to_chars(digits, digits + sizeof digits, hundredths * 0.01,
                                     std::chars_format::fixed, 1);
  return std::string(english ? "version " : "версия ") + std::string(digits, written.ptr);
}

void FillAboutBox(TFormAbout& box) {
  const bool english = IsEnglish();
  box.SetProgramName("Orvane");
  box.SetDescription(english ? kAboutDescriptionEnglish : kAboutDescriptionRussian);
  box.SetProgrammers(english ? kAboutProgrammersEnglish : kAboutProgrammersRussian);
  box.SetYear(kAboutYear);
  box.SetVersion(VersionNumber);
  box.SetAuthorInfo(english ? kAboutAuthorEnglish : kAboutAuthorRussian);
}

}  // namespace orv::ui

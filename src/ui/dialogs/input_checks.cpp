#include "ui/dialogs/input_checks.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "base/cp1251.h"
#include "base/errors.h"
#include "base/number_text.h"
#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "widgets/input_problem.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::qt_text;
using namespace orv::widgets;

namespace orv::ui {

namespace {

QString WithoutColon(const QString& text) {
  QString name = text.simplified();
  while (name.endsWith(':')) name.chop(1);
  return name;
}

// True when another caption of the same window reads the same, as "Left:"
// does in the ground and in the height group.
bool SharedCaption(const QLabel* caption) {
  const QString text = caption->text().simplified();
  for (const QLabel* other : caption->window()->findChildren<QLabel*>())
    if (other != caption && other->text().simplified() == text) return true;
  return false;
}

}  // namespace

QString FieldName(const QLabel* caption) {
  const QString name = WithoutColon(caption->text());
  const auto* group = qobject_cast<const QGroupBox*>(caption->parentWidget());
  if (!group || group->title().isEmpty() || !SharedCaption(caption)) return name;
  return WithoutColon(group->title()) + " – " + name;
}

QString ProblemText(const char* key, const QLabel* caption, const QString& detail) {
  return ProblemText(key, FieldName(caption), detail);
}

QString ProblemText(const char* key, const QString& fieldName, const QString& detail) {
  QString text = ToDisplayText(LocalText(key));
  text.replace("%1", fieldName);
  text.replace("%2", detail);
  return text;
}

QString NumberProblem(const QString& text, const QLabel* caption) {
  return NumberProblem(text, FieldName(caption));
}

QString NumberProblem(const QString& text, const QString& fieldName) {
  if (text.trimmed().isEmpty()) return ProblemText("Number_empty", fieldName);
  try {
    TextToFloat(ToStdString(text));
    return {};
  } catch (const OrvError&) {
    return ProblemText("Number_expected", fieldName);
  }
}

QString FileTextProblem(const QString& text, const QLabel* caption) {
  for (const char32_t code : text.toUcs4()) {
    const QString character = QString::fromUcs4(&code, 1);
    if (!FitsCp1251(ToStdString(character))) return ProblemText("Text_not_cp1251", caption, character);
  }
  return {};
}

void LimitLength(QLineEdit* edit, int limit, const QLabel* caption, TInputProblem* problem) {
  edit->setMaxLength(limit);
  QObject::connect(edit, &QLineEdit::inputRejected, problem, [=] {
    if (edit->text().size() >= limit)
      problem->Say(ProblemText("Text_limit", caption, QString::number(limit)));
  });
}

}  // namespace orv::ui

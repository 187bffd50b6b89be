#pragma once

#include <QString>

class QLabel;
class QLineEdit;
namespace orv::widgets { class TInputProblem; }

namespace orv::ui {

// What the dialogs say in place about an input they cannot take, in the
// current language, naming the field by its caption.

// The caption as a message names it: one line, without the closing colon;
// a caption that another one of the window repeats ("Left:") is named with
// its group's title before it.
QString FieldName(const QLabel* caption);

// The dictionary text of `key` with %1 the field's name and %2 `detail`.
QString ProblemText(const char* key, const QLabel* caption, const QString& detail = {});
// The same for a field named by `fieldName` rather than by its caption.
QString ProblemText(const char* key, const QString& fieldName, const QString& detail = {});

// Why `text` cannot be a number ("empty" or "not a number"); empty when it is.
QString NumberProblem(const QString& text, const QLabel* caption);
QString NumberProblem(const QString& text, const QString& fieldName);

// Why a name cannot go into the files: a character Windows-1251 lacks.
// Empty when it can.
QString FileTextProblem(const QString& text, const QLabel* caption);

// Limits `edit` to `limit` characters; a key refused at the limit is
// answered in `problem`.
void LimitLength(QLineEdit* edit, int limit, const QLabel* caption, widgets::TInputProblem* problem);

}  // namespace orv::ui

#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <string>

namespace orv::widgets {

// Captions taken from the dictionary in the current language, with the
// dictionary's CR LF line breaks shown as line breaks.
void SetLocalCaption(QLabel* label, const std::string& key);
void SetLocalCaption(QGroupBox* box, const std::string& key);
void SetLocalCaption(QAbstractButton* button, const std::string& key);
void SetLocalWindowTitle(QWidget* window, const std::string& key);
// "OK" in the current language; "OK" before the dictionary holds it.
void SetOkCaption(QAbstractButton* button);

}  // namespace orv::widgets

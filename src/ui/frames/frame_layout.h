#pragma once

#include <QGridLayout>
#include <initializer_list>
#include <utility>
#include <QLabel>
#include <QWidget>

namespace orv::widgets { class TRealSpinEdit; }

namespace orv::ui {

// Pieces the climate frames are built from: rows of caption, edit and unit.

// A real spin edit showing nine significant digits, stepping by `increment`.
widgets::TRealSpinEdit* NewRealEdit(double value, double increment, QWidget* parent);

// Appends a row to `grid`: the caption, the edit and, when given, the unit.
void AddEditRow(QGridLayout* grid, QLabel* caption, QWidget* edit, QLabel* unit = nullptr);

// Gives the captions of rows in different group boxes one width, so that
// their edits line up; run after the captions change language.
void AlignCaptions(std::initializer_list<QLabel*> captions);

// Names each part after the member that holds it, for parts made through
// pointers to their members; the tests find the parts by these names.
void NameParts(std::initializer_list<std::pair<QObject*, const char*>> parts);

}  // namespace orv::ui

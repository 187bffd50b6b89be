#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

// A part of a window, found by its object name the way a test should reach
// it: the windows keep their widgets to themselves. A missing part (a name
// changed, a widget of another type) fails the test at once, naming what was
// looked for and where.
template <class T>
T* Child(const QObject& window, const QString& name) {
  T* part = window.findChild<T*>(name);
  if (!part) {
    const std::string what = name.toStdString() + " in " + window.metaObject()->className() + " " +
                             window.objectName().toStdString();
    ADD_FAILURE() << "no part " << what;
    throw std::logic_error("no part " + what);
  }
  return part;
}

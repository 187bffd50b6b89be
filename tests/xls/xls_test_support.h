#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/file_open.h"
#include "xls/workbook.h"
#include "xls/xls_error.h"

namespace xls {

// Runs `statement` and checks that it throws xls::Error with exactly `message`.
#define EXPECT_ORV_ERROR(statement, message)                      \
  do {                                                            \
    try {                                                         \
      statement;                                                  \
      ADD_FAILURE() << "no error, expected: " << (message);       \
    } catch (const ::xls::Error& error) {                         \
      EXPECT_EQ(std::string(error.what()), std::string(message)); \
    }                                                             \
  } while (false)

inline std::string XlsData(const std::string& name) { return std::string(ORVANE_TEST_DATA) + "/xls/" + name; }

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  std::string File(const std::string& name) const { return orv::base::PathToUtf8(path_ / orv::base::PathFromUtf8(name)); }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline XlsWorkbook Reopened(const XlsWorkbook& book) {
  XlsWorkbook copy;
  copy.OpenBytes(book.SaveBytes());
  return copy;
}

inline XlsWorkbook OpenData(const std::string& name) {
  XlsWorkbook book;
  book.Open(XlsData(name));
  return book;
}

}  // namespace xls

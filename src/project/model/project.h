#pragma once

#include <string>

#include "calc/klimat.h"
#include "calc/klimat_koef.h"
#include "project/model/pillar_list.h"
#include "base/line_reader.h"

namespace orv::project {

// Everything the user enters for one line. Holds no wire data and no results.
class TProject {
 public:
  calc::TKlimat Klimat;
  calc::TKlimatKoef KlimatKoef;
  TPillarList Pillars;

  // Resets climate and coefficients to their defaults and drops every support.
  void Clear();
  void Assign(const TProject& source);
  // Exact comparison of every value; reals without tolerance.
  bool Equals(const TProject& other) const;

  // Reads a whole project. On failure throws OrvError with the conversion
  // message followed by the line ("... (line 7)") and leaves this project as
  // it was.
  void LoadFromText(base::TextLineReader& file);
  // Appends the file text (Windows-1251, CR LF) to `file`, then settles in
  // each support the limit pair its mode does not use. A support whose text
  // the file cannot hold throws OrvError naming the support; the project is
  // then unchanged and nothing is appended.
  void SaveToText(std::string& file);

  // The file text as SaveToText writes it, without touching the project.
  std::string FileText() const;
  // Zeroes the tensions of supports given by stresses and the stresses of
  // supports given by tensions.
  void SettleUnusedLimits();
};

}  // namespace orv::project

#pragma once

#include <string>

#include "calc/klimat.h"
#include "calc/klimat_koef.h"
#include "project/model/project.h"
#include "base/line_reader.h"

namespace orv::project {

// Reads the climate part of a Dastrel project (.dtr) into `klimat` and
// `klimatKoef`, in either form of the file. On failure throws OrvError with
// the conversion message and the line, and leaves both as they were.
void ReadDastrelClimate(base::TextLineReader& file, calc::TKlimat& klimat, calc::TKlimatKoef& klimatKoef);

// Takes the climatic conditions and coefficients of the Dastrel project at
// `path` over into `project`; its supports are not touched. A failed import
// leaves the project as it was.
void ImportDastrelClimate(TProject& project, const std::string& path);

}  // namespace orv::project

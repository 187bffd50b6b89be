#include <string>

#include "base/cp1251.h"
#include "base/errors.h"
#include "base/number_text.h"
#include "project/model/project.h"
#include "project/file/project_file_fields.h"

using namespace orv::base;
using namespace orv::calc;
using namespace orv::project::detail;

namespace orv::project {

namespace {

// One value per line, Windows-1251, every line ended by CR LF.
class ProjectLineWriter {
 public:
  void Real(double value) { Line(FloatToText(value)); }
  void Integer(long long value) { Line(IntToText(value)); }
  void Pair(double real, long long integer) { Line(FloatToText(real) + ";" + IntToText(integer)); }

  // A line break inside a text would shift every later value of the file.
  void Text(const std::string& utf8, const char* what) {
    if (utf8.find_first_of("\r\n") != std::string::npos) {
      throw OrvError(std::string("The ") + what +
                     " contains a line break, which the project file cannot hold.");
    }
    Line(Utf8ToCp1251(utf8));
  }

  std::string bytes;

 private:
  void Line(const std::string& value) {
    bytes += value;
    bytes += "\r\n";
  }
};

void WriteClimate(ProjectLineWriter& out, const TKlimat& klimat) {
  for (auto field : kClimateLines) out.Real(klimat.*field);
}

// SupportHeight has no place in the file: it reads back as 15.
void WriteCoefficients(ProjectLineWriter& out, const TKlimatKoef& koef) {
  for (auto field : kLoadCoefficientLines) out.Real(koef.*field);
  out.Integer(koef.WireHeight);
  out.Integer(koef.TerrainType);
}

// The pair a support's mode does not use is written as zero, as the project
// holds it once the save has settled it.
void WriteLimits(ProjectLineWriter& out, const TPillar& support) {
  if (support.TensionMode == 0) {
    out.Pair(support.StressMax, 0);
    out.Pair(support.StressAverage, 0);
  } else {
    out.Pair(0.0, support.TensionMax);
    out.Pair(0.0, support.TensionAverage);
  }
}

void WriteSupport(ProjectLineWriter& out, const TPillar& support) {
  out.Text(support.SupportNumber, "support number");
  out.Text(support.WireName, "wire name");
  out.Integer(support.WiresInPhase);
  for (auto field : kSupportLinesBeforeLimits) out.Real(support.*field);
  WriteLimits(out, support);
  for (auto field : kSupportLinesAfterLimits) out.Real(support.*field);
  out.Integer(support.Reserved);
  out.Integer(support.DeflectionDirection);
}

}  // namespace

std::string TProject::FileText() const {
  ProjectLineWriter out;
  WriteClimate(out, Klimat);
  WriteCoefficients(out, KlimatKoef);
  out.Integer(Pillars.Count());
  for (int i = 0; i < Pillars.Count(); ++i) {
    try {
      WriteSupport(out, Pillars.Items(i));
    } catch (const OrvError& error) {
      throw OrvError("Support " + std::to_string(i + 1) + ": " + error.what());
    }
  }
  return std::move(out.bytes);
}

void TProject::SaveToText(std::string& file) {
  file += FileText();
  SettleUnusedLimits();
}

}  // namespace orv::project

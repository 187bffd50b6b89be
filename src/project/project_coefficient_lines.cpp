#include "project/project_coefficient_lines.h"

void ReadLoadCoefficients(TextLineReader& file, TKlimatKoef& koef) {
  koef.WindRespCoef = file.ReadFloatLine();
  koef.WindRegionalCoef = file.ReadFloatLine();
  koef.WindReliabilityCoef = file.ReadFloatLine();
  koef.IceRespCoef = file.ReadFloatLine();
  koef.IceRegionalCoef = file.ReadFloatLine();
  koef.IceReliabilityCoef = file.ReadFloatLine();
  koef.IceOperatingCoef = file.ReadFloatLine();
}

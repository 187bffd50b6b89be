#pragma once

namespace orv::settings {

// The swing diagram's and the line profile's titles, axes and legends.
void RegisterDiagramTexts();

}  // namespace orv::settings

#pragma once

namespace orv::settings {

// Words shared by all windows; registered first at the main window's creation.
// Its texts for Max_perm_tens, Tension_aver_temp, Max_stress and
// Stress_aver_temp break lines and are replaced by the support editor's one-
// line texts.
void RegisterGeneralVocabulary();

}  // namespace orv::settings

#pragma once

namespace orv::settings {

// The support editor with the recommendation messages Mess_01 to Mess_13 and
// the calculation's messages. Replaces the general vocabulary's texts of the
// four stress and tension captions with one-line texts.
void RegisterPillarsFormTexts();

}  // namespace orv::settings

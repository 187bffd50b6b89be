#pragma once

// What makes a support impossible to calculate, in the user's terms.
void RegisterInputProblemTexts();

#pragma once

// The results table, the live result of the support editor and the details
// view of one support.
void RegisterResultsTexts();

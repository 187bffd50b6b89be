#pragma once

// The wire catalogue window's column headers and its delete question.
void RegisterWiresBaseTexts();

#pragma once

// How a support's result was reached, as `orvane calc --explain` writes it.
void RegisterExplainTexts();

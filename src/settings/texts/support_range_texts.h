#pragma once

// The inputs of a support as a range error names them.
void RegisterSupportRangeTexts();

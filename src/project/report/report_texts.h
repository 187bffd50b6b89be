#pragma once

// The report's own dictionary entry "Check_files", which no window registers.
// Registering again only replaces the same text.
void RegisterReportTexts();

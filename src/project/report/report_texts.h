#pragma once

// The report's own dictionary entries, which no window registers:
// "Check_files", "Report_limit", the texts beside the specified cells and
// those of the summary sheet.
// Registering again only replaces the same text.
void RegisterReportTexts();

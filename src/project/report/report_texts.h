#pragma once

// The report's own dictionary entries, which no window registers:
// "Check_files" and the texts of the summary sheet.
// Registering again only replaces the same text.
void RegisterReportTexts();

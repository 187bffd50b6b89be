#pragma once

// The report's own dictionary entries, which no window registers:
// "Check_files" and the texts beside the specified cells.
// Registering again only replaces the same text.
void RegisterReportTexts();

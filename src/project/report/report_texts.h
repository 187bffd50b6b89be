#pragma once

// The report's own dictionary entries ("Check_files", "Report_limit"), which
// no window registers.
// Registering again only replaces the same text.
void RegisterReportTexts();

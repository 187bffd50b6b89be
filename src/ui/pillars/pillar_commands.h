#pragma once

namespace orv::ui {

class TFormMain;
class TFormPillars;

// The main window's add, insert and edit commands, which run the support
// editor and hand the support to the project document. Delete needs no
// editor and is the main window's own.
void PillarCreate(TFormMain& main, TFormPillars& editor);
void PillarInsert(TFormMain& main, TFormPillars& editor);
void PillarEdit(TFormMain& main, TFormPillars& editor);

// The editor's live result calculates in the main window's project, at its
// current support, with its catalogue.
void AttachLiveResult(TFormMain& main, TFormPillars& editor);

}  // namespace orv::ui

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

// Hooks the three commands into the main window's actions.
void AttachPillarCommands(TFormMain& main, TFormPillars& editor);

}  // namespace orv::ui

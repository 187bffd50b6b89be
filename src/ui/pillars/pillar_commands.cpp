#include "ui/pillars/pillar_commands.h"

#include <algorithm>

#include "calc/pillar.h"
#include "ui/main_window/form_main.h"
#include "ui/pillars/form_pillars.h"
#include "widgets/supports_grid.h"

namespace {

// Selecting the row makes it the current one through the grid's own
// handler; ShowRow covers the row that was already selected.
void SelectRow(TFormMain& main, int row) {
  main.Grid->SelectRow(row);
  main.ShowRow(row);
}

}  // namespace

void PillarCreate(TFormMain& main, TFormPillars& editor) {
  TPillarList& pillars = main.CurrentProject.Pillars;
  TPillar support;
  if (pillars.Count() == 0) {
    support.SupportNumber = "1";
  } else {
    support.Assign(pillars.Items(pillars.Count() - 1));
    support.NextSupportNumber();
  }
  if (!editor.Edit(support)) return;
  const int last = pillars.Add(support);
  main.FillGrid();
  SelectRow(main, last);
  main.UpdateActions();
}

void PillarInsert(TFormMain& main, TFormPillars& editor) {
  TPillarList& pillars = main.CurrentProject.Pillars;
  // The current row is where the new support goes; it can never lie past
  // the end of the list.
  const int at = std::clamp(main.CurrentRow, 0, pillars.Count());
  TPillar support;
  if (at < 1)
    support.SupportNumber = "1";
  else
    support.Assign(pillars.Items(at - 1));
  if (!editor.Edit(support)) return;
  pillars.Insert(at, support);
  main.FillGrid();
  SelectRow(main, at);
  main.UpdateActions();
}

void PillarEdit(TFormMain& main, TFormPillars& editor) {
  TPillarList& pillars = main.CurrentProject.Pillars;
  if (pillars.Count() == 0) return;
  const int row = std::clamp(main.CurrentRow, 0, pillars.Count() - 1);
  TPillar support = pillars.Items(row);
  if (!editor.Edit(support)) return;
  pillars.Items(row).Assign(support);
  main.ShowRow(row);
}

void AttachPillarCommands(TFormMain& main, TFormPillars& editor) {
  main.PillarCreateHandler = [&main, &editor] { PillarCreate(main, editor); };
  main.PillarInsertHandler = [&main, &editor] { PillarInsert(main, editor); };
  main.PillarEditHandler = [&main, &editor] { PillarEdit(main, editor); };
}

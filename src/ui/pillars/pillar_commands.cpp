#include "ui/pillars/pillar_commands.h"

#include <algorithm>

#include "calc/pillar.h"
#include "project/project_document.h"
#include "ui/main_window/form_main.h"
#include "ui/pillars/form_pillars.h"

void PillarCreate(TFormMain& main, TFormPillars& editor) {
  TProjectDocument& document = main.Document();
  const TPillarList& pillars = document.Project().Pillars;
  TPillar support;
  if (pillars.Count() == 0) {
    support.SupportNumber = "1";
  } else {
    support.Assign(pillars.Items(pillars.Count() - 1));
    support.NextSupportNumber();
  }
  if (!editor.Edit(support)) return;
  main.SelectSupport(document.AddSupport(support));
}

void PillarInsert(TFormMain& main, TFormPillars& editor) {
  TProjectDocument& document = main.Document();
  const TPillarList& pillars = document.Project().Pillars;
  // The current row is where the new support goes; it can never lie past
  // the end of the list.
  const int at = std::clamp(main.CurrentRow(), 0, pillars.Count());
  TPillar support;
  if (at < 1)
    support.SupportNumber = "1";
  else
    support.Assign(pillars.Items(at - 1));
  if (!editor.Edit(support)) return;
  document.InsertSupport(at, support);
  main.SelectSupport(at);
}

void PillarEdit(TFormMain& main, TFormPillars& editor) {
  TProjectDocument& document = main.Document();
  const int count = document.Project().Pillars.Count();
  if (count == 0) return;
  const int row = std::clamp(main.CurrentRow(), 0, count - 1);
  TPillar support = document.Project().Pillars.Items(row);
  if (!editor.Edit(support)) return;
  document.EditSupport(row, support);
}

void AttachPillarCommands(TFormMain& main, TFormPillars& editor) {
  main.PillarCreateHandler = [&main, &editor] { PillarCreate(main, editor); };
  main.PillarInsertHandler = [&main, &editor] { PillarInsert(main, editor); };
  main.PillarEditHandler = [&main, &editor] { PillarEdit(main, editor); };
}

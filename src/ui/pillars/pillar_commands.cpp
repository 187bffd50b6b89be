#include "ui/pillars/pillar_commands.h"

#include <algorithm>
#include <string>
#include <vector>

#include "calc/pillar.h"
#include "project/model/project_document.h"
#include "project/results/project_results.h"
#include "project/catalogue/wire_catalog.h"
#include "ui/main_window/form_main.h"
#include "ui/pillars/form_pillars.h"

using namespace orv::calc;
using namespace orv::project;

namespace orv::ui {

namespace {

// The numbers of the project's supports but the one at `except`, which the
// editor points out when the user gives one of them again.
std::vector<std::string> OtherNumbers(const TPillarList& pillars, int except = -1) {
  std::vector<std::string> numbers;
  for (int i = 0; i < pillars.Count(); ++i)
    if (i != except) numbers.push_back(pillars.Items(i).SupportNumber);
  return numbers;
}

}  // namespace

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
  editor.SetOtherNumbers(OtherNumbers(pillars));
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
  editor.SetOtherNumbers(OtherNumbers(pillars));
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
  editor.SetOtherNumbers(OtherNumbers(document.Project().Pillars, row));
  if (!editor.Edit(support)) return;
  document.EditSupport(row, support);
}

void AttachLiveResult(TFormMain& main, TFormPillars& editor) {
  editor.AttachResultSource([&main](const TPillar& support) {
    return CalculateSupportOutcome(main.Document().Project(), support, main.CurrentRow(), main.Catalogue().List());
  });
}

}  // namespace orv::ui

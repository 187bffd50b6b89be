#include "project/model/project_document.h"

#include <algorithm>
#include <utility>

#include "project/file/dastrel_import.h"
#include "project/file/project_file.h"

using namespace orv::calc;

namespace orv::project {

namespace {

// A snapshot of a long line is a few hundred kilobytes; a hundred steps back
// are plenty for editing and bound the memory the history takes.
constexpr std::size_t kUndoDepth = 100;

// The first support that differs between two states of the project, so that
// the views can show where an undo or redo changed something; -1 when none.
int FirstChangedSupport(const TPillarList& before, const TPillarList& after) {
  const int common = std::min(before.Count(), after.Count());
  for (int i = 0; i < common; ++i)
    if (!before.Items(i).Equals(after.Items(i))) return i;
  if (before.Count() == after.Count()) return -1;
  return std::min(common, after.Count() - 1);
}

}  // namespace

TProjectDocument::TProjectDocument() {
  current_.Clear();
  saved_.Assign(current_);
}

bool TProjectDocument::IsModified() const { return !current_.Equals(saved_); }

void TProjectDocument::New() {
  TProject empty;
  empty.Clear();
  Restart(empty, {});
}

void TProjectDocument::Open(const std::string& path) {
  // A read that fails part-way must not leave half a project under a new
  // name: the file goes into a fresh project, taken over only when complete.
  TProject opened;
  LoadProjectFile(path, opened);
  Restart(opened, path);
}

void TProjectDocument::Save() { SaveAs(fileName_); }

void TProjectDocument::SaveAs(const std::string& path) {
  // The writer settles the unused limit pair of each support only when the
  // file was written; those values are neither shown nor calculated with,
  // so no listener hears of them.
  SaveProjectFile(path, current_);
  fileName_ = path;
  saved_.Assign(current_);
  Notify(TDocumentChange::TWhat::FileName);
}

void TProjectDocument::ImportDastrel(const std::string& path) {
  TProject imported;
  imported.Assign(current_);
  ImportDastrelClimate(imported, path);
  ReplaceClimate(imported);
}

void TProjectDocument::SetClimate(const TKlimat& klimat, const TKlimatKoef& klimatKoef) {
  TProject changed;
  changed.Assign(current_);
  changed.Klimat.AssignFrom(klimat);
  changed.KlimatKoef.AssignFrom(klimatKoef);
  ReplaceClimate(changed);
}

void TProjectDocument::ReplaceClimate(const TProject& changed) {
  const bool climate = !changed.Klimat.IsEqual(current_.Klimat);
  const bool coefficients = !changed.KlimatKoef.IsEqual(current_.KlimatKoef);
  if (!climate && !coefficients) return;
  RememberForUndo();
  current_.Klimat.AssignFrom(changed.Klimat);
  current_.KlimatKoef.AssignFrom(changed.KlimatKoef);
  using TWhat = TDocumentChange::TWhat;
  Notify(climate && coefficients ? TWhat::ClimateAndCoefficients : climate ? TWhat::Climate : TWhat::Coefficients);
}

void TProjectDocument::SetKlimat(const TKlimat& klimat) {
  if (klimat.IsEqual(current_.Klimat)) return;
  RememberForUndo();
  current_.Klimat.AssignFrom(klimat);
  Notify(TDocumentChange::TWhat::Climate);
}

void TProjectDocument::SetKlimatKoef(const TKlimatKoef& klimatKoef) {
  if (klimatKoef.IsEqual(current_.KlimatKoef)) return;
  RememberForUndo();
  current_.KlimatKoef.AssignFrom(klimatKoef);
  Notify(TDocumentChange::TWhat::Coefficients);
}

int TProjectDocument::AddSupport(const TPillar& support) {
  RememberForUndo();
  const int index = current_.Pillars.Add(support);
  Notify(TDocumentChange::TWhat::SupportList);
  return index;
}

void TProjectDocument::InsertSupport(int index, const TPillar& support) {
  RememberForUndo();
  current_.Pillars.Insert(index, support);
  Notify(TDocumentChange::TWhat::SupportList);
}

void TProjectDocument::InsertSupports(int index, const std::vector<TPillar>& supports) {
  if (supports.empty()) return;
  RememberForUndo();
  current_.Pillars.Insert(index, supports);
  Notify(TDocumentChange::TWhat::SupportList);
}

void TProjectDocument::EditSupport(int index, const TPillar& support) {
  if (support.Equals(current_.Pillars.Items(index))) return;
  RememberForUndo();
  current_.Pillars.Items(index).Assign(support);
  Notify(TDocumentChange::TWhat::Support, index);
}

void TProjectDocument::DeleteSupport(int index) {
  RememberForUndo();
  current_.Pillars.Delete(index);
  Notify(TDocumentChange::TWhat::SupportList);
}

void TProjectDocument::DeleteSupports(std::vector<int> indexes) {
  if (indexes.empty()) return;
  std::sort(indexes.begin(), indexes.end());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  current_.Pillars.Items(indexes.front());  // throws for an index out of range before anything is kept
  current_.Pillars.Items(indexes.back());
  RememberForUndo();
  for (auto at = indexes.rbegin(); at != indexes.rend(); ++at) current_.Pillars.Delete(*at);
  Notify(TDocumentChange::TWhat::SupportList);
}

void TProjectDocument::Undo() {
  if (undo_.empty()) return;
  redo_.push_back(std::exchange(current_, std::move(undo_.back())));
  undo_.pop_back();
  Notify(TDocumentChange::TWhat::Everything, FirstChangedSupport(redo_.back().Pillars, current_.Pillars));
}

void TProjectDocument::Redo() {
  if (redo_.empty()) return;
  undo_.push_back(std::exchange(current_, std::move(redo_.back())));
  redo_.pop_back();
  Notify(TDocumentChange::TWhat::Everything, FirstChangedSupport(undo_.back().Pillars, current_.Pillars));
}

void TProjectDocument::RememberForUndo() {
  if (undo_.size() == kUndoDepth) undo_.erase(undo_.begin());
  undo_.push_back(current_);
  redo_.clear();
}

void TProjectDocument::Notify(TDocumentChange::TWhat what, int index) { listeners_.Notify({what, index}); }

void TProjectDocument::Restart(const TProject& project, const std::string& fileName) {
  current_.Assign(project);
  saved_.Assign(project);
  fileName_ = fileName;
  undo_.clear();
  redo_.clear();
  Notify(TDocumentChange::TWhat::Everything);
  Notify(TDocumentChange::TWhat::FileName);
}

}  // namespace orv::project

#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "base/listeners.h"
#include "project/model/project.h"

namespace orv::project {

// What a change of the document touched. `Index` names the support for
// `Support`; for `Everything` after an undo or redo it names the first
// support that differs, -1 when the supports are all as they were; it is 0
// otherwise.
struct TDocumentChange {
  enum class TWhat {
    Climate,       // the climatic conditions
    Coefficients,  // the climatic coefficients
    ClimateAndCoefficients,  // both, in one edit (the two frames committed, an import)
    Support,       // one support, at `Index`, changed in place
    SupportList,   // supports were added, inserted or deleted
    FileName,      // the file name or the saved copy (New, Open, Save, Save as)
    Everything,    // a whole other project: New, Open, Undo, Redo
  };
  TWhat What;
  int Index = 0;
};

using TDocumentListener = std::function<void(const TDocumentChange&)>;

// The open project: the project being edited, its copy as last created,
// opened or saved, and its file name. Every change goes through the
// operations below, which tell the listeners what changed and keep the
// undo history. Reads and writes take their result over only when they
// succeed: a failed Open, Save or import changes nothing, not even the name.
class TProjectDocument {
 public:
  TProjectDocument();

  const TProject& Project() const { return current_; }
  // Full path of the project file; empty while the project is unnamed.
  const std::string& FileName() const { return fileName_; }
  // The project differs from its copy as last created, opened or saved.
  bool IsModified() const;

  // --- file commands; each throws OrvError on failure and then changes nothing ---
  void New();
  void Open(const std::string& path);
  // Writes to the current file name, which must not be empty.
  void Save();
  // Writes to `path` and takes the name over.
  void SaveAs(const std::string& path);
  // The climate and coefficients of a Dastrel project; the supports stay.
  void ImportDastrel(const std::string& path);

  // --- editing; a value equal to the present one is no change ---
  void SetKlimat(const calc::TKlimat& klimat);
  void SetKlimatKoef(const calc::TKlimatKoef& klimatKoef);
  // Both at once, one edit to undo: what the two climate frames hand over.
  void SetClimate(const calc::TKlimat& klimat, const calc::TKlimatKoef& klimatKoef);
  // Appends `support` and returns its index.
  int AddSupport(const calc::TPillar& support);
  // `index` in 0..count: the support there and those after it move on.
  void InsertSupport(int index, const calc::TPillar& support);
  // `supports` in order from `index` on: one edit, however many there are
  // (a paste); none is no change.
  void InsertSupports(int index, const std::vector<calc::TPillar>& supports);
  // Replaces the support at `index` (0..count-1).
  void EditSupport(int index, const calc::TPillar& support);
  void DeleteSupport(int index);
  // Deletes the supports at `indexes` (in any order, each once) as one step
  // to undo.
  void DeleteSupports(std::vector<int> indexes);

  // --- undo: whole-project snapshots of every edit; New and Open forget them ---
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  void Undo();
  void Redo();

  // --- listeners, called after each change in the order they subscribed ---
  using TToken = base::TListeners<TDocumentChange>::TToken;
  TToken Subscribe(TDocumentListener listener) { return listeners_.Subscribe(std::move(listener)); }
  void Unsubscribe(TToken token) { listeners_.Unsubscribe(token); }

 private:
  // Keeps the present project for undo before an edit changes it.
  void RememberForUndo();
  void Notify(TDocumentChange::TWhat what, int index = 0);
  // Takes `changed` over as one edit, telling what it changed of the climate.
  void ReplaceClimate(const TProject& changed);
  // Takes `project` over as a fresh start under `fileName`: nothing to undo.
  void Restart(const TProject& project, const std::string& fileName);

  TProject current_;
  TProject saved_;
  std::string fileName_;
  std::vector<TProject> undo_;
  std::vector<TProject> redo_;
  base::TListeners<TDocumentChange> listeners_;
};

}  // namespace orv::project

#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "base/listeners.h"
#include "project/catalogue/wires_list.h"

namespace orv::project {

// The open wire catalogue: its records, the file they are saved to, their
// copy as last loaded or saved, and the undo of its edits. Every change goes
// through the operations below, each one step to undo, and every listener
// hears of it. The start-up code of each front end owns one; the windows are
// given it.
class TWireCatalog {
 public:
  static constexpr const char* kFileName = "base_provod.dat";

  // Creates the shared data folder when missing, copies the program's
  // base_provod.dat there unless a data file exists already (never
  // overwriting it), loads the data file when it exists and sorts by name.
  // Stale temporary files in the data folder, left by a killed run, are
  // removed first. A copy that fails is shown as a warning naming the file
  // and the reason; the catalogue is then empty. A data file that cannot be
  // read throws, leaving the catalogue empty. Without a data folder (no home
  // folder) the catalogue starts empty with a warning, and saving it throws.
  void Start();
  // Takes the records of `path` over as the saved catalogue, in file order;
  // nothing to undo. A damaged file throws and changes nothing.
  void Load(const std::string& path);

  const TWiresList& List() const { return list_; }

  // --- edits: one step to undo each; a failed import changes nothing ---
  // Adds `record` after the last record whose name sorts before it or equals
  // it, among the others by name in a catalogue sorted by name; the others
  // keep their order.
  void Add(const calc::TWireRecord& record);
  void Edit(int index, const calc::TWireRecord& record);
  void Delete(int index);
  // Replaces the records by those of an exchange text file.
  void Import(const std::string& path);
  bool CanUndo() const { return !undo_.empty(); }
  void Undo();
  // The order the window lists the records in (keys of SortWireRecords); not
  // an edit, since the file keeps its wires in any order.
  void SortBy(int key);

  // The records differ from their copy as last loaded or saved, order aside.
  bool IsModified() const;
  // Where SaveIfModified writes: the file last loaded or saved, or the data
  // file when the catalogue started without one.
  std::string SavePath() const;
  void SaveIfModified();

  // --- listeners, called after each change in the order they subscribed ---
  using TToken = base::TListeners<>::TToken;
  TToken Subscribe(std::function<void()> listener) { return listeners_.Subscribe(std::move(listener)); }
  void Unsubscribe(TToken token) { listeners_.Unsubscribe(token); }

 private:
  void RememberForUndo();
  // `loaded` as the saved catalogue, nothing to undo: one notification.
  void TakeOver(TWiresList loaded);
  void TakeSaved();
  void Notify() { listeners_.Notify(); }

  TWiresList list_;
  std::string dataFile_;
  std::vector<calc::TWireRecord> saved_;  // sorted in an order of all fields
  std::vector<std::vector<calc::TWireRecord>> undo_;
  base::TListeners<> listeners_;
};

}  // namespace orv::project

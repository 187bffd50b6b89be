#pragma once

#include <string>
#include <vector>

#include "project/wires_list.h"

namespace orv::project {

// The one wire catalogue of the process, with the start-up that finds and
// loads it and the count of changes that decides whether it is saved at the
// end. It lives from the first call of WireCatalog() to the end of the
// process; Start() is called once when the catalogue window is created
// (tests call it again for a fresh start).
class TWireCatalog {
 public:
  static constexpr const char* kFileName = "base_provod.dat";

  // Creates the shared data folder when missing, copies the program's
  // base_provod.dat there unless a data file exists already (never
  // overwriting it), loads the data file when it exists and sorts by name.
  // Stale temporary files in the data folder, left by a killed run, are
  // removed first. A copy that fails is shown as a warning naming the file
  // and the reason; the catalogue is then empty. A data file that cannot be
  // read throws, leaving the catalogue empty.
  void Start();

  TWiresList& List() { return list_; }

  // Add, edit and delete count one change each; an import sets the count to 1.
  void CountChange() { ++changes_; }
  void SetChangeCount(int count) { changes_ = count; }
  int ChangeCount() const { return changes_; }

  // Undo of the catalogue's edits, apart from the project's: each edit keeps
  // the records as they were before it. Undo counts as a change too.
  void RememberForUndo();
  bool CanUndo() const { return !undo_.empty(); }
  void Undo();

  // Where SaveIfChanged writes: the file last loaded or saved, or the data
  // file when the catalogue started without one.
  std::string SavePath() const;
  // Saves when at least one change was counted; the count is then 0.
  void SaveIfChanged();

 private:
  TWiresList list_;
  std::string dataFile_;
  int changes_ = 0;
  std::vector<std::vector<calc::TWireRecord>> undo_;
};

TWireCatalog& WireCatalog();
// WireCatalog().List(): what the report, the command line and the windows use.
TWiresList& WiresCatalogue();

}  // namespace orv::project

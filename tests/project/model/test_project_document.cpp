// The project document without any window: reads and writes taken over only
// on success, what the listeners hear, and undo back to the saved state.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/errors.h"
#include "project/model/project_document.h"
#include "project/test_project_support.h"

using namespace orv::base;
using namespace orv::calc;
using namespace orv::project;

namespace {

using TWhat = TDocumentChange::TWhat;

std::string Dastrel() { return std::string(ORVANE_TEST_DATA) + "/dastrel/newer_form.dtr"; }

// A document named after a saved file, then edited: a non-trivial state that
// a failed command must leave exactly as it was.
class ProjectDocumentTest : public testing::Test {
 protected:
  void SetUp() override {
    document.AddSupport(SampleSupport());
    document.SaveAs(folder.File("saved.orv"));
    TKlimat klimat = document.Project().Klimat;
    klimat.TempMin = -42;
    document.SetKlimat(klimat);
    token = document.Subscribe([this](const TDocumentChange& change) { heard.push_back(change); });
  }
  std::vector<TWhat> Heard() const {
    std::vector<TWhat> what;
    for (const TDocumentChange& change : heard) what.push_back(change.What);
    return what;
  }

  ProjectTempFolder folder;
  TProjectDocument document;
  std::vector<TDocumentChange> heard;
  TProjectDocument::TToken token = 0;
};

}  // namespace

TEST_F(ProjectDocumentTest, FailedReadsAndWritesChangeNothingNotEvenTheName) {
  WriteBytes(folder.File("broken.orv"), CrLfLines({"-5", "x"}));
  const struct {
    const char* name;
    std::function<void()> command;
  } cases[] = {
      {"open missing", [&] { document.Open(folder.File("missing.orv")); }},
      {"open malformed", [&] { document.Open(folder.File("broken.orv")); }},
      {"save as into no folder", [&] { document.SaveAs(folder.File("none/x.orv")); }},
      {"import missing", [&] { document.ImportDastrel(folder.File("missing.dtr")); }},
      {"import malformed", [&] { document.ImportDastrel(folder.File("broken.orv")); }},
  };
  TProject before;
  before.Assign(document.Project());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THROW(c.command(), OrvError);
    EXPECT_TRUE(document.Project().Equals(before));
    EXPECT_EQ(document.FileName(), folder.File("saved.orv"));
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(document.CanUndo());
    EXPECT_TRUE(heard.empty());
  }
}

TEST_F(ProjectDocumentTest, SaveAsAndOpenTakeTheNameAndStartAfresh) {
  const std::string copy = folder.File("copy.orv");
  document.SaveAs(copy);
  EXPECT_EQ(document.FileName(), copy);
  EXPECT_FALSE(document.IsModified());
  EXPECT_TRUE(document.CanUndo()) << "a save keeps the history";

  TProject saved;
  saved.Assign(document.Project());
  document.New();
  EXPECT_TRUE(document.FileName().empty());
  EXPECT_EQ(document.Project().Pillars.Count(), 0);
  document.Open(copy);
  EXPECT_TRUE(document.Project().Equals(saved));
  EXPECT_EQ(document.FileName(), copy);
  EXPECT_FALSE(document.IsModified());
  EXPECT_FALSE(document.CanUndo());
  EXPECT_EQ(Heard(), (std::vector{TWhat::FileName, TWhat::Everything, TWhat::FileName, TWhat::Everything,
                                  TWhat::FileName}));
}

TEST_F(ProjectDocumentTest, EveryEditTellsWhatChangedAndEqualValuesAreNoChange) {
  TPillar edited = SampleSupport();
  edited.SpanLeft = 1;
  TKlimatKoef koef = document.Project().KlimatKoef;
  koef.TerrainType = 3;
  TKlimat klimat = document.Project().Klimat;
  klimat.TempMin += 1;
  TKlimatKoef koef2 = koef;
  koef2.TerrainType = 2;
  const struct {
    const char* name;
    std::function<void()> edit;
    std::vector<TWhat> what;
    int index;
  } cases[] = {
      {"same climate", [&] { document.SetKlimat(document.Project().Klimat); }, {}, 0},
      {"coefficients", [&] { document.SetKlimatKoef(koef); }, {TWhat::Coefficients}, 0},
      {"add", [&] { EXPECT_EQ(document.AddSupport(SampleSupport()), 1); }, {TWhat::SupportList}, 0},
      {"insert", [&] { document.InsertSupport(0, SampleSupport()); }, {TWhat::SupportList}, 0},
      {"edit", [&] { document.EditSupport(2, edited); }, {TWhat::Support}, 2},
      {"same support", [&] { document.EditSupport(2, edited); }, {}, 0},
      {"delete", [&] { document.DeleteSupport(0); }, {TWhat::SupportList}, 0},
      {"paste", [&] { document.InsertSupports(1, {SampleSupport(), SampleSupport(), SampleSupport()}); },
       {TWhat::SupportList}, 0},
      {"import", [&] { document.ImportDastrel(Dastrel()); }, {TWhat::ClimateAndCoefficients}, 0},
      // The import changed no support: nothing to point at.
      {"undo", [&] { document.Undo(); }, {TWhat::Everything}, -1},
      {"undo of the paste, one step", [&] { document.Undo(); }, {TWhat::Everything}, 1},
      {"both frames", [&] { document.SetClimate(klimat, koef2); }, {TWhat::ClimateAndCoefficients}, 0},
      // Both supports, one named twice and out of order: one notice, one step.
      {"delete several", [&] { document.DeleteSupports({1, 0, 1}); }, {TWhat::SupportList}, 0},
      {"undo of the delete, one step", [&] { document.Undo(); }, {TWhat::Everything}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    heard.clear();
    c.edit();
    EXPECT_EQ(Heard(), c.what);
    if (!heard.empty()) {
      EXPECT_EQ(heard[0].Index, c.index);
    }
  }
  EXPECT_EQ(document.Project().Pillars.Items(1).SpanLeft, 1);

  document.Unsubscribe(token);
  heard.clear();
  document.DeleteSupport(0);
  EXPECT_TRUE(heard.empty());
}

TEST_F(ProjectDocumentTest, UndoBackToTheSavedStateIsUnmodifiedAndRedoReturns) {
  TProject edited;
  edited.Assign(document.Project());
  document.AddSupport(SampleSupport());
  heard.clear();
  document.Undo();
  EXPECT_TRUE(document.Project().Equals(edited));
  document.Undo();  // the climate typed after the save
  EXPECT_FALSE(document.IsModified());
  document.Undo();  // the support added before it
  EXPECT_EQ(document.Project().Pillars.Count(), 0);
  EXPECT_FALSE(document.CanUndo());
  document.Undo();  // nothing left: no change, nobody told
  EXPECT_EQ(heard.size(), 3u);

  document.Redo();
  document.Redo();
  EXPECT_TRUE(document.Project().Equals(edited));
  EXPECT_TRUE(document.CanRedo());
  document.DeleteSupport(0);
  EXPECT_FALSE(document.CanRedo()) << "a new edit forgets what was undone";

  document.New();
  EXPECT_FALSE(document.CanUndo());
  EXPECT_FALSE(document.IsModified());
}

#pragma once

#include <vector>

#include "base/listeners.h"
#include "project/model/project_document.h"
#include "project/results/project_results.h"
#include "project/catalogue/wire_catalog.h"

namespace orv::project {

// What a recalculation touched: the support at `Index`, or every support
// when `Index` is -1.
struct TResultsChange {
  int Index = -1;
  bool All() const { return Index < 0; }
};

// The outcome of every support of the open project, kept in step with the
// project and the wire catalogue: it listens to both and recalculates what a
// change touched, once per change, before the windows hear of it. Whoever
// shows results listens here and shows them; nobody else calculates.
class TResultsModel {
 public:
  TResultsModel(TProjectDocument& document, TWireCatalog& catalogue);
  ~TResultsModel();
  TResultsModel(const TResultsModel&) = delete;
  TResultsModel& operator=(const TResultsModel&) = delete;

  // One per support, in list order.
  const std::vector<TSupportOutcome>& Outcomes() const { return outcomes_; }
  // The outcome of the support at `index`; null outside the list.
  const TSupportOutcome* Outcome(int index) const;
  // How many times the outcomes were worked out anew (all or one support).
  int Recalculations() const { return recalculations_; }

  using TToken = base::TListeners<TResultsChange>::TToken;
  TToken Subscribe(base::TListeners<TResultsChange>::TListener listener) {
    return listeners_.Subscribe(std::move(listener));
  }
  void Unsubscribe(TToken token) { listeners_.Unsubscribe(token); }

 private:
  void DocumentChanged(const TDocumentChange& change);
  void RecalculateAll();
  void RecalculateSupport(int index);

  TProjectDocument& document_;
  TWireCatalog& catalogue_;
  TProjectDocument::TToken documentToken_;
  TWireCatalog::TToken catalogueToken_;
  std::vector<TSupportOutcome> outcomes_;
  int recalculations_ = 0;
  base::TListeners<TResultsChange> listeners_;
};

}  // namespace orv::project

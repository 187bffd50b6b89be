#include "project/results/results_model.h"

namespace orv::project {

TResultsModel::TResultsModel(TProjectDocument& document, TWireCatalog& catalogue)
    : document_(document), catalogue_(catalogue) {
  documentToken_ = document_.Subscribe([this](const TDocumentChange& change) { DocumentChanged(change); });
  catalogueToken_ = catalogue_.Subscribe([this] { RecalculateAll(); });
  outcomes_ = CalculateProjectSupports(document_.Project(), catalogue_.List());
}

TResultsModel::~TResultsModel() {
  document_.Unsubscribe(documentToken_);
  catalogue_.Unsubscribe(catalogueToken_);
}

const TSupportOutcome* TResultsModel::Outcome(int index) const {
  if (index < 0 || index >= static_cast<int>(outcomes_.size())) return nullptr;
  return &outcomes_[static_cast<std::size_t>(index)];
}

void TResultsModel::DocumentChanged(const TDocumentChange& change) {
  using TWhat = TDocumentChange::TWhat;
  switch (change.What) {
    case TWhat::FileName:
      return;  // the name is no input of the calculation
    case TWhat::Support:
      return RecalculateSupport(change.Index);
    default:
      return RecalculateAll();
  }
}

void TResultsModel::RecalculateAll() {
  outcomes_ = CalculateProjectSupports(document_.Project(), catalogue_.List());
  ++recalculations_;
  listeners_.Notify(TResultsChange{});
}

void TResultsModel::RecalculateSupport(int index) {
  if (index < 0 || index >= static_cast<int>(outcomes_.size()) ||
      outcomes_.size() != static_cast<std::size_t>(document_.Project().Pillars.Count()))
    return RecalculateAll();
  outcomes_[static_cast<std::size_t>(index)] = CalculateProjectSupport(document_.Project(), index, catalogue_.List());
  ++recalculations_;
  listeners_.Notify(TResultsChange{index});
}

}  // namespace orv::project

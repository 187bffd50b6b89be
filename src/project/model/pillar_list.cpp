#include "project/model/pillar_list.h"

#include <utility>

using namespace orv::calc;

namespace orv::project {

int TPillarList::Add(TPillar support) {
  items_.push_back(std::move(support));
  return Count() - 1;
}

void TPillarList::Insert(int index, const TPillar& support) {
  items_.insert(items_.begin() + index, support);
}

void TPillarList::Insert(int index, const std::vector<TPillar>& supports) {
  items_.insert(items_.begin() + index, supports.begin(), supports.end());
}

int TPillarList::Count() const { return static_cast<int>(items_.size()); }

void TPillarList::Reserve(int count) {
  if (count > 0) items_.reserve(static_cast<std::size_t>(count));
}

TPillar& TPillarList::Items(int index) { return items_[static_cast<size_t>(index)]; }

const TPillar& TPillarList::Items(int index) const { return items_[static_cast<size_t>(index)]; }

void TPillarList::Delete(int index) { items_.erase(items_.begin() + index); }

void TPillarList::Clear() { items_.clear(); }

void TPillarList::Assign(const TPillarList& source) {
  if (&source == this) return;
  items_.clear();
  items_.reserve(source.items_.size());
  for (const TPillar& support : source.items_) {
    TPillar copy;
    copy.Assign(support);
    items_.push_back(std::move(copy));
  }
}

bool TPillarList::Equals(const TPillarList& other) const {
  if (items_.size() != other.items_.size()) return false;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (!items_[i].Equals(other.items_[i])) return false;
  }
  return true;
}

}  // namespace orv::project

#pragma once

#include <vector>

#include "calc/pillar.h"

namespace orv::project {

// The supports of a project in their order along the line, indexed from 0.
class TPillarList {
 public:
  // Returns the index of the new last support. Taken by value, so that a
  // support read from a file moves in.
  int Add(calc::TPillar support);
  // The new support takes position `index` (0..Count); those from there on
  // move one place on.
  void Insert(int index, const calc::TPillar& support);
  // The same for several supports, in their order.
  void Insert(int index, const std::vector<calc::TPillar>& supports);
  int Count() const;
  // Room for `count` supports, so that adding them one by one moves none.
  void Reserve(int count);
  // 0 <= index < Count.
  calc::TPillar& Items(int index);
  const calc::TPillar& Items(int index) const;
  void Delete(int index);
  void Clear();
  void Assign(const TPillarList& source);
  // Same count and pairwise equal supports, position by position.
  bool Equals(const TPillarList& other) const;

 private:
  std::vector<calc::TPillar> items_;
};

}  // namespace orv::project

#pragma once

#include <vector>

#include "calc/pillar.h"

namespace orv::project {

// The supports of a project in their order along the line, indexed from 0.
class TPillarList {
 public:
  // Returns the index of the new last support.
  int Add(const calc::TPillar& support);
  // The new support takes position `index` (0..Count); those from there on
  // move one place on.
  void Insert(int index, const calc::TPillar& support);
  int Count() const;
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

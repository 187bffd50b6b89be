#pragma once

// A project of `supports` random supports (see random_supports.h), their
// wires put into `catalogue`.

#include <string>

#include "project/model/project.h"
#include "project/catalogue/wires_list.h"
#include "random_supports.h"

namespace bench {

inline orv::project::TProject Project(int supports, orv::project::TWiresList& catalogue) {
  orv::project::TProject project;
  project.Klimat = Climate();
  for (const orv::calc::TWireRecord& wire : Wires()) catalogue.Add(wire);
  int number = 0;
  for (const Support& s : MakeSupports(supports)) {
    orv::calc::TPillar pillar = s.pillar;
    pillar.SupportNumber = std::to_string(++number);
    pillar.WireName = s.wire.WireName;
    project.Pillars.Add(pillar);
  }
  return project;
}

}  // namespace bench

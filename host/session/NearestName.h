// The name a misspelt one most likely meant, for messages such as
// `unknown attribute "Perserve"; did you mean "Preserve"?`.
//
//   const char* known[] = {"Name", "State", "Preserve"};
//   NearestName("Perserve", known);   // "Preserve"
//   NearestName("Colour", known);     // "": nothing close
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "Port/HostApi.h"

namespace HostSession {

/// The edit distance between `a` and `b`, letters compared without regard to
/// case: insertions, deletions, substitutions and swaps of two neighbours
/// count one each (so "Perserve" is one from "Preserve").
HOST_API std::size_t EditDistance(const std::string& a, const std::string& b);

/// The candidate nearest to `name`, the first of equally near ones; empty
/// when none is close: a candidate is offered when at most a quarter of its
/// letters, or one, would have to change ("ImportLoc" is offered nothing,
/// though "ImportTag" is three steps away).
HOST_API std::string NearestName(const std::string& name,
                                 const std::vector<const char*>& candidates);

}  // namespace HostSession

// Comparing two designs partition by partition, as hdpart diff does.
//
//   DesignImage a = ImageOf(session);     // the design open now, read whole
//   session.Open(other);
//   DesignDiff diff = Compare(a, ImageOf(session));
//
// An image is what the partitions' interfaces tell of each partition, as
// text: its description attributes, flags, traits, timestamps, forced tasks,
// previous design files, IP files and pin names, in the design's hierarchy
// order. An image owns its texts, so the session may open another design
// (one session holds one design) while it is kept. Partitions are matched
// by hierarchical name and pins by name, through hash tables, so comparing
// costs time in proportion to the designs' size.
//
// Where the design's files lie is not compared: a project saved from a
// description lies elsewhere but holds the same design. A module's project
// location counts only when the configuration names one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Port/HostApi.h"
#include "session/Session.h"

namespace HostSession {

struct HOST_API PartitionImage {
  std::string name;  // hierarchical
  /// Every compared field but the pins, in a fixed order: {field, value}.
  std::vector<std::pair<std::string, std::string>> fields;
  /// The pins' names, in the partition's order.
  std::vector<std::string> pins;
};

struct HOST_API DesignImage {
  /// Root first, then depth first, as Session::Walk gives them.
  std::vector<PartitionImage> partitions;
};

/// One difference of a partition both designs hold. A pin one side lacks has
/// no value on that side.
struct HOST_API FieldDifference {
  std::string partition;
  std::string field;
  std::optional<std::string> a;
  std::optional<std::string> b;
};

struct HOST_API DesignDiff {
  /// Hierarchical names, each in its own design's hierarchy order.
  std::vector<std::string> onlyInA;
  std::vector<std::string> onlyInB;
  /// In A's hierarchy order; within a partition, in the fields' order, then
  /// the pins only in A, the pins only in B, and the first pin out of order.
  std::vector<FieldDifference> changed;

  bool Same() const { return onlyInA.empty() && onlyInB.empty() && changed.empty(); }
};

/// The field of a partition's pins, and of the order of the pins both sides
/// have: its values the first pin standing in a different place, with that
/// place ("#2 clk").
inline constexpr const char* kDiffPinsField = "pins";
inline constexpr const char* kDiffPinOrderField = "pin_order";

/// What the open design's partitions tell, read through their interfaces.
HOST_API DesignImage ImageOf(const Session& session);
HOST_API DesignDiff Compare(const DesignImage& a, const DesignImage& b);

}  // namespace HostSession

// Puts a partition into a given stored state the way a host does when it
// opens a project: by loading a record of the current format. Values go in
// unchecked, as a project file may hold them.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "Prjrep/IPersist.h"
#include "ZavU/IPartition.h"
#include "support/ScriptedStream.h"

namespace ZoreTest {

struct StoredState {
  std::string name;
  std::string hierarchicalName;
  bool root = false;
  bool reconfigurable = false;
  std::vector<std::string> pins;
  std::vector<std::pair<std::string, std::string>> traits;
  std::vector<std::pair<std::string, Port::Time>> timestamps;
  std::vector<std::string> forced;  // force-flag keys
  std::array<std::string, 6> files{};
  std::vector<std::string> ipFiles;
  std::array<Port::Time, 5> processed{-1, -1, -1, -1, -1};
  std::array<Port::Time, 5> interfaceChange{-1, -1, -1, -1, -1};
  Port::XUID xuid;

  ScriptedStream Record() const {
    ScriptedStream s;
    s.Str("2").Str("0").Xuid(xuid).Str(name.c_str()).Str(hierarchicalName.c_str());
    s.Bool(root).Bool(reconfigurable).Int(static_cast<int>(pins.size()));
    for (const std::string& pin : pins) {
      s.UInt(2).UInt(0).Xuid(Port::XUID()).Str(pin.c_str()).Str("").Str("");
    }
    s.Int(static_cast<int>(traits.size()));
    for (const auto& [k, v] : traits) s.Str(k.c_str()).Str(v.c_str());
    s.Int(static_cast<int>(timestamps.size()));
    for (const auto& [k, t] : timestamps) s.Str(k.c_str()).Time(t);
    s.Int(static_cast<int>(forced.size()));
    for (const std::string& k : forced) s.Str(k.c_str()).Byte(1);
    s.Int(5);
    for (const std::string& f : files) s.File(f.c_str());
    s.Int(static_cast<int>(ipFiles.size()));
    for (const std::string& f : ipFiles) s.File(f.c_str());
    s.Int(4);
    for (Port::Time t : processed) s.Time(t);
    s.Int(4);
    for (Port::Time t : interfaceChange) s.Time(t);
    return s;
  }
  /// Loads the record into `p`; fails the test when the load fails.
  void LoadInto(ZavU::IPartition* p) const {
    ScriptedStream s = Record();
    EXPECT_EQ(CitI::QueryAs<Prjrep::IPersist>(p)->PersistLoad(&s), 1);
  }
};

}  // namespace ZoreTest

// What a partition's handed-out lists hold, read once: the texts of a
// string list and the names and count of its pins. The lists belong to the
// caller, which these functions destroy when done.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Dpm/IString.h"
#include "ZavU/IPartition.h"
#include "ZavU/IPartitionPinIterator.h"

namespace HostModel {

/// The texts of `handedOut` (which may be null), a list the caller owns.
inline std::vector<std::string> TextsOf(Dpm::IStringIterator* handedOut) {
  std::unique_ptr<Dpm::IStringIterator> list(handedOut);
  std::vector<std::string> texts;
  if (!list) return texts;
  for (list->First(); !list->IsDone(); list->Next()) {
    Port::StringBase text;
    if (Dpm::IString* item = list->CurrentItem()) item->GetText(text);
    texts.push_back(text.str());
  }
  return texts;
}

/// The names of the partition's pins, in the order it keeps them.
inline std::vector<std::string> PinNames(ZavU::IPartition& partition) {
  std::vector<std::string> names;
  ZavU::OwnedPinList pins(partition.GetPartitionPins());
  if (!pins) return names;
  for (pins->First(); !pins->IsDone(); pins->Next()) {
    ZavU::PinRef pin;
    pins->CurrentItem(pin);
    if (pin) names.push_back(pin->GetName().str());
  }
  return names;
}

/// How many pins the partition has.
inline int PinCount(ZavU::IPartition& partition) {
  int count = 0;
  ZavU::OwnedPinList pins(partition.GetPartitionPins());
  if (!pins) return 0;
  for (pins->First(); !pins->IsDone(); pins->Next()) ++count;
  return count;
}

}  // namespace HostModel

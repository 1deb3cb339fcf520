// String lists a partition hands out (IP file names, trait names, trait
// values). The list copies the texts, so later changes to the partition do
// not show in it. The caller owns the list: destroying it (slot 1) frees its
// items; a list still alive when its partition is destroyed is reclaimed
// then, so nothing leaks however the caller behaves. A list holds no
// reference on its partition: a caller keeps the partition alive while it
// uses a list, and must not destroy the list after the partition is gone.
// A list and its items are handed out as their interfaces, never found by
// lookup: every lookup on them, their own identities included, and every
// reference taken on them, goes to the owner partition.
#pragma once

#include <vector>

#include "CitI/TCursor.h"
#include "Dpm/IString.h"
#include "Partition/Partition.h"
#include "framework/TNested.h"

namespace ZorE {

class PartitionString final : public TForwarded<Partition, Dpm::IString> {
 public:
  using TForwarded::TForwarded;
  CitI::Status SetText(const Port::StringBase& newText) override {
    text = newText;
    return 1;
  }
  CitI::Status GetText(Port::StringBase& out) override {
    out = text;
    return 1;
  }

  Port::StringBase text;
};

class PartitionStringList final
    : public CitI::TCursor<TForwarded<Partition, Dpm::IStringIterator>, PartitionString*> {
 public:
  using TCursor::TCursor;
  /// Frees the items; tells the owner, unless the owner is reclaiming it.
  ~PartitionStringList() override;

  /// The item at the cursor; null past the end instead of reading beyond it.
  Dpm::IString* CurrentItem() override {
    PartitionString* const* item = Current();
    return item ? *item : nullptr;
  }

  void Append(const Port::StringBase& text);
  /// Called by the owner when it reclaims the list at its own destruction.
  void DetachFromOwner() { m_ownerAlive = false; }

 private:
  bool m_ownerAlive = true;
};

template <class Range>
Dpm::IStringIterator* Partition::HandOutStringList(const Range& texts) {
  auto* list = new PartitionStringList(this);
  for (const auto& text : texts) list->Append(Port::StringBase(text));
  return AdoptStringList(list);
}

}  // namespace ZorE

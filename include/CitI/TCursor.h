// The walk every list handed out offers over a snapshot of its items: First
// goes to the first item, Next to the one after (never past the end, so a
// list stays done however often Next is called), IsDone at the end. A list
// derives from TCursor<Base, Item>, Base being what it would derive from
// otherwise (its interface as a service object, or the nested-object
// template around it), and answers its current item from Current().
//
//   class PartitionIterator final
//       : public CitI::TCursor<TServiceObject<Dpm::IPartitionIterator>, PartitionRef> {
//     CitI::Status GetCurrent(ZavU::IPartition*& out) override;  // from Current()
//   };
#pragma once

#include <cstddef>
#include <vector>

#include "CitI/IInterface.h"

namespace CitI {

template <class Base, class Item>
class TCursor : public Base {
 public:
  using Base::Base;

  Status First() override {
    m_at = 0;
    return 1;
  }
  Status Next() override {
    if (m_at < items.size()) ++m_at;
    return 1;
  }
  bool IsDone() override { return m_at >= items.size(); }

  /// The snapshot, in order.
  std::vector<Item> items;

 protected:
  /// The item at the cursor; null past the end.
  const Item* Current() const { return m_at < items.size() ? &items[m_at] : nullptr; }

 private:
  std::size_t m_at = 0;
};

}  // namespace CitI

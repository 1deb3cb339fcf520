#include "Partition/PartitionStringList.h"

namespace ZorE {

PartitionStringList::~PartitionStringList() {
  for (PartitionString* item : items) delete item;
  if (m_ownerAlive) owner().ForgetStringList(this);
}

void PartitionStringList::Append(const Port::StringBase& text) {
  auto* item = new PartitionString(&owner());
  item->SetText(text);
  items.push_back(item);
}

}  // namespace ZorE

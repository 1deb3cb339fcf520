// The count of live service objects.
#include "model/ServiceObject.h"

#include "Port/SafeCount.h"

namespace HostModel {

namespace {
int g_live = 0;
}

int LiveObjects() { return __atomic_load_n(&g_live, __ATOMIC_ACQUIRE); }

LiveObject::LiveObject() { Port::SafeIncr(g_live); }
LiveObject::~LiveObject() { Port::SafeDecr(g_live); }

}  // namespace HostModel

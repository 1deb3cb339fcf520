#include "framework/LiveObjects.h"

#include "Port/SafeCount.h"

namespace ZorE {
namespace {
int g_live = 0;
}
int LiveComponents() { return __atomic_load_n(&g_live, __ATOMIC_ACQUIRE); }
void NoteComponentConstructed() { Port::SafeIncr(g_live); }
void NoteComponentDestroyed() { Port::SafeDecr(g_live); }
}  // namespace ZorE

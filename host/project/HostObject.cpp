// The count of live project-service objects.
#include "project/HostObject.h"

namespace HostProject {

namespace {
int g_live = 0;
}

int LiveObjects() { return __atomic_load_n(&g_live, __ATOMIC_ACQUIRE); }

namespace detail {
void NoteConstructed() { Port::SafeIncr(g_live); }
void NoteDestroyed() { Port::SafeDecr(g_live); }
}  // namespace detail

}  // namespace HostProject

// Thread-safe counters: the only synchronised operations of the components.
#pragma once

namespace Port {
/// Atomically adds one to `count`; returns the new value.
inline int SafeIncr(int& count) { return __atomic_add_fetch(&count, 1, __ATOMIC_ACQ_REL); }
/// Atomically takes one from `count`; returns the new value.
inline int SafeDecr(int& count) { return __atomic_sub_fetch(&count, 1, __ATOMIC_ACQ_REL); }
}  // namespace Port

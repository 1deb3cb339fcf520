// One lock for every command of the package in the process. The partition
// library and the host's services are not made for two threads at once, so
// interpreters in several threads, each with a design of its own, take
// turns: one command at a time, with its interpreter's design made the
// host's current project while it runs. Loading the package into an
// interpreter and deleting one take the lock too.
#pragma once

#include <mutex>

namespace HostTcl {

/// Recursive: a command that deletes an interpreter holding the package
/// takes it again.
std::recursive_mutex& PackageLock();

}  // namespace HostTcl

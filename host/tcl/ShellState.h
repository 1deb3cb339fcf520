// What the Tcl layer keeps per interpreter: the host session with the open
// design, and the object handles of that design.
//
// A handle is the partition's collectable identifier ("partition:/top/u1").
// Handles the layer hands out remember the design they came from; once the
// design is closed or read again they are stale, and using one is an error
// that names it. A handle the layer handed out also holds its partition, so
// using it costs no lookup; one typed as text is looked up by name in the
// open design, through the design project's hashed index, never by a walk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TclCommands.h"
#include "session/Session.h"

namespace HostTcl {

using HostSession::PartitionRef;

class ShellState {
 public:
  ShellState();
  /// Loads the partition library and registers the host's classes.
  bool Start() { return m_session.Start(); }

  HostSession::Session& Session() { return m_session; }
  /// Opens a description or project file; every handle out so far turns
  /// stale, whatever the outcome.
  bool Open(const std::string& path);
  /// The project file the design was last saved to, or empty.
  std::string& SavePath() { return m_savePath; }

  /// A new handle of `partition` in the open design.
  Tcl_Obj* NewHandle(ZavU::IPartition& partition) const;
  /// The partition a handle names; empty with the error set when the handle
  /// is stale, unknown, or no design is open.
  PartitionRef Resolve(Context& context, Tcl_Obj* handle) const;
  /// Every handle of a list; false (error set) at the first that fails.
  bool ResolveList(Context& context, Tcl_Obj* handles, std::vector<PartitionRef>& out) const;
  /// Sets the "no design" error unless a design is open.
  bool RequireDesign(Context& context) const;

 private:
  HostSession::Session m_session;
  std::uintptr_t m_generation;
  std::string m_savePath;
};

}  // namespace HostTcl

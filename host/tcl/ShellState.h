// What the Tcl layer keeps per interpreter: the host session with the open
// design, and how object handles name its partitions.
//
// A handle is plain text, the partition's collectable identifier
// ("partition:/top/u1"), and means the same whatever Tcl did to it: the
// partition of that hierarchical name in the design open when it is used,
// or an error naming the handle when the open design has none. A handle
// kept from a design read before therefore names the partition of the same
// name in the design read since. The handle's internal form only caches the
// lookup, for the design that was open when it was made; any other handle
// is looked up by name through the design project's hashed index, never by
// a walk.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "TclCommands.h"
#include "session/Session.h"

namespace HostTcl {

using HostSession::PartitionRef;

/// What a handle names: a partition, or one of its pins.
struct Object {
  PartitionRef partition;
  ZavU::PinRef pin;  // empty for a partition
  bool IsPin() const { return static_cast<bool>(pin); }
};

/// The state is its session's reporter: what the library and the session
/// report goes through the interpreter's own stdout and stderr channels, in
/// order with what the script puts there; errors are not printed, they
/// become the command's error.
class ShellState final : public HostSession::Reporter {
 public:
  ShellState();
  /// Loads the partition library and registers the host's classes.
  HostSession::Outcome Start() { return m_session.Start(); }

  HostSession::Session& Session() { return m_session; }
  /// Opens a description or project file in place of the open design; Pin
  /// elements with the old location attributes are refused unless
  /// `pinCheck` is false.
  bool Open(const std::string& path, bool pinCheck);
  /// Closes the open design: handles then name nothing.
  void Close();
  /// Whether the open design holds changes no save or write has kept:
  /// set_property and import_partitions make them.
  bool Unsaved() const { return m_unsaved && m_session.IsOpen(); }
  void MarkChanged() { m_unsaved = true; }
  void MarkSaved() { m_unsaved = false; }
  /// Whether read_xpartition refuses such Pin elements by default.
  bool& PinCheck() { return m_pinCheck; }
  /// Whether a message could not be written since the last call.
  bool TakeOutputFault() { return std::exchange(m_outputFault, false); }
  /// While one lives, what a command prints, messages for standard output
  /// included, is collected in `into` (when not null) instead of printed.
  class Collecting {
   public:
    Collecting(ShellState& state, std::string* into)
        : m_state(state), m_before(std::exchange(state.m_collected, into)) {}
    ~Collecting() { m_state.m_collected = m_before; }
    Collecting(const Collecting&) = delete;
    Collecting& operator=(const Collecting&) = delete;

   private:
    ShellState& m_state;
    std::string* m_before;
  };
  /// Adds `text` to what is being collected; false when nothing is.
  bool Collect(const std::string& text) {
    if (!m_collected) return false;
    *m_collected += text;
    return true;
  }

  void Show(const Port_Message& message) override;
  bool KeepsDebugTraces() const override;
  /// Where save_project saves without FILE: the project file the design was
  /// opened from or last saved to, or empty.
  std::string& SavePath() { return m_savePath; }
  /// Makes this interpreter's design the host's current project: several
  /// interpreters in one process each have a design of their own.
  void MakeCurrent() { m_session.MakeCurrent(); }

  /// A new handle of `partition` in the open design.
  Tcl_Obj* NewHandle(ZavU::IPartition& partition) const;
  /// The same for the partition the design project lists under `name`,
  /// which is not read.
  Tcl_Obj* NewHandle(const Port::StringBase& name, ZavU::IPartition& partition) const;
  /// A new handle of pin `pin` of `partition`: "pin:", the partition's
  /// hierarchical name, ":" and the pin's name.
  static Tcl_Obj* NewPinHandle(ZavU::IPartition& partition, ZavU::IPartitionPin& pin);
  /// The text of an object's handle.
  static std::string HandleText(const Object& object);
  /// Every object of `handles`, a list of handles or one handle alone, in
  /// order; false (error set) at the first that names nothing or, when
  /// `only` is not Any, is of the other kind (`taker`, the command or its
  /// option, names what refuses it).
  enum class Kind { Any, Partition, Pin };
  bool ResolveObjects(Context& context, Tcl_Obj* handles, std::vector<Object>& out,
                      Kind only = Kind::Any, const char* taker = nullptr) const;
  /// Sets the "no design" error unless a design is open.
  bool RequireDesign(Context& context) const;

 private:
  /// The partition `handle`'s whole text names; empty when none.
  PartitionRef Lookup(Tcl_Obj* handle) const;
  /// The partition or pin `handle`'s whole text names; empty when none.
  Object LookupObject(Tcl_Obj* handle) const;

  HostSession::Session m_session;
  /// The open design, distinct from every design any interpreter of the
  /// process opened: what a cached lookup is valid for.
  std::uintptr_t m_generation;
  std::string m_savePath;
  bool m_pinCheck = true;
  bool m_outputFault = false;
  bool m_unsaved = false;
  std::string* m_collected = nullptr;
};

}  // namespace HostTcl

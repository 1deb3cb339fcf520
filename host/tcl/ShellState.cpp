// The interpreter's session and its object handles.
#include "ShellState.h"

#include <atomic>
#include <cstring>

#include "TclTexts.h"
#include "UtilI/ITclCollectable.h"

namespace HostTcl {

namespace {

/// Designs ever opened in this process, so a handle of one interpreter's
/// old design is never taken for another's.
std::atomic<std::uintptr_t> g_designs{1};

void CopyHandle(Tcl_Obj* from, Tcl_Obj* to) {
  to->internalRep = from->internalRep;
  to->typePtr = from->typePtr;
}

// A handle keeps its text; its internal form is the design it came from and
// the partition itself, which that design keeps alive while it is open.
const Tcl_ObjType kHandleType = {"hdpartition-handle", nullptr, CopyHandle, nullptr, nullptr};

std::uintptr_t DesignOf(Tcl_Obj* handle) {
  return reinterpret_cast<std::uintptr_t>(handle->internalRep.twoPtrValue.ptr1);
}

}  // namespace

ShellState::ShellState() : m_session(kFrontEnd), m_generation(g_designs++) {}

bool ShellState::Open(const std::string& path) {
  m_generation = g_designs++;
  return m_session.Open(path);
}

Tcl_Obj* ShellState::NewHandle(ZavU::IPartition& partition) const {
  auto* collectable = CitI::QueryAs<UtilI::ITclCollectable>(&partition);
  const std::string text = collectable ? collectable->GetIdentifier().str()
                                       : kHandlePrefix + partition.GetHierarchicalName().str();
  Tcl_Obj* handle = Tcl_NewStringObj(text.data(), static_cast<int>(text.size()));
  handle->internalRep.twoPtrValue.ptr1 = reinterpret_cast<void*>(m_generation);
  handle->internalRep.twoPtrValue.ptr2 = &partition;
  handle->typePtr = &kHandleType;
  return handle;
}

bool ShellState::RequireDesign(Context& context) const {
  if (m_session.IsOpen()) return true;
  context.Error("%s", kErrNoDesign);
  return false;
}

PartitionRef ShellState::Resolve(Context& context, Tcl_Obj* handle) const {
  // get_partitions answers a list: a list of one handle stands for it.
  static const Tcl_ObjType* const listType = Tcl_GetObjType("list");
  int count = 0;
  Tcl_Obj** items = nullptr;
  if (handle->typePtr == listType &&
      Tcl_ListObjGetElements(nullptr, handle, &count, &items) == TCL_OK && count == 1) {
    handle = items[0];
  }
  const char* text = Tcl_GetString(handle);
  if (handle->typePtr == &kHandleType) {
    if (DesignOf(handle) == m_generation) {
      return PartitionRef(static_cast<ZavU::IPartition*>(handle->internalRep.twoPtrValue.ptr2));
    }
    context.Error(kErrStaleObject, text);
    return PartitionRef();
  }
  if (!RequireDesign(context)) return PartitionRef();
  const std::size_t prefix = std::strlen(kHandlePrefix);
  PartitionRef found;
  if (std::strncmp(text, kHandlePrefix, prefix) == 0) found = m_session.Find(text + prefix);
  if (!found) context.Error(kErrUnknownObject, text);
  return found;
}

bool ShellState::ResolveList(Context& context, Tcl_Obj* handles,
                             std::vector<PartitionRef>& out) const {
  if (handles->typePtr == &kHandleType) {  // one handle: read as a list it would lose its design
    PartitionRef partition = Resolve(context, handles);
    if (partition) out.push_back(std::move(partition));
    return static_cast<bool>(partition);
  }
  int count = 0;
  Tcl_Obj** items = nullptr;
  if (Tcl_ListObjGetElements(context.interp, handles, &count, &items) != TCL_OK) return false;
  for (int i = 0; i < count; ++i) {
    PartitionRef partition = Resolve(context, items[i]);
    if (!partition) return false;
    out.push_back(std::move(partition));
  }
  return true;
}

}  // namespace HostTcl

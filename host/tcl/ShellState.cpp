// The interpreter's session and its object handles.
#include "ShellState.h"

#include <atomic>
#include <cstring>

#include "TclTexts.h"
#include "UtilI/ITclCollectable.h"

namespace HostTcl {

namespace {

/// Designs ever opened in this process, so a lookup cached for one
/// interpreter's design is never taken for another's.
std::atomic<std::uintptr_t> g_designs{1};

void CopyHandle(Tcl_Obj* from, Tcl_Obj* to) {
  to->internalRep = from->internalRep;
  to->typePtr = from->typePtr;
}

// A handle keeps its text; its internal form caches the lookup: the design
// it was made for and the partition, which that design keeps alive while it
// is open.
const Tcl_ObjType kHandleType = {"hdpartition-handle", nullptr, CopyHandle, nullptr, nullptr};

std::uintptr_t DesignOf(Tcl_Obj* handle) {
  return reinterpret_cast<std::uintptr_t>(handle->internalRep.twoPtrValue.ptr1);
}

/// Caches `partition` of design `generation` in `handle`, whose text names it.
void Cache(Tcl_Obj* handle, ZavU::IPartition* partition, std::uintptr_t generation) {
  if (handle->typePtr != &kHandleType && handle->typePtr && handle->typePtr->freeIntRepProc) {
    handle->typePtr->freeIntRepProc(handle);
  }
  handle->internalRep.twoPtrValue.ptr1 = reinterpret_cast<void*>(generation);
  handle->internalRep.twoPtrValue.ptr2 = partition;
  handle->typePtr = &kHandleType;
}

bool StartsWith(const char* text, const char* prefix) {
  return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

/// Sets the error of a handle that names nothing in `session`'s design; a
/// partition's bare name is told the handle that names it.
void Unknown(Context& context, Tcl_Obj* handle, const HostSession::Session& session) {
  const char* text = Tcl_GetString(handle);
  if (StartsWith(text, kHandlePrefix)) {
    context.Error({Fault::Handle, text}, kErrNoSuchPartition, text);
  } else if (StartsWith(text, kPinPrefix)) {
    context.Error({Fault::Handle, text}, kErrNoSuchPin, text);
  } else if (session.Find(text)) {
    context.Error({Fault::Handle, text}, kErrNameNotHandle, text, kHandlePrefix, text, text);
  } else {
    context.Error({Fault::Handle, text}, kErrUnknownObject, text);
  }
}

}  // namespace

ShellState::ShellState() : m_session(kFrontEnd), m_generation(g_designs++) {
  m_session.SetReporter(this);
}

bool ShellState::Open(const std::string& path, bool pinCheck) {
  m_generation = g_designs++;
  const bool opened = static_cast<bool>(m_session.Open(path, {pinCheck}));
  // save_project without FILE saves where a project file was opened; a
  // description asks for one. Never to the file of a design closed since.
  m_savePath = m_session.OpenedProjectFile();
  m_unsaved = false;
  return opened;
}

void ShellState::Close() {
  m_generation = g_designs++;
  m_session.Close();
  m_savePath.clear();
  m_unsaved = false;
}

void ShellState::Show(const Port_Message& message) {
  const Port_Severity severity = message.severity;
  if (Port_IsFault(severity)) return;  // the command's error, not printed
  const bool toOutput = severity == Port_Severity::Status || severity == Port_Severity::Info;
  const std::string text = Port_MsgManData::Prefix(severity) + message.text;
  if (toOutput && Collect(text)) return;
  Tcl_Channel channel = Tcl_GetStdChannel(toOutput ? TCL_STDOUT : TCL_STDERR);
  if (!channel) return;
  if (Tcl_WriteChars(channel, text.data(), static_cast<int>(text.size())) < 0) {
    m_outputFault = true;
  }
}

bool ShellState::KeepsDebugTraces() const {
  return Port_MsgManData::DefaultSink().KeepsDebugTraces();
}

Tcl_Obj* ShellState::NewHandle(ZavU::IPartition& partition) const {
  auto* collectable = CitI::QueryAs<UtilI::ITclCollectable>(&partition);
  const std::string text = collectable ? collectable->GetIdentifier().str()
                                       : kHandlePrefix + partition.GetHierarchicalName().str();
  Tcl_Obj* handle = Tcl_NewStringObj(text.data(), static_cast<int>(text.size()));
  Cache(handle, &partition, m_generation);
  return handle;
}

Tcl_Obj* ShellState::NewHandle(const Port::StringBase& name, ZavU::IPartition& partition) const {
  const std::string text = kHandlePrefix + name.str();
  Tcl_Obj* handle = Tcl_NewStringObj(text.data(), static_cast<int>(text.size()));
  Cache(handle, &partition, m_generation);
  return handle;
}

Tcl_Obj* ShellState::NewPinHandle(ZavU::IPartition& partition, ZavU::IPartitionPin& pin) {
  const std::string text = HandleText({PartitionRef(&partition), ZavU::PinRef(&pin)});
  return Tcl_NewStringObj(text.data(), static_cast<int>(text.size()));
}

std::string ShellState::HandleText(const Object& object) {
  const std::string partition = object.partition->GetHierarchicalName().str();
  if (!object.IsPin()) return kHandlePrefix + partition;
  return kPinPrefix + partition + kPinSeparator + object.pin->GetName().str();
}

bool ShellState::RequireDesign(Context& context) const {
  if (m_session.IsOpen()) return true;
  context.Error(Fault::NoDesign, "%s", kErrNoDesign);
  return false;
}

PartitionRef ShellState::Lookup(Tcl_Obj* handle) const {
  if (handle->typePtr == &kHandleType && DesignOf(handle) == m_generation) {
    return PartitionRef(static_cast<ZavU::IPartition*>(handle->internalRep.twoPtrValue.ptr2));
  }
  const char* text = Tcl_GetString(handle);
  const std::size_t prefix = std::strlen(kHandlePrefix);
  if (std::strncmp(text, kHandlePrefix, prefix) != 0) return PartitionRef();
  PartitionRef found = m_session.Find(text + prefix);
  if (found) Cache(handle, found.get(), m_generation);
  return found;
}

Object ShellState::LookupObject(Tcl_Obj* handle) const {
  const char* text = Tcl_GetString(handle);
  if (!StartsWith(text, kPinPrefix)) return {Lookup(handle), {}};
  // The partition's name ends at a separator; the first one after which the
  // partition of that name has a pin of the rest's name is taken, so names
  // that hold the separator themselves are found too.
  const std::string named = text + std::strlen(kPinPrefix);
  for (std::size_t at = named.find(kPinSeparator); at != std::string::npos;
       at = named.find(kPinSeparator, at + 1)) {
    PartitionRef partition = m_session.Find(named.substr(0, at));
    if (!partition) continue;
    ZavU::PinRef pin = partition->FindPartitionPin(named.substr(at + 1).c_str());
    if (pin) return {std::move(partition), std::move(pin)};
  }
  return {};
}

bool ShellState::ResolveObjects(Context& context, Tcl_Obj* handles, std::vector<Object>& out,
                                Kind only, const char* taker) const {
  if (!RequireDesign(context)) return false;
  // A handle alone is one object, also when its name holds blanks that
  // would split it read as a list.
  std::vector<Object> found;
  if (Object one = LookupObject(handles); one.partition) {
    found.push_back(std::move(one));
  } else {
    int count = 0;
    Tcl_Obj** items = nullptr;
    if (Tcl_ListObjGetElements(context.interp, handles, &count, &items) != TCL_OK) return false;
    found.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
      Object object = LookupObject(items[i]);
      if (!object.partition) {
        Unknown(context, items[i], m_session);
        return false;
      }
      found.push_back(std::move(object));
    }
  }
  for (Object& object : found) {
    if (only != Kind::Any && object.IsPin() != (only == Kind::Pin)) {
      const std::string handle = HandleText(object);
      context.Error(Fault::Value, kErrWrongKind, taker ? taker : context.name,
                    only == Kind::Pin ? kPinsNoun : kPartitionsNoun, handle.c_str());
      return false;
    }
    out.push_back(std::move(object));
  }
  return true;
}

}  // namespace HostTcl

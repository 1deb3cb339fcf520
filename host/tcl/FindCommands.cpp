// get_partitions and get_pins: finding objects by name pattern.
#include <cstring>

#include "Filter.h"
#include "Properties.h"
#include "Port/MsgMan.h"
#include "TclTexts.h"
#include "ZavU/IPartitionPinIterator.h"

namespace HostTcl {

namespace {

/// A pattern without glob characters names one partition: found through the
/// design project's index instead of matched against every name.
bool IsPlainName(const char* pattern, const MatchMode& mode) {
  return !mode.regexp && !mode.nocase && !std::strpbrk(pattern, "*?[]\\");
}

void WarnNoMatch(const Context& context, const char* noun, const char* pattern) {
  Port_MsgManData::createObject(kFrontEnd, __FILE_NAME__, __LINE__, kPackageVersion)
      .issueWarning(kWarnNoMatch, context.name, noun, pattern);
}

}  // namespace

int GetPartitions(Context& context, const Args& args) {
  if (!context.state.RequireDesign(context)) return TCL_ERROR;
  const MatchMode mode{args.Has("-regexp"), args.Has("-nocase")};
  const bool quiet = args.Has("-quiet");
  Filter filter;
  const bool filtered = args.Has("-filter");
  if (filtered && !filter.Parse(context, Tcl_GetString(args.Option("-filter")))) return TCL_ERROR;

  HostSession::Session& session = context.state.Session();
  std::vector<PartitionRef> found;
  const std::vector<Tcl_Obj*>& patterns = args.Positionals();
  if (patterns.empty()) found = session.HierarchyOrder();
  bool error = false;
  std::vector<PartitionRef> order;  // every partition, read once when a pattern needs it
  for (Tcl_Obj* patternObj : patterns) {
    const char* pattern = Tcl_GetString(patternObj);
    const std::size_t before = found.size();
    if (IsPlainName(pattern, mode)) {
      if (PartitionRef named = session.Find(pattern)) found.push_back(std::move(named));
    } else {
      if (order.empty()) order = session.HierarchyOrder();
      for (const PartitionRef& partition : order) {
        const std::string name = partition->GetHierarchicalName().str();
        if (Matches(context, name.c_str(), patternObj, mode, error)) found.push_back(partition);
        if (error) return TCL_ERROR;
      }
    }
    if (found.size() == before && !quiet) WarnNoMatch(context, kPartitionsNoun, pattern);
  }

  Tcl_Obj* result = Tcl_NewListObj(0, nullptr);
  Tcl_SetObjResult(context.interp, result);
  for (const PartitionRef& partition : found) {
    const PropertyLookup lookup = [&](const std::string& name) {
      return PropertyValue(context, *partition.get(), name.c_str());
    };
    if (filtered && !filter.Accepts(context, lookup, mode, error)) {
      if (error) return TCL_ERROR;
      continue;
    }
    Tcl_ListObjAppendElement(nullptr, result, context.state.NewHandle(*partition.get()));
  }
  return TCL_OK;
}

int GetPins(Context& context, const Args& args) {
  PartitionRef partition = context.state.Resolve(context, args.Positional(0));
  if (!partition) return TCL_ERROR;
  const char* pattern = args.Positional(1) ? Tcl_GetString(args.Positional(1)) : "*";
  Tcl_Obj* result = Tcl_NewListObj(0, nullptr);
  Tcl_SetObjResult(context.interp, result);
  ZavU::OwnedPinList pins(partition->GetPartitionPins());
  if (!pins) return TCL_OK;
  for (pins->First(); !pins->IsDone(); pins->Next()) {
    ZavU::PinRef pin;
    pins->CurrentItem(pin);
    const std::string name = pin ? pin->GetName().str() : std::string();
    if (pin && Tcl_StringMatch(name.c_str(), pattern)) {
      Tcl_ListObjAppendElement(nullptr, result,
                               Tcl_NewStringObj(name.data(), static_cast<int>(name.size())));
    }
  }
  return TCL_OK;
}

}  // namespace HostTcl

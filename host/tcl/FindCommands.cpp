// get_partitions and get_pins: finding objects by name pattern, by the
// objects they belong to, and by filter.
#include <cstring>
#include <unordered_set>

#include "Filter.h"
#include "Port/MsgMan.h"
#include "Properties.h"
#include "TclTexts.h"
#include "ZavU/IPartitionPinIterator.h"

namespace HostTcl {

namespace {

using Listed = HostProject::DesignProject::Listed;

/// A pattern without glob characters names one partition: found through the
/// design project's index instead of matched against every name.
bool IsPlainName(const char* pattern, const MatchMode& mode) {
  return !mode.regexp && !mode.nocase && !std::strpbrk(pattern, "*?[]\\");
}

void WarnNoMatch(const Context& context, const char* noun, const char* pattern) {
  Port_MsgManData::createObject(kFrontEnd, __FILE_NAME__, __LINE__, kPackageVersion)
      .issueWarning(kWarnNoMatch, context.name, noun, pattern);
}

/// Whether `pattern` matches the name of a pin of `owners`: a pattern that
/// matched no full name is told how to match names.
bool MatchesAPinsName(Context& context, const std::vector<PartitionRef>& owners,
                      Tcl_Obj* pattern, const MatchMode& mode) {
  bool error = false;
  for (const PartitionRef& partition : owners) {
    ZavU::OwnedPinList pins(partition->GetPartitionPins());
    if (!pins) continue;
    for (pins->First(); !pins->IsDone(); pins->Next()) {
      ZavU::PinRef pin;
      pins->CurrentItem(pin);
      if (pin && Matches(context, pin->GetName().str().c_str(), pattern, mode, error)) return true;
      if (error) return false;
    }
  }
  return false;
}

/// The patterns of the PATTERN arguments, each of which may be a list of
/// patterns.
std::vector<Tcl_Obj*> PatternsOf(const Args& args) {
  std::vector<Tcl_Obj*> patterns;
  for (Tcl_Obj* argument : args.Positionals()) {
    int count = 0;
    Tcl_Obj** items = nullptr;
    if (Tcl_ListObjGetElements(nullptr, argument, &count, &items) != TCL_OK) {
      patterns.push_back(argument);
      continue;
    }
    patterns.insert(patterns.end(), items, items + count);
  }
  return patterns;
}

/// The last level of a hierarchical name.
const char* LeafOf(const std::string& name) {
  const std::size_t slash = name.rfind('/');
  return name.c_str() + (slash == std::string::npos ? 0 : slash + 1);
}

/// Whether `object`'s properties satisfy `filter`; false with `error` set
/// when one cannot be read.
bool Passes(Context& context, const Filter& filter, const Object& object, const MatchMode& mode,
            bool& error) {
  const PropertyLookup lookup = [&](const std::string& name) {
    return PropertyValue(context, object, name.c_str());
  };
  return filter.Accepts(context, lookup, mode, error);
}

/// Parses -filter when given; false (error set) when it is malformed.
bool FilterOf(Context& context, const Args& args, const MatchMode& mode, Filter& filter,
              bool& filtered) {
  filtered = args.Has("-filter");
  return !filtered || filter.Parse(context, Tcl_GetString(args.Option("-filter")), mode);
}

/// The partitions matching `patterns`, each once, in hierarchy order;
/// false (error set) when a pattern is a bad regexp.
bool MatchPartitions(Context& context, const std::vector<Tcl_Obj*>& patterns,
                     const MatchMode& mode, bool hierarchical, bool quiet,
                     std::vector<Listed>& found) {
  HostSession::Session& session = context.state.Session();
  std::vector<bool> matched(patterns.size(), false);
  bool plain = !hierarchical;
  for (Tcl_Obj* pattern : patterns) plain = plain && IsPlainName(Tcl_GetString(pattern), mode);
  if (plain && patterns.size() == 1) {
    // One name: the index answers it without a walk.
    if (PartitionRef named = session.Find(Tcl_GetString(patterns.front()))) {
      found.push_back({nullptr, named.get()});
      matched.front() = true;
    }
  } else {
    bool error = false;
    // Names as the design project's index holds them: the partitions
    // themselves are not read, which keeps large designs out of the cache.
    for (const Listed& listed : session.Listing()) {
      const std::string& name = listed.name->str();
      const char* subject = hierarchical ? LeafOf(name) : name.c_str();
      bool any = false;
      for (std::size_t i = 0; i < patterns.size(); ++i) {
        const bool hit = plain ? std::strcmp(subject, Tcl_GetString(patterns[i])) == 0
                               : Matches(context, subject, patterns[i], mode, error);
        if (error) return false;
        matched[i] = matched[i] || hit;
        any = any || hit;
      }
      if (any) found.push_back(listed);
    }
  }
  for (std::size_t i = 0; i < patterns.size() && !quiet; ++i) {
    if (!matched[i]) WarnNoMatch(context, kPartitionsNoun, Tcl_GetString(patterns[i]));
  }
  return true;
}

}  // namespace

int GetPartitions(Context& context, const Args& args) {
  if (!context.state.RequireDesign(context)) return TCL_ERROR;
  const MatchMode mode{args.Has("-regexp"), args.Has("-nocase")};
  Filter filter;
  bool filtered = false;
  if (!FilterOf(context, args, mode, filter, filtered)) return TCL_ERROR;
  const std::vector<Tcl_Obj*> patterns = PatternsOf(args);
  HostSession::Session& session = context.state.Session();

  std::vector<Listed> found;
  if (args.Has("-of_objects")) {
    if (!args.Positionals().empty()) return context.Error(Fault::Usage, "%s", kErrOfObjectsAndPatterns);
    std::vector<Object> pins;
    if (!context.state.ResolveObjects(context, args.Option("-of_objects"), pins,
                                      ShellState::Kind::Pin, "-of_objects")) {
      return TCL_ERROR;
    }
    std::unordered_set<ZavU::IPartition*> owners;
    for (const Object& pin : pins) owners.insert(pin.partition.get());
    for (const Listed& listed : session.Listing()) {
      if (owners.count(listed.partition)) found.push_back(listed);
    }
  } else if (patterns.empty()) {
    found = session.Listing();
  } else if (!MatchPartitions(context, patterns, mode, args.Has("-hierarchical"), args.Has("-quiet"),
                              found)) {
    return TCL_ERROR;
  }

  Tcl_Obj* result = Tcl_NewListObj(0, nullptr);
  Tcl_SetObjResult(context.interp, result);
  bool error = false;
  for (const Listed& listed : found) {
    if (filtered && !Passes(context, filter, {PartitionRef(listed.partition), {}}, mode, error)) {
      if (error) return TCL_ERROR;
      continue;
    }
    Tcl_ListObjAppendElement(nullptr, result,
                             listed.name ? context.state.NewHandle(*listed.name, *listed.partition)
                                         : context.state.NewHandle(*listed.partition));
  }
  return TCL_OK;
}

int GetPins(Context& context, const Args& args) {
  if (!context.state.RequireDesign(context)) return TCL_ERROR;
  const MatchMode mode{args.Has("-regexp"), args.Has("-nocase")};
  Filter filter;
  bool filtered = false;
  if (!FilterOf(context, args, mode, filter, filtered)) return TCL_ERROR;
  const std::vector<Tcl_Obj*> patterns = PatternsOf(args);

  // The partitions whose pins are looked at, each once.
  std::vector<PartitionRef> owners;
  const bool of = args.Has("-of_objects");
  if (of) {
    std::vector<Object> partitions;
    if (!context.state.ResolveObjects(context, args.Option("-of_objects"), partitions,
                                      ShellState::Kind::Partition, "-of_objects")) {
      return TCL_ERROR;
    }
    std::unordered_set<ZavU::IPartition*> seen;
    for (Object& object : partitions) {
      if (seen.insert(object.partition.get()).second) owners.push_back(std::move(object.partition));
    }
  } else {
    owners = context.state.Session().HierarchyOrder();
  }

  Tcl_Obj* result = Tcl_NewListObj(0, nullptr);
  Tcl_SetObjResult(context.interp, result);
  std::vector<bool> matched(patterns.size(), false);
  bool error = false;
  for (const PartitionRef& partition : owners) {
    ZavU::OwnedPinList pins(partition->GetPartitionPins());
    if (!pins) continue;
    for (pins->First(); !pins->IsDone(); pins->Next()) {
      Object object{partition, {}};
      pins->CurrentItem(object.pin);
      if (!object.pin) continue;
      // With -of_objects a pattern matches the pin's name, else its full name.
      const std::string name = of ? object.pin->GetName().str()
                                  : ShellState::HandleText(object).substr(std::strlen(kPinPrefix));
      bool any = patterns.empty();
      for (std::size_t i = 0; i < patterns.size(); ++i) {
        const bool hit = Matches(context, name.c_str(), patterns[i], mode, error);
        if (error) return TCL_ERROR;
        matched[i] = matched[i] || hit;
        any = any || hit;
      }
      if (!any) continue;
      if (filtered && !Passes(context, filter, object, mode, error)) {
        if (error) return TCL_ERROR;
        continue;
      }
      Tcl_ListObjAppendElement(nullptr, result,
                               ShellState::NewPinHandle(*partition.get(), *object.pin.get()));
    }
  }
  for (std::size_t i = 0; i < patterns.size() && !args.Has("-quiet"); ++i) {
    if (matched[i]) continue;
    if (!of && !mode.regexp && MatchesAPinsName(context, owners, patterns[i], mode)) {
      Port_MsgManData::createObject(kFrontEnd, __FILE_NAME__, __LINE__, kPackageVersion)
          .issueWarning(kWarnPinNameNotFullName, context.name, Tcl_GetString(patterns[i]),
                        Tcl_GetString(patterns[i]));
    } else {
      WarnNoMatch(context, kPinsNoun, Tcl_GetString(patterns[i]));
    }
  }
  return TCL_OK;
}

}  // namespace HostTcl

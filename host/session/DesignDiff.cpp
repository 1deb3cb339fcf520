// Reading a design's image through the partitions' interfaces, and comparing
// two images.
#include "session/DesignDiff.h"

#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "Dpm/IString.h"
#include "Port/UtTime.h"
#include "ZavU/IPartitionPinIterator.h"
#include "ZavU/IPartitionTracking.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "ZavU/IXPartition.h"
#include "model/PartitionLists.h"
#include "project/CurrentProject.h"

namespace HostSession {

namespace {

// The fields' names: the Tcl properties' names where there is one, a
// trait's own name, and the view, task or file state after the others.
constexpr const char* kParent = "parent";
constexpr const char* kIsRoot = "is_root";
constexpr const char* kState = "state";
constexpr const char* kImportLocation = "import_location";
constexpr const char* kImportTag = "import_tag";
constexpr const char* kBoundaryOpt = "boundary_opt";
constexpr const char* kIsolated = "isolated";
constexpr const char* kIsReconfigurable = "is_reconfigurable";
constexpr const char* kModuleName = "reconfig_module_name";
constexpr const char* kModuleLocation = "reconfig_module_location";
constexpr const char* kTimestamp = "timestamp_";
constexpr const char* kProcessedTimestamp = "processed_timestamp_";
constexpr const char* kInterfaceTimestamp = "interface_timestamp_";
constexpr const char* kChildModified = "child_modified_timestamp";
constexpr const char* kForce = "force_";
constexpr const char* kPreviousFile = "previous_file_";
constexpr const char* kQnlFile = "qnl_file";
constexpr const char* kIpFiles = "ip_files";
constexpr const char* kIpFileSeparator = ", ";
constexpr const char* kTrue = "true";
constexpr const char* kFalse = "false";
constexpr const char* kImport = "import";
constexpr const char* kImplement = "implement";
constexpr const char* kNeverSet = "never";
constexpr const char* kPinPlace = "#%d %s";

const char* Flag(bool value) { return value ? kTrue : kFalse; }

/// The calendar text (as the dump shows it, without its line end), or
/// "never" for a time never set.
std::string TimeText(Port::Time time) {
  if (time == -1) return kNeverSet;
  Port::StringBase text;
  UT_TIME::CTime(&time, &text);
  std::string out = text.str();
  if (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

class Reader {
 public:
  /// `designLocation`: where the design's project lies.
  Reader(PartitionImage& image, const std::string& designLocation)
      : m_fields(image.fields), m_designLocation(designLocation) {}
  void Add(std::string field, std::string value) {
    m_fields.emplace_back(std::move(field), std::move(value));
  }

  void Description(ZavU::IPartition& partition) {
    Add(kIsRoot, Flag(partition.IsRoot()));
    if (auto* xml = CitI::QueryAs<ZavU::IXPartition>(&partition)) {
      Add(kState, xml->IsImport() ? kImport : kImplement);
      Port::StringBase location;
      xml->GetImportLocation(location);
      Add(kImportLocation, location.str());
      Add(kImportTag, xml->GetImportTag().str());
      Add(kBoundaryOpt, xml->GetBoundaryOpt().str());
    }
    Add(kIsolated, Flag(partition.IsIsolated()));
    Add(kIsReconfigurable, Flag(partition.IsReconfigurable()));
    if (auto* info = CitI::QueryAs<ZavU::IReconfigAssocInfo>(&partition)) {
      Port::StringBase module;
      info->GetReconfigModuleName(&module);
      Add(kModuleName, module.str());
      // Only a reconfigurable partition names where its module is
      // implemented; the answer comes from the configuration, which a
      // project file keeps whole (asking costs a read of it). A module of
      // this design answers the design's own location, which says where the
      // file lies, not what it holds: empty then, as the configuration
      // keeps it.
      Port::StringBase location;
      const bool found =
          partition.IsReconfigurable() && info->GetReconfigModuleProjectLocation(&location);
      const bool elsewhere = found && location.str() != m_designLocation;
      Add(kModuleLocation, elsewhere ? location.str() : std::string());
    }
  }

  void Traits(ZavU::IPartition& partition) {
    for (const std::string& trait : HostModel::TextsOf(partition.GetTraitNames())) {
      Add(trait, partition.GetTrait(Port::StringBase(trait)).str());
    }
  }

  void Timestamps(ZavU::IPartition& partition) {
    auto* tracking = CitI::QueryAs<ZavU::IPartitionTimeTracking>(&partition);
    for (int view = 0; view < ZavU::kAppViewCount; ++view) {
      Add(kTimestamp + std::string(ZavU::kAppViewNames[view]),
          TimeText(partition.GetTimestamp(static_cast<ZavU::AppView>(view))));
    }
    for (int view = 0; tracking && view < ZavU::kAppViewCount; ++view) {
      Add(kProcessedTimestamp + std::string(ZavU::kAppViewNames[view]),
          TimeText(tracking->GetProcessedTimestamp(view)));
    }
    for (int view = 0; tracking && view < ZavU::kAppViewCount; ++view) {
      Add(kInterfaceTimestamp + std::string(ZavU::kAppViewNames[view]),
          TimeText(tracking->GetInterfaceTimestamp(view)));
    }
    Add(kChildModified, TimeText(partition.GetChildModifiedTimestamp()));
    for (int task = 0; task < ZavU::kTaskCount; ++task) {
      Add(kForce + std::string(ZavU::kTaskNames[task]),
          Flag(partition.GetForceTask(static_cast<ZavU::TaskID>(task))));
    }
  }

  void Files(ZavU::IPartition& partition) {
    // The QNL previous file is the QNL file: it is compared once, as that.
    if (auto* files = CitI::QueryAs<ZavU::IPartitionFileTracking>(&partition)) {
      for (int state = 0; state < ZavU::kFileStateCount; ++state) {
        if (state == ZavU::QNL) continue;
        Add(kPreviousFile + std::string(ZavU::kFileStateNames[state]),
            files->GetPreviousDesignFile(state).str());
      }
    }
    Add(kQnlFile, partition.GetQnlFile().str());
    std::string joined;
    for (const std::string& file : HostModel::TextsOf(partition.GetIPFileNames())) {
      if (!joined.empty()) joined += kIpFileSeparator;
      joined += file;
    }
    Add(kIpFiles, joined);
  }

 private:
  std::vector<std::pair<std::string, std::string>>& m_fields;
  const std::string& m_designLocation;
};

/// Where each item stands in `items`, by the name `nameOf` gives.
template <typename T, typename NameOf>
std::unordered_map<std::string, std::size_t> Index(const std::vector<T>& items, NameOf nameOf) {
  std::unordered_map<std::string, std::size_t> index;
  index.reserve(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) index.emplace(nameOf(items[i]), i);
  return index;
}

const std::string& NameOf(const PartitionImage& image) { return image.name; }
const std::string& FieldName(const std::pair<std::string, std::string>& field) {
  return field.first;
}

/// Each field whose value differs; a field one side lacks (never, when one
/// library read both) has no value there.
void CompareFields(const PartitionImage& a, const PartitionImage& b,
                   std::vector<FieldDifference>& out) {
  const auto inA = Index(a.fields, FieldName);
  const auto inB = Index(b.fields, FieldName);
  for (const auto& [field, value] : a.fields) {
    auto found = inB.find(field);
    if (found == inB.end()) {
      out.push_back({a.name, field, value, std::nullopt});
    } else if (b.fields[found->second].second != value) {
      out.push_back({a.name, field, value, b.fields[found->second].second});
    }
  }
  for (const auto& [field, value] : b.fields) {
    if (!inA.count(field)) out.push_back({a.name, field, std::nullopt, value});
  }
}

void ComparePins(const PartitionImage& a, const PartitionImage& b,
                 std::vector<FieldDifference>& out) {
  if (a.pins == b.pins) return;
  const std::unordered_set<std::string> inA(a.pins.begin(), a.pins.end());
  const std::unordered_set<std::string> inB(b.pins.begin(), b.pins.end());
  std::vector<const std::string*> commonA;
  std::vector<const std::string*> commonB;
  for (const std::string& pin : a.pins) {
    if (inB.count(pin)) {
      commonA.push_back(&pin);
    } else {
      out.push_back({a.name, kDiffPinsField, pin, std::nullopt});
    }
  }
  for (const std::string& pin : b.pins) {
    if (inA.count(pin)) {
      commonB.push_back(&pin);
    } else {
      out.push_back({a.name, kDiffPinsField, std::nullopt, pin});
    }
  }
  for (std::size_t i = 0; i < commonA.size() && i < commonB.size(); ++i) {
    if (*commonA[i] == *commonB[i]) continue;
    const int place = static_cast<int>(i) + 1;
    auto text = [place](const std::string& pin) {
      return Port::StringBase::doFormat(kPinPlace, place, pin.c_str()).str();
    };
    out.push_back({a.name, kDiffPinOrderField, text(*commonA[i]), text(*commonB[i])});
    break;
  }
}

}  // namespace

DesignImage ImageOf(const Session& session) {
  DesignImage image;
  session.MakeCurrent();
  Dpm::IHDProject* project = HostProject::CurrentProject();
  const std::string location = project ? project->GetLocation().str() : std::string();
  for (const HostProject::DesignProject::Step& step : session.Walk()) {
    ZavU::IPartition& partition = *step.partition.get();
    PartitionImage& p = image.partitions.emplace_back();
    p.name = partition.GetHierarchicalName().str();
    Reader reader(p, location);
    reader.Add(kParent, step.parent >= 0
                            ? image.partitions[static_cast<std::size_t>(step.parent)].name
                            : std::string());
    reader.Description(partition);
    reader.Traits(partition);
    reader.Timestamps(partition);
    reader.Files(partition);
    p.pins = HostModel::PinNames(partition);
  }
  return image;
}

DesignDiff Compare(const DesignImage& a, const DesignImage& b) {
  DesignDiff diff;
  const auto inA = Index(a.partitions, NameOf);
  const auto inB = Index(b.partitions, NameOf);
  for (const PartitionImage& partition : a.partitions) {
    auto found = inB.find(partition.name);
    if (found == inB.end()) {
      diff.onlyInA.push_back(partition.name);
      continue;
    }
    const PartitionImage& other = b.partitions[found->second];
    CompareFields(partition, other, diff.changed);
    ComparePins(partition, other, diff.changed);
  }
  for (const PartitionImage& partition : b.partitions) {
    if (!inA.count(partition.name)) diff.onlyInB.push_back(partition.name);
  }
  return diff;
}

}  // namespace HostSession

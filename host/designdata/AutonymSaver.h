// The autonym saver: given a project repository of our host, the
// configuration kept in its project file (the configuration `save` stored).
// It lives in libDpm_DesignData, which the host does not load at start-up:
// the partition library loads it by name through the registry the first
// time it cannot create the saver, and the library's entry point registers
// the class.
#pragma once

#include "Prjrep/IAutonym.h"
#include "model/ServiceObject.h"

namespace DesignData {

class AutonymSaver final : public HostModel::TServiceObject<Prjrep::ISaveAutonym> {
 public:
  static Port::XUID ClassXuid() { return Port::XUID(Xuids::Class_AutonymSaver); }
  AutonymSaver() = default;

  /// Status 1 and the configuration of the repository's project file; 0 and
  /// null for no repository, another host's, or a file that cannot be read
  /// (the reason goes to the debug trace: the library asks quietly).
  CitI::Status GetConfiguration(CitI::IInterface* repository, CitI::IInterface*& out) override;

 private:
  ~AutonymSaver() override = default;
};

/// How many times the library's entry point ran in this process.
extern "C" int DesignDataEntryCount();

}  // namespace DesignData

// The walk from a partition to the module object that implements it in the
// design project's configuration "Configuration", and the project-service
// look-ups it needs. Every object handed back carries one reference, held in
// a Prjrep::AutoRelease (these are project-service objects).
#pragma once

#include "CitI/IInterface.h"
#include "Dpm/IConfiguration.h"
#include "Port/StringBase.h"
#include "Prjrep/IAutonym.h"
#include "Prjrep/IRefCount.h"

namespace ZorE {

class Partition;

/// The module object of the configuration element that governs `partition`:
/// the first element whose PR module is named like the partition's
/// association partition, or a static-logic element when the partition is in
/// static logic. Empty when there is no configuration or no element matches.
Prjrep::AutoRelease<CitI::IInterface> FindConfigurationModule(Partition& partition);

/// The project repository known by `name`, created when it is not known and
/// `create` is set. `found` (may be null) says whether one was obtained.
Prjrep::AutoRelease<Prjrep::IProjectRepository> LookupProjectRepository(
    const Port::StringBase& name, bool create, bool* found);

/// The project behind a module object: the object itself when it is a
/// project, else the project a project component reference yields.
Prjrep::AutoRelease<Dpm::IProject> ResolveProject(CitI::IInterface* object);

}  // namespace ZorE

// A host built against the installed session: it opens a description
// through the session (which loads the component library by name) and
// prints its partitions, root first.
#include <cstdio>

#include "CitP/Factory.h"
#include "session/Session.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  CitP::RegistryScope registry;
  HostSession::Session session("consumer");
  if (!session.Start() || !session.Open(argv[1])) return 1;
  for (const auto& partition : session.HierarchyOrder()) {
    std::printf("%s\n", partition->GetHierarchicalName().c_str());
  }
  return 0;
}

// The look at an import location's result files.
#include "session/ImportResults.h"

#include "Port/UtDir.h"
#include "ZavU/ImportResults.h"

namespace HostSession {

std::vector<SeveralMatches> SeveralResultFiles(const std::string& location) {
  std::vector<SeveralMatches> several;
  // Listed as the library lists it: files only, sorted byte-wise.
  UT_DIR listing(Port::StringBase(location), 1);
  for (const ZavU::ResultPattern& result : ZavU::kResultPatterns) {
    SeveralMatches matches{result.pattern, {}};
    for (UT_DIR_ITERATOR it = listing.begin(result.pattern); it != listing.end(); ++it) {
      matches.files.push_back((*it).str());
    }
    if (matches.files.size() > 1) several.push_back(std::move(matches));
  }
  return several;
}

std::string FileList(const std::vector<std::string>& files) {
  std::string list;
  for (const std::string& file : files) list += (list.empty() ? "" : ", ") + file;
  return list;
}

}  // namespace HostSession

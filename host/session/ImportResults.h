// Which files of an import location an import takes: of several files that
// match one result's pattern, the first in byte-wise order. `hdpart check`
// warns of such locations before an import, and an import after it.
#pragma once

#include <string>
#include <vector>

#include "Port/HostApi.h"

namespace HostSession {

/// A result pattern several files of a location match, and those files in
/// byte-wise order (an import takes the first).
struct HOST_API SeveralMatches {
  const char* pattern;
  std::vector<std::string> files;
};

/// Every result pattern of which the folder `location` holds more than one
/// file, in the order an import looks for them.
HOST_API std::vector<SeveralMatches> SeveralResultFiles(const std::string& location);

/// "a_prev_built.qdb, b_prev_built.qdb": the files, as a message names them.
HOST_API std::string FileList(const std::vector<std::string>& files);

}  // namespace HostSession

// A front end's standard streams: output that could not be written is an
// error, not a silent success, and a stream closed by the caller never lends
// its descriptor to a file the front end opens (a save could otherwise
// receive what was meant for standard output).
//
//   int main() {
//     HostSession::HoldStandardStreams();
//     ... run the command, HostSession::WriteStandardOutput(bytes) ...
//     if (!HostSession::FlushStandardOutput("hdpart")) status = 1;
//   }
#pragma once

#include <string>

#include "Port/HostApi.h"

namespace HostSession {

/// Opens /dev/null, for reading only, on each of descriptors 0, 1 and 2 that
/// is closed: the descriptor stays taken, and a write to it fails.
HOST_API void HoldStandardStreams();

/// Writes `bytes` (text or a whole file's bytes) to standard output. A
/// write that fails is reported by FlushStandardOutput, with its reason.
HOST_API void WriteStandardOutput(const std::string& bytes);

/// Flushes standard output (C and C++ streams); false, reported under
/// `frontEnd` with the system's reason, when it or an earlier write failed.
HOST_API bool FlushStandardOutput(const std::string& frontEnd);

}  // namespace HostSession

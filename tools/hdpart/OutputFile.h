// Writing a file the tool produces, atomically: the text goes to a temporary
// file in the same directory, is flushed to disk and renamed over the target,
// so a write that fails at any point leaves the previous file as it was.
#pragma once

#include <string>

namespace hdpart {

/// Replaces the file at `path` with `text`; false with `error` (why) when
/// that fails, the previous file being left untouched.
bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error);

}  // namespace hdpart

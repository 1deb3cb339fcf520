// Absolute form and last component of a path, folded lexically, with
// symbolic links resolved on request.
#include "Port/FileName.h"

#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace Port {
namespace {

std::string CurrentDirectory() {
  std::vector<char> buffer(PATH_MAX);
  while (!getcwd(buffer.data(), buffer.size())) {
    if (errno != ERANGE) return std::string();
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

// Drops empty and "." components and lets ".." take back the component
// before it; ".." at the root stays at the root.
std::string FoldAbsolute(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t at = 0;
  while (at <= path.size()) {
    std::size_t slash = path.find('/', at);
    if (slash == std::string::npos) slash = path.size();
    const std::string part = path.substr(at, slash - at);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    at = slash + 1;
  }
  if (parts.empty()) return "/";
  std::string folded;
  for (const std::string& part : parts) folded += "/" + part;
  return folded;
}

}  // namespace

StringBase FileName::GetAbsolutePath(bool resolveLinks) const {
  const std::string& path = m_path.str();
  if (path.empty()) return StringBase();
  if (resolveLinks) {
    if (char* real = realpath(path.c_str(), nullptr)) {
      StringBase resolved(real);
      std::free(real);
      return resolved;
    }
  }
  if (path[0] == '/') return StringBase(FoldAbsolute(path));
  return StringBase(FoldAbsolute(CurrentDirectory() + "/" + path));
}

StringBase FileName::GetTail() const {
  return StringBase(std::filesystem::path(m_path.str()).filename());
}

}  // namespace Port

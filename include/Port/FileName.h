// File names as the host sees them: absolute form and last component.
#pragma once

#include "Port/HostApi.h"
#include "Port/StringBase.h"

namespace Port {

class HOST_API FileName {
 public:
  explicit FileName(const StringBase& path) : m_path(path) {}

  /// The absolute form: a relative path is put behind the current directory,
  /// and "." and ".." components are folded away lexically. With
  /// `resolveLinks` set, an existing path also has its symbolic links resolved.
  StringBase GetAbsolutePath(bool resolveLinks) const;

  /// The last path component: what follows the last "/" ("" for a path
  /// ending in "/").
  StringBase GetTail() const;

 private:
  StringBase m_path;
};

}  // namespace Port

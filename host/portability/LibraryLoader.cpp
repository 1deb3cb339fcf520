// Loading of component libraries by name: "name" stands for "libname.so",
// or, where that is absent (a runtime package ships no development
// symlink), the highest "libname.so.N"; a name ending in ".so" or ".so.N" is
// the file's own, and an absolute path is used as given. The file is looked
// for beside this runtime and in its package folder there
// (lib/zavEraV_Adoduzadi/ of an install), along PORT_LIBRARY_PATH and beside
// the program; its
// InstFactoryEntry is called once per library, which registers its factories.
#include "LibraryLoader.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "CitP/Factory.h"
#include "Port/Env.h"

namespace CitP {
namespace {

struct LoaderState {
  // Recursive: an entry point may load the libraries it depends on.
  std::recursive_mutex mutex;
  std::set<std::string> entered;  // real paths of libraries whose entry ran
  std::string lastError;
};

LoaderState& TheLoader() {
  static LoaderState* const state = new LoaderState;
  return *state;
}

std::string RealPath(const std::string& path) {
  char* real = realpath(path.c_str(), nullptr);
  if (!real) return std::string();
  std::string result = real;
  std::free(real);
  return result;
}

std::string DirectoryOf(const std::string& path) {
  return std::filesystem::path(path).parent_path();
}

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

/// Whether `name` already names a file: it ends in ".so" or ".so.N..."
/// (a runtime package's versioned name), so it is used as given.
bool NamesAFile(const std::string& name) {
  if (EndsWith(name, ".so")) return true;
  const std::size_t so = name.rfind(".so.");
  return so != std::string::npos &&
         name.find_first_not_of("0123456789.", so + 4) == std::string::npos;
}

/// The file a library name stands for: "lib<name>.so", or the name itself
/// when it names a file or is a path.
std::string LibraryFileName(const std::string& name) {
  if (NamesAFile(name) || StartsWith(name, "/")) return name;
  return (StartsWith(name, "lib") ? name : "lib" + name) + ".so";
}

/// In `dir`, where "lib<name>.so" is absent, the highest "lib<name>.so.N"
/// (a runtime package ships no development symlink); empty when none.
std::string HighestVersion(const std::string& dir, const std::string& file) {
  std::string best;
  unsigned long bestMajor = 0;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
    const std::string name = entry.path().filename();
    if (!StartsWith(name, (file + ".").c_str())) continue;
    const std::string version = name.substr(file.size() + 1);
    if (version.empty() || version.find_first_not_of("0123456789") != std::string::npos) continue;
    const unsigned long major = std::stoul(version);
    if (best.empty() || major > bestMajor) {
      best = dir + "/" + name;
      bestMajor = major;
    }
  }
  return best;
}

// Any function of this library serves to ask the dynamic linker where the
// library itself was loaded from.
void RuntimeAnchor() {}

bool IsDirectory(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> SearchDirectories() {
  std::vector<std::string> dirs;
  auto add = [&dirs](const std::string& dir) {
    if (dir.empty()) return;
    for (const std::string& known : dirs) {
      if (known == dir) return;
    }
    dirs.push_back(dir);
  };
  Dl_info info;
  if (dladdr(reinterpret_cast<void*>(&RuntimeAnchor), &info) && info.dli_fname) {
    const std::string runtime = DirectoryOf(RealPath(info.dli_fname));
    add(runtime);
    // Installed, the helper libraries lie in the package's own folder.
    const std::string folder = runtime + "/" + PORT_PRIVATE_LIBRARY_FOLDER;
    if (IsDirectory(folder)) add(folder);
  }
  if (const char* path = Port_Env::GetEnv("PORT_LIBRARY_PATH")) {
    std::string list = path;
    std::size_t at = 0;
    while (at <= list.size()) {
      std::size_t colon = list.find(':', at);
      if (colon == std::string::npos) colon = list.size();
      add(list.substr(at, colon - at));  // empty entries are skipped
      at = colon + 1;
    }
  }
  add(DirectoryOf(RealPath("/proc/self/exe")));
  return dirs;
}

bool IsLoadableFile(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::string Joined(const std::vector<std::string>& dirs) {
  std::string text;
  for (const std::string& dir : dirs) text += (text.empty() ? "" : ", ") + dir;
  return text.empty() ? "(none)" : text;
}

}  // namespace

namespace detail {
void ForgetEnteredLibraries() {
  LoaderState& loader = TheLoader();
  std::lock_guard<std::recursive_mutex> lock(loader.mutex);
  loader.entered.clear();
}
}  // namespace detail

bool Factory::LoadLibraryFactory(const char* libraryName) {
  LoaderState& loader = TheLoader();
  std::lock_guard<std::recursive_mutex> lock(loader.mutex);
  if (!libraryName || !*libraryName) {
    loader.lastError = "cannot load component library: no library name given";
    return false;
  }
  const std::string file = LibraryFileName(libraryName);
  const std::vector<std::string> dirs = SearchDirectories();
  const std::string failure =
      "cannot load component library '" + file + "' (searched " + Joined(dirs) + "): ";

  std::string candidate;
  if (StartsWith(libraryName, "/")) {
    // An absolute path is used as given.
    if (IsLoadableFile(libraryName)) candidate = libraryName;
  }
  for (const std::string& dir : dirs) {
    if (!candidate.empty() || StartsWith(libraryName, "/")) break;
    if (IsLoadableFile(dir + "/" + file)) {
      candidate = dir + "/" + file;
    } else if (!NamesAFile(libraryName)) {
      candidate = HighestVersion(dir, file);
    }
  }
  if (candidate.empty()) {
    loader.lastError = failure + "not found";
    return false;
  }
  const std::string real = RealPath(candidate);
  if (loader.entered.count(real)) {
    loader.lastError.clear();
    return true;
  }
  // Never closed: the factories it registered live in its code.
  void* handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = dlerror();
    loader.lastError = failure + (why ? why : "dlopen failed");
    return false;
  }
  dlerror();
  void* entry = dlsym(handle, "InstFactoryEntry");
  if (!entry) {
    loader.lastError = failure + "no InstFactoryEntry in " + candidate;
    return false;
  }
  // Marked before the call, so an entry that loads its own library again
  // does not recurse into itself.
  loader.entered.insert(real);
  loader.lastError.clear();
  reinterpret_cast<void (*)()>(entry)();
  return true;
}

const std::string& Factory::LastLoadError() { return TheLoader().lastError; }

}  // namespace CitP

// What a pin costs in memory once a project is opened from its project file.
//
// The program saves two project files with the host's own save: an empty
// project and one of PARTITIONS partitions with PINS pins each (by default
// 1,000 x 1,000: a million pins). A fresh child process then opens the
// empty project, reads its resident memory, opens the large one and reads it
// again; the difference over the number of pins is what one pin costs, its
// share of the list and of the partition included. The time the large open
// takes is printed too. Each step runs in a
// process of its own, so memory the saving left behind in the allocator
// cannot be reused by the load and hide what the load takes.
//
//   project_memory_bench [PARTITIONS PINS [PREFIX]]
//
// Pins are named PREFIX0, PREFIX1, ... ("data_" by default, as descriptions
// name them); a prefix of 10 characters or more gives names too long to be
// kept inside the string itself, which then cost an allocation each.
//
// Run from a release build (see bench/CMakeLists.txt).
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchProject.h"
#include "CitP/Factory.h"
#include "Partition/Partition.h"
#include "ProjectFile.h"

namespace {

constexpr double kGoalBytesPerPin = 200;

/// Resident bytes of this process now.
long ResidentBytes() {
  long size = 0;
  long resident = 0;
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (!statm) return -1;
  const int read = std::fscanf(statm, "%ld %ld", &size, &resident);
  std::fclose(statm);
  return read == 2 ? resident * ::sysconf(_SC_PAGESIZE) : -1;
}

/// Runs `work` in a child process; its exit status, or -1.
template <class Work>
int InChild(Work work) {
  std::fflush(stdout);
  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    const int status = work();
    std::fflush(stdout);
    ::_exit(status);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

bool Save(const std::string& path, long partitions, long pins, const std::string& prefix) {
  std::string error;
  if (HostPersist::SaveProjectFile(path, ZoreBench::MakeProject(partitions, pins, prefix), error))
    return true;
  std::fprintf(stderr, "cannot save %s: %s\n", path.c_str(), error.c_str());
  return false;
}

bool Open(const std::string& path, HostModel::ProjectImage& into) {
  std::string error;
  if (HostPersist::LoadProjectFile(path, into, error)) return true;
  std::fprintf(stderr, "cannot open %s: %s\n", path.c_str(), error.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const long partitions = argc >= 3 ? std::atol(argv[1]) : 1000;
  const long pins = argc >= 3 ? std::atol(argv[2]) : 1000;
  const std::string prefix = argc >= 4 ? argv[3] : "data_";
  if (partitions < 1 || pins < 1 || argc == 2 || argc > 4) {
    std::fprintf(stderr, "usage: %s [PARTITIONS PINS [PREFIX]]\n", argv[0]);
    return 2;
  }
  char dir[] = "/tmp/projectmemory.XXXXXX";
  if (!::mkdtemp(dir)) return 1;
  const std::string empty = std::string(dir) + "/empty.prj";
  const std::string large = std::string(dir) + "/large.prj";

  int status = InChild(
      [&] { return Save(empty, 1, 0, prefix) && Save(large, partitions, pins, prefix) ? 0 : 1; });
  if (status == 0) {
    status = InChild([&] {
      ZoreBench::RegisterLibrary();
      HostModel::ProjectImage emptyProject;
      HostModel::ProjectImage largeProject;
      if (!Open(empty, emptyProject)) return 1;
      const long before = ResidentBytes();
      const auto start = std::chrono::steady_clock::now();
      if (!Open(large, largeProject)) return 1;
      const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
      const long after = ResidentBytes();
      const double total = static_cast<double>(partitions) * static_cast<double>(pins);
      std::printf(
          "%ld partitions x %ld pins named %s...: resident %.1f MB over an empty "
          "project's %.1f MB\n",
          partitions, pins, prefix.c_str(), static_cast<double>(after - before) / 1e6,
          static_cast<double>(before) / 1e6);
      std::printf("bytes per pin above an empty project: %.0f (goal: at most %.0f)\n",
                  static_cast<double>(after - before) / total, kGoalBytesPerPin);
      std::printf("opening it took %.3f s, %.0f ns per pin\n", took.count(),
                  took.count() * 1e9 / total);
      return 0;
    });
  }
  ::unlink(empty.c_str());
  ::unlink(large.c_str());
  ::rmdir(dir);
  return status == 0 ? 0 : 1;
}

// What `hdpart save` of a large description costs against parsing that
// description into a Xerces-C DOM alone, in time and in peak resident
// memory.
//
// The program writes a description of 1,000 partitions with 1,000 pins each
// (a root with ten children, each with ten, and so on, in document order)
// into a temporary directory, twice: compact, with no line break (18 MB),
// then one element a line as hdpart write lays a description out (19 MB).
// For each it runs, one after the other and several rounds each, child
// processes:
//   - itself with --parse-only FILE: Xerces-C set up, the file read and
//     parsed into a DOM by a plain XercesDOMParser (not validating, no
//     namespaces, nothing fetched), then freed; the measure of the goals;
//   - itself with --host-parse FILE: the same through the host's own parser
//     (DescriptionDocument), shown for comparison;
//   - hdpart save FILE -o PROJECT (the hdpart built beside this program).
// Each child is timed from fork to exit; its peak resident memory is what
// wait4 reports for it (ru_maxrss), with its processor time (user and
// system) beside the wall time, which a busy machine stretches. The best
// time and the lowest peak of each are compared, and the ratios printed
// beside their goals.
//
//   build-release/bin/save_bench [ROUNDS]
//   build-release/bin/save_bench --generate FILE    (the compact description
//                                                    only, to profile hdpart)
#include <limits.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>

#include "persist/RegularFile.h"
#include "xml/DescriptionDocument.h"
#include "xml/XercesSession.h"

namespace {

constexpr int kPartitions = 1000;
constexpr int kPinsEach = 1000;
constexpr int kFanOut = 10;
constexpr int kDefaultRounds = 3;
constexpr double kTimeGoal = 1.5;
constexpr double kMemoryGoal = 1.25;

/// Partition `index` of the tree (0 the root, the parent of i being
/// (i - 1) / kFanOut) and its children, with their pins: with no line break
/// when `compact`, else one element a line.
void WritePartition(std::string& out, int index, const std::string& name, bool compact) {
  const char* end = compact ? "" : "\n";
  out += "<Partition Name=\"" + name + "\" State=\"implement\" ImportLocation=\"NONE\"";
  if (index % 7 == 3) out += " Preserve=\"placement\"";
  out += std::string(">") + end + "<Pins>" + end;
  for (int p = 0; p < kPinsEach; ++p) out += "<Pin Name=\"d" + std::to_string(p) + "\"/>" + end;
  out += std::string("</Pins>") + end;
  for (int child = index * kFanOut + 1; child <= index * kFanOut + kFanOut; ++child) {
    if (child >= kPartitions) break;
    WritePartition(out, child, name + "/u" + std::to_string(child), compact);
  }
  out += std::string("</Partition>") + end;
}

std::string Description(bool compact) {
  std::string text =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<Project FileVersion=\"2\" Name=\"bench\">\n";
  WritePartition(text, 0, "/top", compact);
  text += "</Project>\n";
  return text;
}

/// The directory this program lies in (hdpart is built beside it).
std::string OwnDirectory() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return ".";
  std::string text(path, static_cast<std::size_t>(length));
  return text.substr(0, text.find_last_of('/'));
}

struct ChildRun {
  bool ok = false;
  double seconds = 0;
  double cpuSeconds = 0;  // user and system: steadier than the wall on a busy machine
  long peakKiB = 0;
};

double Seconds(const timeval& time) {
  return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

ChildRun RunChild(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  ChildRun run;
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execv(argv[0], argv.data());
    _exit(127);
  }
  if (pid < 0) return run;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
  run.peakKiB = usage.ru_maxrss;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

/// A plain DOM parse of the file, as any Xerces-C host would make it.
int PlainParse(const char* path) {
  namespace xc = XERCES_CPP_NAMESPACE;
  HostXml::XercesSession xerces;
  std::string text;
  std::string error;
  if (!HostPersist::ReadRegularFile(path, text, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  xc::XercesDOMParser parser;
  parser.setValidationScheme(xc::XercesDOMParser::Val_Never);
  parser.setDoNamespaces(false);
  parser.setLoadExternalDTD(false);
  parser.setCreateEntityReferenceNodes(false);
  xc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(text.data()), text.size(), path);
  parser.parse(source);
  return parser.getErrorCount() == 0 && parser.getDocument() ? 0 : 1;
}

int HostParse(const char* path) {
  HostXml::XercesSession xerces;
  std::string error;
  if (!HostXml::DescriptionDocument::ParseFile(path, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  return 0;
}

/// Generates the description, compact or not, into `dir`, runs the children
/// `rounds` times and prints the ratios. False when a child failed.
bool Measure(const std::string& dir, bool compact, int rounds) {
  const std::string description = dir + "/xpartition.pxml";
  const std::string project = dir + "/project.hdproj";
  {
    const std::string text = Description(compact);
    std::ofstream(description, std::ios::binary) << text;
    std::printf("\n%s description: %d partitions x %d pins, %.1f MB\n",
                compact ? "compact" : "one element a line,", kPartitions, kPinsEach,
                static_cast<double>(text.size()) / 1e6);
  }
  const std::string self = OwnDirectory();
  const std::vector<std::string> parse{self + "/save_bench", "--parse-only", description};
  const std::vector<std::string> hostParse{self + "/save_bench", "--host-parse", description};
  const std::vector<std::string> save{self + "/hdpart", "save", description, "-o", project};

  ChildRun bestParse{true, 1e30, 1e30, LONG_MAX};
  ChildRun bestHostParse = bestParse;
  ChildRun bestSave = bestParse;
  const std::tuple<const std::vector<std::string>*, ChildRun*, const char*> children[] = {
      {&parse, &bestParse, "parse alone"},
      {&hostParse, &bestHostParse, "host parse"},
      {&save, &bestSave, "hdpart save"},
  };
  bool ok = true;
  for (int round = 0; round < rounds && ok; ++round) {
    for (const auto& [args, best, label] : children) {
      const ChildRun run = RunChild(*args);
      std::printf("round %d  %-12s %7.3f s (cpu %7.3f s)  %8.1f MB peak\n", round + 1, label,
                  run.seconds, run.cpuSeconds, static_cast<double>(run.peakKiB) / 1024);
      std::fflush(stdout);
      if (!run.ok) {
        std::fprintf(stderr, "%s failed\n", label);
        ok = false;
        break;
      }
      best->seconds = std::min(best->seconds, run.seconds);
      best->cpuSeconds = std::min(best->cpuSeconds, run.cpuSeconds);
      best->peakKiB = std::min(best->peakKiB, run.peakKiB);
    }
  }
  std::remove(project.c_str());
  std::remove(description.c_str());
  if (!ok) return false;
  const auto megabytes = [](long kib) { return static_cast<double>(kib) / 1024; };
  std::printf("save / parse time   = %.2f (%.3f s / %.3f s; goal: at most %.2f)\n",
              bestSave.seconds / bestParse.seconds, bestSave.seconds, bestParse.seconds, kTimeGoal);
  std::printf("save / parse cpu    = %.2f (%.3f s / %.3f s)\n",
              bestSave.cpuSeconds / bestParse.cpuSeconds, bestSave.cpuSeconds,
              bestParse.cpuSeconds);
  std::printf("save / parse memory = %.2f (%.1f MB / %.1f MB; goal: at most %.2f)\n",
              megabytes(bestSave.peakKiB) / megabytes(bestParse.peakKiB),
              megabytes(bestSave.peakKiB), megabytes(bestParse.peakKiB), kMemoryGoal);
  std::printf("host parse / parse  = time %.2f, cpu %.2f, memory %.2f (for comparison)\n",
              bestHostParse.seconds / bestParse.seconds,
              bestHostParse.cpuSeconds / bestParse.cpuSeconds,
              megabytes(bestHostParse.peakKiB) / megabytes(bestParse.peakKiB));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--parse-only") return PlainParse(argv[2]);
  if (argc == 3 && std::string(argv[1]) == "--host-parse") return HostParse(argv[2]);
  if (argc == 3 && std::string(argv[1]) == "--generate") {
    return (std::ofstream(argv[2], std::ios::binary) << Description(true)) ? 0 : 1;
  }
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRounds;
  char dirTemplate[] = "/tmp/save_bench.XXXXXX";
  const char* dir = mkdtemp(dirTemplate);
  if (!dir) {
    std::perror("mkdtemp");
    return 1;
  }
  const bool ok = Measure(dir, true, rounds) && Measure(dir, false, rounds);
  rmdir(dir);
  return ok ? 0 : 1;
}

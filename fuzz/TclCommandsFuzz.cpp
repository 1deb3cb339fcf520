// The Tcl command layer: each input is command lines run, one by one, against
// a small design, opened afresh for every input in an interpreter of its own
// with the hdpartition package. The input runs in a safe child interpreter
// that reaches the partition commands through aliases and may run only a
// few harmless core commands besides; file names are plain names taken in a
// scratch directory, rebuilt for every input. A Tcl error is an answer; a
// crash, a sanitizer report, a component or host object left alive, or a
// hang is a finding.
//
// Every input is bounded: its size, the commands it may run, how deep
// evaluations nest, and the size of every argument (so no value can double
// itself without bound).
#include <tcl.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unordered_set>

#include "FuzzSupport.h"
#include "TclCommandsTexts.h"
#include "hdpartition.h"
#include "model/ServiceObject.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxInputBytes = 4096;
constexpr int kMaxCommands = 2000;
constexpr int kMaxNesting = 40;
constexpr int kMaxWords = 256;
constexpr int kMaxWordBytes = 16384;

/// The directories every input works in, made once.
struct Workspace {
  std::string root;         // the exported project and the design's text
  std::string designPath;   // the design every input starts from
  std::string scratch;      // the only place an input's file names reach
  std::string projectFile;  // the design saved, copied into the scratch directory
  int liveHostObjects = 0;  // project-service objects alive between inputs
};

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) std::abort();
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string Replaced(std::string text, const std::string& what, const std::string& with) {
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) {
    text.replace(at, what.size(), with);
    at += with.size();
  }
  return text;
}

/// Runs one partition command in `interp`; aborts when it fails, as the
/// workspace must be set up whole.
void MustRun(Tcl_Interp* interp, const char* command, const std::string& path) {
  Tcl_Obj* words[] = {Tcl_NewStringObj(command, -1),
                      Tcl_NewStringObj(path.data(), static_cast<int>(path.size()))};
  for (Tcl_Obj* word : words) Tcl_IncrRefCount(word);
  const int code = Tcl_EvalObjv(interp, 2, words, TCL_EVAL_GLOBAL);
  for (Tcl_Obj* word : words) Tcl_DecrRefCount(word);
  if (code != TCL_OK) std::abort();
}

/// An interpreter with the package and the design open.
Tcl_Interp* NewMaster(const Workspace& workspace) {
  Tcl_Interp* master = Tcl_CreateInterp();
  if (Hdpartition_Init(master) != TCL_OK || Tcl_Eval(master, ZoreFuzz::kTclFileGuard) != TCL_OK) {
    std::abort();
  }
  MustRun(master, "read_xpartition", workspace.designPath);
  return master;
}

const Workspace& TheWorkspace() {
  static const Workspace* const workspace = [] {
    ZoreFuzz::SetUpOnce();
    Tcl_FindExecutable(nullptr);
    // What the report commands print goes nowhere; the registration keeps
    // the channel open whatever interpreter goes.
    for (int type : {TCL_STDOUT, TCL_STDERR}) {
      Tcl_Channel sink = Tcl_OpenFileChannel(nullptr, "/dev/null", "w", 0);
      if (!sink) std::abort();
      Tcl_RegisterChannel(nullptr, sink);
      Tcl_SetStdChannel(sink, type);
    }
    auto* made = new Workspace();
    std::string root = (fs::temp_directory_path() / "tcl_commands_fuzz.XXXXXX").string();
    if (!mkdtemp(root.data())) std::abort();
    made->root = root;
    made->scratch = root + "/scratch";
    const std::string exported = root + "/export";
    fs::create_directories(exported);
    WriteFile(exported + "/" + ZoreFuzz::kTclExportFile, ZoreFuzz::kTclExport);
    for (const char* name : ZoreFuzz::kTclExportFiles) WriteFile(exported + "/" + name, name);
    made->designPath = root + "/" + ZoreFuzz::kTclDesignFile;
    WriteFile(made->designPath, Replaced(Replaced(ZoreFuzz::kTclDesign,
                                                  ZoreFuzz::kTclPlaceholderExport, exported + "/"),
                                         ZoreFuzz::kTclPlaceholderMissing, root + "/missing/"));

    Tcl_Interp* master = Tcl_CreateInterp();
    if (Hdpartition_Init(master) != TCL_OK) std::abort();
    MustRun(master, "read_xpartition", exported + "/" + ZoreFuzz::kTclExportFile);
    MustRun(master, "save_project", exported + "/" + ZoreFuzz::kTclProjectFile);
    MustRun(master, "read_xpartition", made->designPath);
    MustRun(master, "save_project", root + "/" + ZoreFuzz::kTclProjectFile);
    Tcl_DeleteInterp(master);
    made->projectFile = ReadFile(root + "/" + ZoreFuzz::kTclProjectFile);
    made->liveHostObjects = HostModel::LiveObjects();
    ZoreFuzz::ExpectNoLiveComponents();
    static const std::string removed = root;
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(removed, ignored);
    });
    return made;
  }();
  return *workspace;
}

/// The scratch directory as every input first finds it.
void ResetScratch(const Workspace& workspace) {
  std::error_code ignored;
  fs::remove_all(workspace.scratch, ignored);
  fs::create_directories(workspace.scratch);
  WriteFile(workspace.scratch + "/" + ZoreFuzz::kTclDesignFile, ReadFile(workspace.designPath));
  WriteFile(workspace.scratch + "/" + ZoreFuzz::kTclProjectFile, workspace.projectFile);
  WriteFile(workspace.scratch + "/" + ZoreFuzz::kTclNotesFile, ZoreFuzz::kTclNotes);
}

using Allowed = std::unordered_set<Tcl_Command>;

/// Called before every command the input runs: only the commands allowed,
/// with a bounded number of bounded arguments.
int Gate(ClientData allowed, Tcl_Interp* interp, int, const char*, Tcl_Command command, int objc,
         Tcl_Obj* const objv[]) {
  if (!static_cast<const Allowed*>(allowed)->count(command)) {
    Tcl_SetObjResult(interp, Tcl_NewStringObj(ZoreFuzz::kTclNotAllowed, -1));
    return TCL_ERROR;
  }
  bool tooLarge = objc > kMaxWords;
  for (int i = 0; i < objc && !tooLarge; ++i) {
    int length = 0;
    Tcl_GetStringFromObj(objv[i], &length);
    tooLarge = length > kMaxWordBytes;
  }
  if (!tooLarge) return TCL_OK;
  Tcl_SetObjResult(interp, Tcl_NewStringObj(ZoreFuzz::kTclTooLarge, -1));
  return TCL_ERROR;
}

/// The safe child the input runs in, its commands and limits set.
Tcl_Interp* NewChild(Tcl_Interp* master, const Workspace& workspace, Allowed& allowed) {
  Tcl_Interp* child = Tcl_CreateSlave(master, "input", 1);
  if (!child) std::abort();
  for (const char* name : ZoreFuzz::kTclFileCommands) {
    const char* words[] = {workspace.scratch.c_str(), name};
    Tcl_CreateAlias(child, name, master, ZoreFuzz::kTclGuardName, 2, words);
  }
  for (const char* name : ZoreFuzz::kTclPlainCommands) {
    Tcl_CreateAlias(child, name, master, name, 0, nullptr);
  }
  auto allow = [&](const char* name) {
    if (Tcl_Command command = Tcl_FindCommand(child, name, nullptr, TCL_GLOBAL_ONLY)) {
      allowed.insert(command);
    }
  };
  for (const char* name : ZoreFuzz::kTclFileCommands) allow(name);
  for (const char* name : ZoreFuzz::kTclPlainCommands) allow(name);
  for (const char* name : ZoreFuzz::kTclCoreCommands) allow(name);
  // Without inline compilation every command, compiled ones too, passes
  // through the gate.
  Tcl_CreateObjTrace(child, 0, 0, Gate, &allowed, nullptr);
  Tcl_LimitSetCommands(child, kMaxCommands);
  Tcl_LimitTypeSet(child, TCL_LIMIT_COMMANDS);
  Tcl_SetRecursionLimit(child, kMaxNesting);
  return child;
}

/// Runs the input as a shell does: one complete command at a time, going on
/// after a command that fails.
void RunCommandLines(Tcl_Interp* child, const std::string& input) {
  std::string command;
  std::size_t start = 0;
  while (start < input.size()) {
    const std::size_t lineEnd = input.find('\n', start);
    const std::size_t end = lineEnd == std::string::npos ? input.size() : lineEnd + 1;
    command.append(input, start, end - start);
    start = end;
    if (start < input.size() && !Tcl_CommandComplete(command.c_str())) continue;
    Tcl_EvalEx(child, command.data(), static_cast<int>(command.size()), TCL_EVAL_GLOBAL);
    command.clear();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Workspace& workspace = TheWorkspace();
  if (size > kMaxInputBytes) return 0;
  ResetScratch(workspace);
  Tcl_Interp* master = NewMaster(workspace);
  Allowed allowed;
  Tcl_Interp* child = NewChild(master, workspace, allowed);
  RunCommandLines(child, std::string(reinterpret_cast<const char*>(data), size));
  Tcl_DeleteInterp(master);  // the child, the session and its partitions go with it
  ZoreFuzz::ExpectNoLiveComponents();
  if (HostModel::LiveObjects() != workspace.liveHostObjects) std::abort();
  return 0;
}

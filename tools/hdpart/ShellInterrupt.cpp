// Ctrl-C in the interactive shell. The signal handler does only what is
// safe there: at the prompt it writes a byte to a pipe the line editor
// watches; while a command runs it marks a Tcl asynchronous handler, which
// the interpreter calls at its next safe point (between two bytecodes, so a
// busy "while 1 {}" is reached too), and which makes the command fail.
//
// A press is tied to the command it interrupted by a serial number: a mark
// the interpreter only reaches after that command ended is dropped, rather
// than failing the next command typed.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "TclShell.h"
#include "ToolMessages.h"

namespace hdpart {

namespace {

std::atomic<Tcl_AsyncHandler> g_async{nullptr};
std::atomic<int> g_promptWrite{-1};
int g_promptRead = -1;
Tcl_Interp* g_interp = nullptr;
/// The command running, counted from one; zero at the prompt.
std::atomic<unsigned> g_running{0};
unsigned g_commands = 0;
/// The command Ctrl-C was pressed in.
std::atomic<unsigned> g_interrupted{0};
struct sigaction g_before {};

void OnInterrupt(int) {
  const int saved = errno;
  const unsigned running = g_running.load();
  if (running != 0) {
    g_interrupted.store(running);
    if (Tcl_AsyncHandler async = g_async.load()) Tcl_AsyncMark(async);
  } else {
    const char press = 1;
    const int fd = g_promptWrite.load();
    if (fd >= 0 && write(fd, &press, 1) < 0) {
      // A full pipe already holds a press; one is enough.
    }
  }
  errno = saved;
}

int Interrupt(ClientData, Tcl_Interp* interp, int code) {
  const unsigned running = g_running.load();
  if (running == 0 || g_interrupted.load() != running) return code;
  Tcl_Obj* message = Tcl_NewStringObj(kTclInterrupted, -1);
  if (!interp) {
    // Reached from the event loop ("vwait", "update"), where no command's
    // result can be set: the shell's command is cancelled instead, with the
    // same message (the loop stops at its next round), and the shell gives
    // the error its code afterwards (Interrupts::Running::Settle).
    Tcl_CancelEval(g_interp, message, nullptr, 0);
    return code;
  }
  Tcl_SetObjResult(interp, message);
  Tcl_SetErrorCode(interp, kTclInterruptedCode[0], kTclInterruptedCode[1], nullptr);
  return TCL_ERROR;
}

}  // namespace

Interrupts::Interrupts(Tcl_Interp* interp) {
  g_interp = interp;
  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
    g_promptRead = fds[0];
    g_promptWrite.store(fds[1]);
  }
  g_async.store(Tcl_AsyncCreate(Interrupt, nullptr));
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  // What a command is blocked in goes on after the press (Tcl's channels
  // retry an interrupted read anyway); the prompt's poll is woken whatever
  // the flag says.
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, &g_before);
}

Interrupts::~Interrupts() {
  sigaction(SIGINT, &g_before, nullptr);
  Tcl_AsyncDelete(g_async.exchange(nullptr));
  const int write = g_promptWrite.exchange(-1);
  if (write >= 0) close(write);
  if (g_promptRead >= 0) close(g_promptRead);
  g_promptRead = -1;
  g_interp = nullptr;
}

int Interrupts::PromptDescriptor() const { return g_promptRead; }

Interrupts::Running::Running() {
  if (++g_commands == 0) ++g_commands;  // zero stands for the prompt
  g_running.store(g_commands);
  // A press between the line's end and now went to the prompt's pipe; it
  // was meant for this command.
  char presses[64];
  bool pressed = false;
  while (g_promptRead >= 0 && read(g_promptRead, presses, sizeof presses) > 0) pressed = true;
  if (pressed) OnInterrupt(SIGINT);
}

Interrupts::Running::~Running() { g_running.store(0); }

bool Interrupts::Running::Pressed() const { return g_interrupted.load() == g_running.load(); }

void Interrupts::Running::Settle(Tcl_Interp* interp, int code) const {
  if (code != TCL_ERROR || !Pressed()) return;
  const std::vector<std::string> error = ErrorCodeOf(interp, code);
  if (error.size() < 2 || error[0] != "TCL" || error[1] != "CANCEL") return;
  Tcl_SetErrorCode(interp, kTclInterruptedCode[0], kTclInterruptedCode[1], nullptr);
  Tcl_Obj* words = Tcl_NewListObj(0, nullptr);
  for (const char* word : kTclInterruptedCode) {
    Tcl_ListObjAppendElement(nullptr, words, Tcl_NewStringObj(word, -1));
  }
  Tcl_SetVar2Ex(interp, "errorCode", nullptr, words, TCL_GLOBAL_ONLY);
}

}  // namespace hdpart

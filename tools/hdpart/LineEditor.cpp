// Reading a line at a terminal. readline is driven through its callback
// interface, one character at a time as poll says one is there, so the line
// editor can watch the interrupt pipe beside the terminal: Ctrl-C abandons
// the line being typed and the shell prompts afresh. readline's own signal
// handlers stay out (rl_catch_signals); SIGINT is the shell's.
#include <fcntl.h>
#include <poll.h>
#include <readline/history.h>
#include <readline/readline.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "TclShell.h"
#include "ToolMessages.h"

namespace hdpart {

namespace {

/// What readline's line handler was given, for the call of Next under way.
struct Accepted {
  std::string line;
  bool done = false;
  bool end = false;
};
Accepted* g_accepted = nullptr;

void OnLine(char* line) {
  // Removed here, before readline would show the prompt again.
  rl_callback_handler_remove();
  g_accepted->done = true;
  if (!line) {
    g_accepted->end = true;
    return;
  }
  g_accepted->line = line;
  std::free(line);
}

/// Where the history lives: below $XDG_STATE_HOME when it names an absolute
/// directory, else below ~/.local/state; empty without either.
std::filesystem::path HistoryPath() {
  std::filesystem::path home;
  const char* state = std::getenv(kStateHomeVariable);
  const char* user = std::getenv("HOME");
  if (state && state[0] == '/') {
    home = state;
  } else if (user && *user) {
    home = std::filesystem::path(user) / kDefaultStateHome;
  } else {
    return {};
  }
  return home / kHistoryFolder / kHistoryFile;
}

}  // namespace

LineEditor::LineEditor(Tcl_Interp* interp, int interrupts) : m_interrupts(interrupts) {
  rl_readline_name = kToolName;
  rl_catch_signals = 0;
  InstallCompletion(interp);
  stifle_history(kHistoryLimit);
  OpenHistory();
}

LineEditor::~LineEditor() { rl_callback_handler_remove(); }

void LineEditor::OpenHistory() {
  const std::filesystem::path path = HistoryPath();
  if (path.empty()) return;
  m_historyPath = path.string();
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  if (error) return Drop(History::NotWritten, error.message());
  // Created now when missing: readline appends only to a file that exists.
  const int fd = open(m_historyPath.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return Drop(History::NotWritten, std::strerror(errno));
  close(fd);
  if (const int fault = read_history(m_historyPath.c_str())) {
    Drop(History::NotRead, std::strerror(fault));
  }
}

void LineEditor::Drop(History fault, const std::string& why) {
  if (fault == History::NotRead) {
    ShellWarning(kMsgHistoryNotRead, m_historyPath.c_str(), why.c_str());
  } else {
    ShellWarning(kMsgHistoryNotWritten, m_historyPath.c_str(), why.c_str());
  }
  m_historyPath.clear();
}

void LineEditor::Remember(const std::string& command) {
  add_history(command.c_str());
  if (m_historyPath.empty()) return;
  int fault = append_history(1, m_historyPath.c_str());
  if (!fault) fault = history_truncate_file(m_historyPath.c_str(), kHistoryLimit);
  if (fault) Drop(History::NotWritten, std::strerror(fault));
}

LineEditor::Read LineEditor::Next(const char* prompt, std::string& out) {
  Accepted accepted;
  g_accepted = &accepted;
  rl_callback_handler_install(prompt, OnLine);
  while (!accepted.done) {
    pollfd watched[] = {{STDIN_FILENO, POLLIN, 0}, {m_interrupts, POLLIN, 0}};
    if (poll(watched, m_interrupts >= 0 ? 2 : 1, -1) < 0) {
      if (errno == EINTR) continue;
      accepted.end = true;
      break;
    }
    if (m_interrupts >= 0 && (watched[1].revents & POLLIN)) {
      char presses[64];
      while (read(m_interrupts, presses, sizeof presses) > 0) {
      }
      // As readline leaves a line on its own SIGINT: "^C" where the
      // terminal echoes control characters, the line kept on screen.
      rl_echo_signal_char(SIGINT);
      rl_free_line_state();
      rl_callback_sigcleanup();
      rl_crlf();
      rl_callback_handler_remove();
      g_accepted = nullptr;
      return Read::Interrupted;
    }
    if (watched[0].revents) rl_callback_read_char();
  }
  rl_callback_handler_remove();
  g_accepted = nullptr;
  if (accepted.end) return Read::End;
  out = std::move(accepted.line);
  return Read::Line;
}

}  // namespace hdpart

// The pieces of `hdpart tcl` around the interpreter: running commands read
// from standard input (a terminal or a pipe), showing what they answered,
// and, in a terminal, the line editor, Ctrl-C, and an exit that does not
// drop changes unasked. Each piece has its own source unit:
//
//   TclShell.cpp        the read-evaluate loops, results, suggestions
//   LineEditor.cpp      readline: reading a line, Ctrl-C at the prompt, history
//   ShellCompletion.cpp what Tab offers
//   ShellInterrupt.cpp  Ctrl-C while a command runs
//   ShellExit.cpp       exit and the end of input with changes not saved
#pragma once

#include <tcl.h>

#include <string>
#include <vector>

namespace hdpart {

// ---- TclShell.cpp ----

/// Runs the commands of standard input. A terminal gets the interactive
/// shell: prompts, line editing, results shown, and errors shown while the
/// shell goes on, until exit or the end of input. Other input is read as a
/// script is: no prompt, results not shown, and the first error ends it;
/// false then.
bool RunStandardInput(Tcl_Interp* interp, bool terminal);

/// What the last command answered: its error on standard error (with the
/// names nearest a mistyped command), or, when `echo` is set, its result on
/// standard output.
void ShowResult(Tcl_Interp* interp, int code, bool echo = true);

/// `text` (an error's message, or its stack trace beginning with it) with
/// "; did you mean NAME?" after its first line when the interpreter's last
/// error was an unknown command and known commands are near its name.
std::string WithSuggestion(Tcl_Interp* interp, int code, const std::string& text);

/// The words of the -errorcode of the interpreter's last answer, `code`.
std::vector<std::string> ErrorCodeOf(Tcl_Interp* interp, int code);

/// "WARNING: " and the formatted text on the interpreters' standard error
/// channel, after what their standard output channel holds.
void ShellWarning(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

/// The words of the list `script` answers in the global namespace; none when
/// it fails. The interpreter's result and error state are kept as they were.
std::vector<std::string> EvalQuietly(Tcl_Interp* interp, const char* script);

// ---- LineEditor.cpp ----

/// Lines typed at a terminal, through readline with Tab completion, and the
/// history kept across runs. The history lives in
/// $XDG_STATE_HOME/hdpart/history (~/.local/state/hdpart/history by
/// default), bounded to kHistoryLimit entries; a history file that cannot be
/// read or written is one warning, and the shell goes on without it.
class LineEditor {
 public:
  enum class Read { Line, Interrupted, End };

  /// `interrupts` is readable when Ctrl-C was pressed at the prompt.
  LineEditor(Tcl_Interp* interp, int interrupts);
  ~LineEditor();
  LineEditor(const LineEditor&) = delete;
  LineEditor& operator=(const LineEditor&) = delete;

  /// The next line after `prompt`: Interrupted when Ctrl-C abandoned it,
  /// End at the end of input.
  Read Next(const char* prompt, std::string& out);
  /// Adds a command to the history and to the history file.
  void Remember(const std::string& command);

 private:
  enum class History { NotRead, NotWritten };

  void OpenHistory();
  /// Warns that the history file cannot be kept, and why, and stops using
  /// it: one warning at most.
  void Drop(History fault, const std::string& why);

  int m_interrupts;
  std::string m_historyPath;  // empty: no history file
};

// ---- ShellCompletion.cpp ----

/// Makes Tab complete, in `interp`: command names, then the options of the
/// command being typed, property names after get_property and set_property,
/// and file names elsewhere.
void InstallCompletion(Tcl_Interp* interp);

// ---- ShellInterrupt.cpp ----

/// Ctrl-C in the interactive shell, for its span. At the prompt it makes a
/// pipe readable (the line editor abandons the line); while a command runs
/// it makes the command fail with "interrupted" and the error code
/// HDPARTITION INTERRUPTED at the interpreter's next safe point.
class Interrupts {
 public:
  explicit Interrupts(Tcl_Interp* interp);
  ~Interrupts();
  Interrupts(const Interrupts&) = delete;
  Interrupts& operator=(const Interrupts&) = delete;

  /// Readable after Ctrl-C at the prompt; the reader drains it.
  int PromptDescriptor() const;

  /// Marks the span of one command: Ctrl-C within interrupts it.
  class Running {
   public:
    Running();
    ~Running();
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

    /// Whether Ctrl-C was pressed in this command.
    bool Pressed() const;
    /// After the command failed on Ctrl-C in the event loop (a cancel,
    /// error code TCL CANCEL): gives the error the code of an interrupt.
    void Settle(Tcl_Interp* interp, int code) const;
  };
};

// ---- ShellExit.cpp ----

/// "exit" in the interactive shell: while the open design holds changes
/// not saved, the first exit (or end of input) warns, naming the project,
/// and the shell goes on; the next leaves, as does "exit -force". The
/// interpreter's own exit is kept aside and called to leave, so "exit N"
/// keeps its status.
class ExitGuard {
 public:
  explicit ExitGuard(Tcl_Interp* interp);
  ~ExitGuard();
  ExitGuard(const ExitGuard&) = delete;
  ExitGuard& operator=(const ExitGuard&) = delete;

  /// Whether the shell may end now; warns (once) when it may not.
  bool MayLeave();
  /// After each command: a design saved since the warning is warned about
  /// again when it changes anew.
  void Update();

 private:
  static int Exit(ClientData guard, Tcl_Interp* interp, int objc, Tcl_Obj* const objv[]);
  static void Deleted(ClientData guard);

  Tcl_Interp* m_interp;
  Tcl_Command m_command = nullptr;
  bool m_warned = false;
};

}  // namespace hdpart

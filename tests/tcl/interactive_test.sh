#!/usr/bin/env bash
# Interactive `hdpart tcl` sessions in a terminal (tmux on a socket of its
# own), read off the screen: commands and their answers, Ctrl-C at the
# prompt, at the continuation prompt and in a running command, exit and the
# end of input with changes not saved, Tab completion (commands, options,
# properties, partitions), the history kept across runs, the names offered
# for a mistyped command, and a history file that cannot be written.
set -euo pipefail
hdpart=$1
design=$2
socket=hdpart-tcl-test-$$
work=$(mktemp -d "${TMPDIR:-/tmp}/tcl-interactive.XXXXXX")
trap 'tmux -L "$socket" kill-server 2>/dev/null || true; rm -rf "$work"' EXIT

keys() { tmux -L "$socket" send-keys "$@" || fail "the shell is gone"; }
screen() { tmux -L "$socket" capture-pane -p -S - 2>/dev/null || true; }
fail() { echo "$1"; screen; exit 1; }
# Waits until the screen shows $1 ($2 times, once by default); with -x, as
# a whole line. Keys that follow Ctrl-C wait for its "^C": typed on at once,
# they could reach the line before the shell has abandoned it.
await() {
  local whole=()
  if [ "$1" = -x ]; then whole=(-x); shift; fi
  for _ in $(seq 1 300); do
    [ "$(screen | grep -cF "${whole[@]}" -- "$1")" -ge "${2:-1}" ] && return 0
    sleep 0.1
  done
  fail "never saw: $1"
}
# Waits until the shell prompts: readline has the terminal, so Ctrl-C and
# Ctrl-D reach the prompt, not a command still running.
idle() {
  for _ in $(seq 1 300); do
    [ "$(screen | grep -v '^$' | tail -n 1)" = 'hdpart%' ] && return 0
    sleep 0.1
  done
  fail "no prompt"
}
# Ctrl-C until the screen shows $1 as a whole line: a loaded machine may
# take a while to go from the Enter to running the command, and a Ctrl-C
# that comes before it is the prompt's.
interrupt() {
  for _ in $(seq 1 30); do
    keys C-c
    for _ in $(seq 1 10); do
      screen | grep -qxF -- "$1" && return 0
      sleep 0.1
    done
  done
  fail "never saw: $1"
}
# Starts a shell whose state (the history) lives below $1.
start() {
  rm -f "$work/status"
  tmux -L "$socket" new-session -d -x 200 -y 50 \
    "env XDG_STATE_HOME='$1' '$hdpart' tcl; echo \$? >'$work/status.new'; mv '$work/status.new' '$work/status'"
  await 'hdpart%'
}
# Waits until the shell has ended with status $1.
ended() {
  for _ in $(seq 1 300); do
    if [ -f "$work/status" ]; then
      [ "$(cat "$work/status")" = "$1" ] || fail "the shell ended with $(cat "$work/status"), not $1"
      return 0
    fi
    sleep 0.1
  done
  fail "the shell did not end"
}

# Commands and answers.
start "$work/state"
keys "read_xpartition $design" Enter
keys 'get_property preserve_effective [get_partitions /top/mid/leaf]' Enter
await 'placement'
keys 'get_partitions /top/Si*' Enter
await 'partition:/top/Side'
keys 'puts -nonewline half-a-line' Enter
await -x 'half-a-linehdpart%'

# Ctrl-C abandons the line being typed, and the whole of a partial command.
keys 'puts typed-then-abandoned'
keys C-c
await 'hdpart% puts typed-then-abandoned^C'
keys 'puts after-prompt' Enter
await -x 'after-prompt'
keys 'proc half {} {' Enter 'puts inside' Enter
await -x '> puts inside'
keys C-c
await -x '> ^C'
keys 'puts "procs:[info procs half]."' Enter
await -x 'procs:.'
screen | grep -qx 'typed-then-abandoned' && fail "an abandoned line ran"

# Ctrl-C in a running command interrupts it; the design stays open.
keys 'while 1 {}' Enter
await -x 'hdpart% while 1 {}'
interrupt 'Error: interrupted'
keys 'puts "code:$errorCode"' Enter
await -x 'code:HDPARTITION INTERRUPTED'
keys 'puts "count:[llength [get_partitions]]"' Enter
await -x 'count:4'
idle

# Tab: a command, an option, a property name, a partition's name and handle.
keys 'report_hier' Tab
await -x 'hdpart% report_hierarchy'
keys C-c
await -x 'hdpart% report_hierarchy ^C'
keys 'get_partitions -fil' Tab
await -x 'hdpart% get_partitions -filter'
keys '{full_name =~ *mid}' Enter
await -x 'partition:/top/mid'
keys 'get_property preserve_eff' Tab
await -x 'hdpart% get_property preserve_effective'
keys '[get_partitions /top/S' Tab
await -x 'hdpart% get_property preserve_effective [get_partitions /top/Side'
keys ']' Enter
await -x 'synthesis'
keys 'get_property name partition:/top/mid/l' Tab
await -x 'hdpart% get_property name partition:/top/mid/leaf'
keys Enter
await -x '/top/mid/leaf'

# A mistyped command, and the names near it.
keys 'report_hierachy' Enter
await 'Error: invalid command name "report_hierachy"; did you mean report_hierarchy?'
idle

# Exit with changes not saved warns once, naming the project; the next leaves.
keys 'set_property preserve placement [get_partitions /top/Side]' Enter
keys 'exit' Enter
await 'WARNING: project "three" has changes not saved'
keys 'puts still-running' Enter
await -x 'still-running'
keys 'exit' Enter
ended 0
grep -qx 'puts still-running' "$work/state/hdpart/history" ||
  fail "the history file lacks the commands: $(cat "$work/state/hdpart/history")"

# The history of the run before; the end of input warns as exit does;
# exit -force leaves with its status.
start "$work/state"
keys Up Up
await 'hdpart% puts still-running'
keys C-c
await -x 'hdpart% puts still-running^C'
keys "read_xpartition $design" Enter 'set_property preserve placement [get_partitions /top]' Enter
idle
keys C-d
await 'WARNING: project "three" has changes not saved'
keys 'exit -force 3' Enter
ended 3

# A history that cannot be kept is one warning; the shell works on, and a
# second end of input leaves with changes not saved.
touch "$work/file"
start "$work/file"
keys "read_xpartition $design" Enter 'set_property preserve placement [get_partitions /top]' Enter
keys 'puts without-history' Enter
await -x 'without-history'
idle
keys C-d
await 'WARNING: project "three" has changes not saved'
warnings=$(screen | grep -c 'WARNING: hdpart: the command history')
[ "$warnings" = 1 ] || fail "$warnings warnings about the history, not one"
idle
keys C-d
ended 0

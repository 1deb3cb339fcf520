#!/usr/bin/env bash
# One interactive `hdpart tcl` session in a terminal (tmux on a socket of its
# own): types two commands and reads the answers off the screen, then exits.
set -euo pipefail
hdpart=$1
design=$2
socket=hdpart-tcl-test-$$
tmux -L "$socket" new-session -d -x 200 -y 50 "$hdpart tcl"
trap 'tmux -L "$socket" kill-server 2>/dev/null || true' EXIT
screen() { tmux -L "$socket" capture-pane -p; }
# Waits until the screen shows $1.
await() {
  for _ in $(seq 1 300); do
    screen | grep -qF -- "$1" && return 0
    sleep 0.1
  done
  echo "never saw: $1"; screen; exit 1
}
await 'hdpart%'
tmux -L "$socket" send-keys "read_xpartition $design" Enter
tmux -L "$socket" send-keys 'get_property preserve_effective [get_partitions /top/mid/leaf]' Enter
await 'placement'
tmux -L "$socket" send-keys 'get_partitions /top/Si*' Enter
await 'partition:/top/Side'
tmux -L "$socket" send-keys 'exit' Enter
for _ in $(seq 1 300); do
  tmux -L "$socket" has-session 2>/dev/null || exit 0
  sleep 0.1
done
echo "the shell did not end on exit"; exit 1

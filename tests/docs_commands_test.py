#!/usr/bin/env python3
"""Runs the examples of the documents and compares what they print.

    docs_commands_test.py BIN_DIR SOURCE_DIR

An example is a fenced block marked ``sh`` in README.md or in a page of docs/.
Each of its commands stands on a line of its own behind the prompt ``$ ``
(a line ending in a backslash goes on with the next); the lines after a
command, up to the next command or the end of the block, are what it prints,
standard output and standard error together, as a terminal shows them. A
line ``...`` cuts that short: the lines before it must be the first lines the
command prints, and nothing follows it. Without ``...`` the command prints
exactly the lines shown. Blanks at the ends of lines are not compared.

The examples of one document run in turn, in a fresh copy of examples/, with
BIN_DIR first on PATH, TZ=UTC, the C locale and no standard input, so a
document can save a project file in one command and read it in the next.
Every command must end with status 0. Commands that are not to be run
(building, installing) are shown in blocks of another language.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile

PROMPT = "$ "
CUT = "..."
TIMEOUT_SECONDS = 120


class Example:
    def __init__(self, document, line, command):
        self.document = document
        self.line = line
        self.command = command
        self.shown = []

    def where(self):
        return f"{self.document}:{self.line}"


def documents(source):
    """README.md, then every page of docs/, by name."""
    found = [os.path.join(source, "README.md")]
    docs = os.path.join(source, "docs")
    found += sorted(os.path.join(docs, name) for name in os.listdir(docs) if name.endswith(".md"))
    return found


def examples_of(path, name, faults):
    """The examples of one document, each a command with the lines it shows."""
    with open(path, encoding="utf-8") as text:
        lines = text.read().split("\n")
    found = []
    fence = None      # the fence of the block we are in, or None
    runnable = False  # whether that block is an example
    current = None
    continued = False
    block_start = 0
    for number, line in enumerate(lines, 1):
        if fence is None:
            opening = re.match(r"^(```+|~~~+)\s*([^\s`]*)", line)
            if opening:
                fence = opening.group(1)
                runnable = opening.group(2) == "sh"
                current = None
                continued = False
                block_start = number
                commands_in_block = 0
            continue
        if line.strip().startswith(fence) and line.strip().strip(fence[0]) == "":
            if runnable and commands_in_block == 0:
                faults.append(f"{name}:{block_start}: an sh block without a '{PROMPT}' command")
            fence = None
            continue
        if not runnable:
            continue
        if continued:
            current.command += "\n" + line
            continued = line.endswith("\\")
            continue
        if line.startswith(PROMPT):
            current = Example(name, number, line[len(PROMPT):])
            found.append(current)
            commands_in_block += 1
            continued = line.endswith("\\")
            continue
        if current is None:
            faults.append(f"{name}:{number}: output before the first '{PROMPT}' command of the block")
            continue
        current.shown.append(line)
    if fence is not None:
        faults.append(f"{name}:{block_start}: a block that is never closed")
    return found


def run(example, work, env):
    completed = subprocess.run(
        ["bash", "-o", "pipefail", "-c", example.command],
        cwd=work, env=env, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
        stderr=subprocess.STDOUT, timeout=TIMEOUT_SECONDS)
    printed = completed.stdout.decode("utf-8", errors="replace").split("\n")
    if printed and printed[-1] == "":
        printed.pop()
    return completed.returncode, printed


def compare(example, status, printed):
    """What is wrong with the command's outcome, or None."""
    shown = example.shown
    if CUT in shown:
        at = shown.index(CUT)
        if any(line.strip() for line in shown[at + 1:]):
            return f"lines follow '{CUT}'"
        shown = shown[:at]
        got = printed[:len(shown)]
    else:
        got = printed
    want = [line.rstrip() for line in shown]
    got = [line.rstrip() for line in got]
    problems = []
    if status != 0:
        problems.append(f"exit status {status}")
    if got != want:
        problems.append("prints something else than shown")
        for index in range(max(len(want), len(got))):
            w = want[index] if index < len(want) else "(nothing)"
            g = got[index] if index < len(got) else "(nothing)"
            if w != g:
                problems.append(f"  first difference, line {index + 1} of its output:")
                problems.append(f"    shown:   {w}")
                problems.append(f"    printed: {g}")
                break
    if problems:
        return "\n".join(problems + ["  it printed:"] + ["    " + line for line in printed[:40]])
    return None


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: docs_commands_test.py BIN_DIR SOURCE_DIR")
    bin_dir, source = (os.path.abspath(argument) for argument in sys.argv[1:])
    env = dict(os.environ)
    env.update(PATH=bin_dir + os.pathsep + env.get("PATH", ""), TZ="UTC", LC_ALL="C")
    for name in ("OMB_PR_PERSISTENT_PIF", "OMB_PR_ALLOW_INCOMPLETE_PIF", "TCLLIBPATH"):
        env.pop(name, None)

    faults = []
    count = 0
    readme_count = 0
    for path in documents(source):
        name = os.path.relpath(path, source)
        found = examples_of(path, name, faults)
        if not found:
            continue
        with tempfile.TemporaryDirectory(prefix="docs-commands.") as scratch:
            work = os.path.join(scratch, "examples")
            shutil.copytree(os.path.join(source, "examples"), work, symlinks=True)
            env["HOME"] = scratch
            for example in found:
                count += 1
                if name == "README.md":
                    readme_count += 1
                try:
                    status, printed = run(example, work, env)
                except subprocess.TimeoutExpired:
                    faults.append(f"{example.where()}: {example.command}\n  ran past {TIMEOUT_SECONDS} s")
                    continue
                wrong = compare(example, status, printed)
                if wrong:
                    faults.append(f"{example.where()}: {example.command}\n{wrong}")
    # The README's tour is the one place every reader starts from: losing its
    # examples (a fence renamed, a prompt dropped) must not pass unseen.
    if readme_count == 0:
        faults.append("README.md: no sh example found")
    for fault in faults:
        print(fault, file=sys.stderr)
    print(f"{count} commands from the documents run, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

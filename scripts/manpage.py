#!/usr/bin/env python3
"""Writes hdpart's man page (roff) on standard output from the tool's own
help texts: the tool's --help and every command's --help, so the page cannot
drift from the one place each command is declared.

    scripts/manpage.py HDPART > hdpart.1
"""
import re
import subprocess
import sys

hdpart = sys.argv[1]


def run(*args):
    return subprocess.run([hdpart, *args], check=True, capture_output=True, text=True).stdout


def escape(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text[:1] in (".", "'") else text


def body(lines):
    """Help text as roff: plain lines fill paragraphs, blank lines part them,
    indented lines (option lists, examples) stay as they stand."""
    out, verbatim = [], False
    for line in lines:
        indented = line.startswith("  ")
        if verbatim and not indented:
            out += [".fi", ".RE"]
            verbatim = False
        if not line.strip():
            out.append(".PP")
        elif indented:
            if not verbatim:
                out += [".RS 2", ".nf"]
                verbatim = True
            out.append(escape(line[2:]))
        else:
            out.append(escape(line))
    if verbatim:
        out += [".fi", ".RE"]
    return "\n".join(out)


help_text = run("--help").splitlines()
version = run("--version").split()[-1]
usage = [line for line in help_text[:3] if line.strip()]
# The help: paragraphs, the option list after "Options:", more paragraphs,
# then the command list after "Commands:".
description, options, command_list = [], [], []
where = description
for line in help_text[len(usage):]:
    if line == "Options:":
        where = options
    elif line == "Commands:":
        where = command_list
    elif where is options and not line.strip():
        where = description
        description.append(line)
    else:
        where.append(line)
text = "\n".join(description)
# The exit statuses get a section of their own.
exit_status = re.search(r"Exit status: (.*?)(\n\n|$)", text, re.S).group(1).replace("\n", " ")
text = re.sub(r"Exit status: .*?(\n\n|$)", "", text, flags=re.S)
commands = [line.split()[0] for line in command_list if re.match(r"^  [a-z]", line)]

page = [
    f'.TH HDPART 1 "" "hdpart {version}" "User Commands"',
    ".SH NAME",
    "hdpart \\- read, show, report, check, save, import and script hierarchical\\-design partitions",
    ".SH SYNOPSIS",
    ".nf",
    *[escape(line.replace("usage: ", "", 1).strip()) for line in usage],
    ".fi",
    ".SH DESCRIPTION",
    body([line for line in text.strip().splitlines() if not line.startswith("Run 'hdpart")]),
    ".SH OPTIONS",
]
for line in options:
    match = re.match(r"^  (\S+(?:, \S+)?)\s{2,}(.*)$", line)
    if match:
        page += [".TP", f"\\fB{escape(match.group(1))}\\fR", escape(match.group(2))]
    elif line.strip():
        page.append(escape(line.strip()))
page.append(".SH COMMANDS")
for command in commands:
    lines = run(command, "--help").splitlines()
    synopsis = lines[0].replace("usage: ", "", 1)
    page += [f".SS {escape(command)}", ".nf", escape(synopsis), ".fi", ".PP", body(lines[2:])]
page += [
    ".SH ENVIRONMENT",
    ".TP", "\\fBOMB_PR_PERSISTENT_PIF\\fR",
    "Set (to anything): an import takes the implementation results from the exported "
    "partition's records instead of the import location.",
    ".TP", "\\fBOMB_PR_ALLOW_INCOMPLETE_PIF\\fR",
    "Set (to anything): a missing implementation result is a warning, not an error.",
    ".TP", "\\fBHDPART_PROGRESS_AFTER\\fR",
    "Seconds a command runs before it shows progress on a terminal (1).",
    ".TP", "\\fBXDG_STATE_HOME\\fR",
    "Where the Tcl shell keeps its command history (\\fI~/.local/state\\fR when unset).",
    ".SH EXIT STATUS",
    escape(exit_status),
    ".SH FILES",
    ".TP", "\\fIxpartition.pxml\\fR",
    "A partition description: XML, root element <Project>.",
    ".TP", "\\fIproject.hdproj\\fR",
    "The exported project's file in an import location, as \\fBhdpart save\\fR writes it.",
    ".TP", "\\fI$XDG_STATE_HOME/hdpart/history\\fR",
    "The Tcl shell's command history, at most 1000 commands.",
    ".SH EXAMPLES",
    ".nf",
    escape("hdpart report xpartition.pxml"),
    escape("hdpart tree --depth 1 xpartition.pxml"),
    escape("hdpart tree --format dot xpartition.pxml | dot -Tsvg > tree.svg"),
    escape("hdpart save xpartition.pxml -o design.prj"),
    escape("hdpart import xpartition.pxml -o design.prj"),
    escape("hdpart tcl report.tcl"),
    ".fi",
    ".SH SEE ALSO",
    "The Tcl commands: \\fBhdpart tcl\\fR, then \\fBhelp\\fR; docs/TCL.md and docs/HDPART.md.",
]
print("\n".join(page))

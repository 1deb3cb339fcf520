#!/usr/bin/env python3
"""Checks that each installed host library exports the names its installed
headers mark HOST_API, and nothing else.

  exported_names.py PREFIX

The runtime's headers are the Port and CitP headers; model, persist,
project and session have theirs under include/<package>/host/<part>.
Every dynamic symbol a library defines must be, or belong to, a class or
function its own headers mark, and every marked function must be there.
The libraries loaded by name and the Tcl package export their entry points
and nothing else.
"""
import glob
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
from host_api import belongs, marked_names  # noqa: E402

PACKAGE = "zavEraV_Adoduzadi"
# The libraries loaded by name, and the Tcl package: their entry points.
ENTRY_POINTS = {
    "libDpm_DesignData.so": {"InstFactoryEntry", "DesignDataEntryCount"},
    "libdevAreD_PartitionHelper.so": {"InstFactoryEntry"},
    "libTcltask_Helpers.so": {"InstFactoryEntry"},
    "libhdpartition.so": {"Hdpartition_Init", "Hdpartition_SetPinCheck",
                          "Hdpartition_UnsavedProject", "HostTcl::CommandTable()"},
}


def exported(library):
    listing = subprocess.run(["nm", "-DC", "--defined-only", library], check=True,
                             capture_output=True, text=True).stdout
    return sorted({line.split(" ", 2)[2] for line in listing.splitlines() if line.count(" ") >= 2})


def main(prefix):
    include = os.path.join(prefix, "include", PACKAGE)
    libraries = {
        "runtime": glob.glob(f"{include}/Port/*.h") + [f"{include}/CitP/Factory.h"],
        **{part: glob.glob(f"{include}/host/{part}/*.h")
           for part in ("model", "persist", "project", "session")},
    }
    faults = []
    for part, headers in libraries.items():
        found = glob.glob(f"{prefix}/lib*/**/lib{PACKAGE}_{part}.so.[0-9]", recursive=True)
        if len(found) != 1 or not headers:
            faults.append(f"{part}: {len(found)} libraries and {len(headers)} headers found")
            continue
        classes, functions = marked_names(headers)
        symbols = exported(found[0])
        faults += [f"{part}: exports {s}" for s in symbols if not belongs(s, classes, functions)]
        faults += [f"{part}: does not export {f}" for f in sorted(functions)
                   if not any(belongs(s, set(), {f}) for s in symbols)]
        print(f"exported names: {part}: {len(symbols)} symbols of {len(classes)} classes "
              f"and {len(functions)} functions")
    for name, expected in ENTRY_POINTS.items():
        found = glob.glob(f"{prefix}/lib*/**/{name}", recursive=True)
        symbols = set(exported(found[0])) if len(found) == 1 else set()
        if symbols != expected:
            faults.append(f"{name}: exports {sorted(symbols)}, not {sorted(expected)}")
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

// The hdpartition Tcl package: the partition commands in an interpreter.
// A plain tclsh loads it with "package require hdpartition" (a stubs-enabled
// extension found through pkgIndex.tcl); the hdpart shell calls its Init
// directly.
#pragma once

#include <tcl.h>

extern "C" {
/// Creates the commands in `interp` and provides the package; TCL_ERROR
/// (with the reason as the result) when the partition library cannot be
/// loaded.
int Hdpartition_Init(Tcl_Interp* interp);
}

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
/// Sets whether read_xpartition in `interp` refuses Pin elements that still
/// carry the old location attributes (`check` 1, the default) or accepts
/// them (`check` 0); -no_pin_check accepts them either way. TCL_ERROR when
/// the package is not loaded in `interp`.
int Hdpartition_SetPinCheck(Tcl_Interp* interp, int check);
/// The name of the project open in `interp` when it holds changes that no
/// save_project or write_xpartition has kept since it was opened; null when
/// there are none, no design is open, or the package is not loaded.
const char* Hdpartition_UnsavedProject(Tcl_Interp* interp);
}

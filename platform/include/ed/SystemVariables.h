// The host's system variables: named, typed settings of the editor ("PICKSTYLE",
// "OSMODE", "CMDECHO", ...) and read-only states ("CMDNAMES", "LASTPOINT"). Names compare
// without regard to case. Used by the system's guards that save, set and restore them.
#ifndef PLATFORM_ED_SYSTEMVARIABLES_H
#define PLATFORM_ED_SYSTEMVARIABLES_H

#include "ed/ResultBuffer.h"

/// Fills `result` (one node, not linked) with the variable's value: RTSHORT in
/// resval.rint, RTREAL in rreal, RTPOINT in rpoint (3 coordinates) or RTSTR in rstring (a
/// new string the caller frees with zcutDelBuffer). RTNORM; RTERROR for an unknown name
/// or a null buffer.
int zcedGetVar(const wchar_t* name, resbuf* result);
/// Sets a variable from the first node of `value`: an integer variable takes RTSHORT or
/// RTLONG, a real one also an integer, a text RTSTR, a point RTPOINT or RT3DPOINT.
/// RTNORM; RTERROR for an unknown name, a value of another type or out of the variable's
/// range (the value is then unchanged); RTREJ for a read-only variable.
int zcedSetVar(const wchar_t* name, const resbuf* value);

#endif

// Driving the host's own commands from code, as if typed ("_MOVE", "_Zoom", "_-view",
// "_UNDO", "_MENULOAD", "_-TOOLBAR", "_UCS", "_REGEN", ...), and the editor services that
// go with them: coordinate systems, menu groups, finding support files. Used by the
// system's command sequences and guards.
#ifndef PLATFORM_ED_HOSTCOMMANDS_H
#define PLATFORM_ED_HOSTCOMMANDS_H

#include <cstddef>

#include "ed/ResultBuffer.h"

/// Runs a host command with its answers: a list of items (RTSTR texts and keywords, ""
/// for Enter, "\\" for a pause that the user answers; RTPOINT/RT3DPOINT points in user
/// coordinates; RTREAL, RTSHORT, RTLONG numbers; RTENAME entities), ending at its last
/// node or at an RTNONE node. When the items end before the command does, the command
/// stays running (listed in "CMDNAMES") and the next call continues it; when the calling
/// command returns, the user answers the rest. Items left after a command ends start the
/// next command. RTNORM; RTCAN when the user cancelled a pause (the command does nothing);
/// RTERROR for an unknown command or an item its prompt cannot take (the command ends
/// without acting, with a message).
int zcedCmd(const resbuf* list);
/// The same items given as (type, value) arguments ending with RTNONE. The command line
/// is queued and runs when the running command returns (at once outside any command).
/// RTNORM when queued or run; RTERROR for an unknown command.
int zcedCommand(int type, ...);

/// Converts a point (or, with `displacement` nonzero, a vector) between coordinate
/// systems given as RTSHORT codes: 0 world, 1 user, 2 display (the plan view: as user).
/// An RTENAME system is an entity's own system; the host's entities lie in the world XY
/// plane, so it is the world's. RTNORM; RTERROR for another code.
int zcedTrans(const ads_point point, const resbuf* from, const resbuf* to, int displacement, ads_point result);

/// 1 when a menu group of that name (without regard to case) is loaded, else 0.
int zcedIsMenuGroupLoaded(const wchar_t* groupName);

/// Looks for a file as named (Windows paths are mapped; a name not found as written is
/// matched without regard to case) and copies the found path into `result` (`size`
/// characters with the terminator). RTNORM when found; RTERROR when not, or when the path
/// does not fit.
int zcedFindFile(const wchar_t* name, wchar_t* result, std::size_t size);

#endif

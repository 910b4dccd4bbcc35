// Driving the host's own commands from the system's code: fire-and-forget command lines,
// run-and-wait (feeding pauses until the driven command is done), and the fixed
// sequences built on them: zoom, named views, undo marks, menus and toolbars.
#ifndef FRAMEWORK_COMMANDSEQUENCES_H
#define FRAMEWORK_COMMANDSEQUENCES_H

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"
#include "mfc/CString.h"

class ResBuf;

/// A world point in the current user coordinate system, in which host commands take their
/// points; the point unchanged when the host cannot convert it.
ZcGePoint3d WorldToUser(const ZcGePoint3d& p);
/// A point of the current user coordinate system ("LASTPOINT", a command's answer) in world
/// coordinates; the point unchanged when the host cannot convert it.
ZcGePoint3d UserToWorld(const ZcGePoint3d& p);

/// Queues one command line (with "cmdecho" off while it is handed over); nothing waits.
void RunCommandString(const CString& text);
/// Runs the list's command with "cmdecho" at 0, restored afterwards; see
/// RunCommandAndWaitKeepEcho.
int RunCommandAndWait(ResBuf& list);
/// Runs the list's command and, while that command is still running inside the calling
/// one (its name, the first item without its first "_", upper-cased, stands in
/// "CMDNAMES" after the first name), sends pauses for the user to answer. The host's
/// status of the run; RTCAN when the user cancelled one of the pauses (the waiting stops
/// there). A command that ends at once gets no pause.
int RunCommandAndWaitKeepEcho(ResBuf& list);
/// One pause ("\\") for the running host command; the host's status.
int SendPause();

void ZoomWindow(const ZcGePoint3d& corner1, const ZcGePoint3d& corner2);
/// Zooms to a box given by its world corners.
void ZoomToExtents(const ZcGePoint3d& minPoint, const ZcGePoint3d& maxPoint);
void ZoomAll();
void SaveNamedView(const CString& name);
/// Restores the named view, then deletes it.
void RestoreNamedView(const CString& name);
void UndoBegin();
void UndoEnd();
void UndoMark();
void ShowToolbarCommand(const CString& name);
void MenuUnload(const CString& group);
/// Runs the host's move by a zero displacement over the ids ("OSMODE" at 0 meanwhile),
/// which makes the host redraw them; nothing for an empty array.
void MoveIdsByZero(const ZcDbObjectIdArray& ids);
/// Appends "_MOVE", the ids, "" (end of selection), the base point and a pause for the
/// user's second point to `list` without running it. 600 for an empty array, else 0.
int MoveIds(const ZcDbObjectIdArray& ids, const ZcGePoint3d& basePoint, ResBuf& list);
/// The same for one id.
int AppendMoveCommandForId(ZcDbObjectId id, const ZcGePoint3d& basePoint, ResBuf& list);
/// Loads a menu file with "filedia" at 0 (restored afterwards, whatever happens). A file
/// that does not exist is reported on the command line as "<path> is missing"; the load
/// is still sent, and the host reports it too.
void MenuLoad(const CString& path);

#endif

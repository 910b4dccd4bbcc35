// The host command sequences the system drives.
#include "framework/CommandSequences.h"

#include "ed/zced.h"
#include "framework/Printer.h"
#include "framework/ResBuf.h"
#include "framework/ZWVariable.h"

namespace {

// True when `name` is a command running inside another one: a whole entry of "CMDNAMES"
// after the first.
bool RunsNested(const CString& name) {
  CString names;
  if (name.IsEmpty() || !ZWVariable(L"CMDNAMES").GetString(names)) return false;
  int pos = 0;
  int index = 0;
  for (CString entry = names.Tokenize(L"'", pos); pos >= 0; entry = names.Tokenize(L"'", pos), ++index)
    if (index > 0 && entry.CompareNoCase(name) == 0) return true;
  return false;
}

// The list's command name as "CMDNAMES" shows it: "_MOVE" => "MOVE", "_-view" => "-VIEW".
CString ListCommandName(const ResBuf& list) {
  CString name = list.FirstText();
  int underscore = name.Find(L'_');
  if (underscore >= 0) name.Delete(underscore);
  return name.MakeUpper();
}

int RunList(std::initializer_list<CString> items) {
  ResBuf list;
  for (const CString& item : items) list.AddString(item);
  return RunCommandAndWait(list);
}

// The point converted between the host's coordinate systems (0 world, 1 user).
ZcGePoint3d Trans(const ZcGePoint3d& p, short from, short to) {
  resbuf f{}, t{};
  f.restype = t.restype = RTSHORT;
  f.resval.rint = from;
  t.resval.rint = to;
  ads_point in = {p.x, p.y, p.z}, out;
  if (zcedTrans(in, &f, &t, 0, out) != RTNORM) return p;
  return {out[0], out[1], out[2]};
}

}  // namespace

ZcGePoint3d WorldToUser(const ZcGePoint3d& p) { return Trans(p, 0, 1); }
ZcGePoint3d UserToWorld(const ZcGePoint3d& p) { return Trans(p, 1, 0); }

void RunCommandString(const CString& text) {
  ResBuf list;
  SaveAndSet_cmdecho(list);
  zcedCommand(RTSTR, text.GetString(), RTNONE);
  Restore_cmdecho(list);
}

int RunCommandAndWait(ResBuf& list) {
  SaveAndSet_cmdecho(list);
  int result = RunCommandAndWaitKeepEcho(list);
  Restore_cmdecho(list);
  return result;
}

int RunCommandAndWaitKeepEcho(ResBuf& list) {
  int result = zcedCmd(list.Head());
  const CString name = ListCommandName(list);
  while (result == RTNORM && RunsNested(name)) {
    int pause = SendPause();
    if (pause != RTNORM) return pause;
  }
  return result;
}

int SendPause() {
  ResBuf list;
  list.AddString(L"\\");
  return zcedCmd(list.Head());
}

void ZoomWindow(const ZcGePoint3d& corner1, const ZcGePoint3d& corner2) {
  ResBuf list;
  list.AddString(L"_Zoom");
  list.AddString(L"_W");
  list.AddPoint(corner1);
  list.AddPoint(corner2);
  RunCommandAndWait(list);
}

void ZoomToExtents(const ZcGePoint3d& minPoint, const ZcGePoint3d& maxPoint) {
  ZoomWindow(WorldToUser(minPoint), WorldToUser(maxPoint));
}

void ZoomAll() { RunList({L"_Zoom", L"_A"}); }
void SaveNamedView(const CString& name) { RunList({L"_-view", L"_save", name}); }

void RestoreNamedView(const CString& name) {
  RunList({L"_-view", L"_restore", name});
  RunList({L"_-view", L"_D", name});
}

void UndoBegin() { RunList({L"_UNDO", L"_BEGIN"}); }
void UndoEnd() { RunList({L"_UNDO", L"_END"}); }
void UndoMark() { RunList({L"_UNDO", L"_M"}); }
void ShowToolbarCommand(const CString& name) { RunList({L"_-TOOLBAR", name, L"_S"}); }
void MenuUnload(const CString& group) { RunList({L"_MENUUNLOAD", group}); }

void MoveIdsByZero(const ZcDbObjectIdArray& ids) {
  if (ids.isEmpty()) return;
  ResBuf list;
  SaveAndSet_OSMODE(list);
  list.AddString(L"_MOVE");
  list.AddIds(ids);
  list.AddString(L"");
  list.AddString(L"_D");
  list.AddPoint(ZcGePoint3d::kOrigin);
  RunCommandAndWait(list);
  Restore_OSMODE(list);
}

int MoveIds(const ZcDbObjectIdArray& ids, const ZcGePoint3d& basePoint, ResBuf& list) {
  if (ids.isEmpty()) return Zcad::eNullIterator;
  list.AddString(L"_MOVE");
  list.AddIds(ids);
  list.AddString(L"");
  list.AddPoint(basePoint);
  list.AddString(L"\\");
  return 0;
}

int AppendMoveCommandForId(ZcDbObjectId id, const ZcGePoint3d& basePoint, ResBuf& list) {
  ZcDbObjectIdArray ids;
  ids.append(id);
  return MoveIds(ids, basePoint, list);
}

void MenuLoad(const CString& path) {
  wchar_t found[1024];
  if (zcedFindFile(path, found, 1024) != RTNORM) ZWPrinter().Print(path + L" is missing");
  ResBuf list;
  list.AddString(L"_MENULOAD");
  list.AddString(path);
  SaveAndSet_filedia(list);
  RunCommandAndWaitKeepEcho(list);
  Restore_filedia(list);
}

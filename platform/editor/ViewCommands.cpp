// The user coordinate system and the view: "UCS" (origin), zcedTrans, "ZOOM", "-VIEW"
// (named views), "REGEN" and the graphics view's shade mode.
#include <algorithm>
#include <cmath>
#include <vector>

#include "ed/HostCommands.h"
#include "ed/ZcGsView.h"
#include "ed/zced.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbSymbolTable.h"
#include "editor/Editor.h"
#include "editor/Entities.h"
#include "editor/HostCommand.h"
#include "editor/Selection.h"
#include "headless/Host.h"

namespace editor {

namespace {

struct ViewState {
  std::vector<ZcGePoint3d> previousOrigins;
  ZcGePoint3d lastPoint;
  View view;
  std::vector<View> previousViews;
  int regenerations = 0;
};
ViewState& State() {
  static ViewState s;
  return s;
}

// Redraws the drawing from its database; the REGEN command says so on the command line,
// a view update asked for by code does it silently.
void Regenerate(bool announce) {
  ++State().regenerations;
  if (announce) zcutPrintText(L"\nRegenerating model.");
}

void SetView(const View& v) {
  State().previousViews.push_back(State().view);
  State().view = v;
}

// The smallest height a view shows: below it the view has no extent to draw in.
constexpr double kMinViewHeight = 1e-9;

// Shows the box between two world corners, whole, in the screen's aspect.
void ZoomToBox(const ZcGePoint3d& a, const ZcGePoint3d& b) {
  View v = State().view;
  v.center.set(a.x / 2 + b.x / 2, a.y / 2 + b.y / 2, 0.0);  // halves first: no overflow near the largest numbers
  double w = std::abs(a.x - b.x), h = std::abs(a.y - b.y);
  double height = std::max(h, w / kScreenAspect);
  v.height = height >= kMinViewHeight && std::isfinite(height) ? height : v.height;
  SetView(v);
}

void Ucs(CommandLine& line) {
  ZcGePoint3d p;
  std::wstring keyword;
  int status = line.Point(L"\nSpecify origin of UCS or [Origin/Previous/World] <World>: ", p,
                          L"Origin Previous World", &keyword, true);
  ViewState& s = State();
  if (status == RTKWORD && keyword == L"Origin") {
    line.Point(L"\nSpecify new origin point <0,0,0>: ", p, L"", nullptr, true);
    status = RTNORM;
  }
  if (status == RTKWORD && keyword == L"Previous") {
    if (s.previousOrigins.empty()) {
      zcutPrintText(L"\nNo previous UCS.");
      return;
    }
    SetUcsOrigin(s.previousOrigins.back());
    s.previousOrigins.pop_back();
    return;
  }
  s.previousOrigins.push_back(UcsOrigin());
  SetUcsOrigin(status == RTNORM ? UcsToWcs(p) : ZcGePoint3d::kOrigin);
}

void Zoom(CommandLine& line) {
  ZcGePoint3d first;
  std::wstring keyword;
  int status = line.Point(L"\nSpecify corner of window or [All/Center/Extents/Previous/Window] <Window>: ", first,
                          L"All Center Extents Previous Window", &keyword, true);
  ViewState& s = State();
  if (status == RTKWORD && (keyword == L"All" || keyword == L"Extents")) {
    ZcGePoint3d lo, hi;
    if (!DrawingExtents(lo, hi)) {  // an empty drawing shows its limits
      lo.set(0, 0, 0);
      hi.set(420, 297, 0);
    }
    ZoomToBox(lo, hi);
    return;
  }
  if (status == RTKWORD && keyword == L"Previous") {
    if (s.previousViews.empty()) {
      zcutPrintText(L"\nNo previous view saved.");
      return;
    }
    s.view = s.previousViews.back();
    s.previousViews.pop_back();
    return;
  }
  if (status == RTKWORD && keyword == L"Center") {
    ZcGePoint3d c;
    line.Point(L"\nSpecify center point: ", c);
    double height = s.view.height;
    line.Number(L"\nEnter magnification or height <" + std::to_wstring(height) + L">: ", height, L"", nullptr, true);
    if (height <= 0) throw CommandRejected{L"\nThe height must be positive."};
    if (height < kMinViewHeight) throw CommandRejected{L"\nThe height must be at least 1e-9."};
    if (!std::isfinite(height * kScreenAspect)) throw CommandRejected{L"\nThe height is too large."};
    View v = s.view;
    v.center = UcsToWcs(c);
    v.height = height;
    SetView(v);
    return;
  }
  if (status != RTNORM) line.Point(L"\nSpecify first corner: ", first);
  ZcGePoint3d second;
  line.Point(L"\nSpecify opposite corner: ", second);
  ZoomToBox(UcsToWcs(first), UcsToWcs(second));
}

// The view table of the drawing, opened as asked; null without a drawing.
ZcDbViewTable* ViewTable(ZcDb::OpenMode mode) {
  ZcDbDatabase* db = Drawing();
  ZcDbViewTable* table = nullptr;
  if (!db || db->getViewTable(table, mode) != Zcad::eOk) return nullptr;
  return table;
}

// Saves a view under a name in the drawing's view table (replacing one of that name).
void SaveView(const std::wstring& name, const View& v) {
  ZcDbViewTable* table = ViewTable(ZcDb::kForWrite);
  if (!table) throw CommandRejected{L"\nThere is no drawing to keep the view in."};
  ZcDbSymbolTableRecord* found = nullptr;
  auto* record = table->getAt(name.c_str(), found, ZcDb::kForWrite) == Zcad::eOk
                     ? static_cast<ZcDbViewTableRecord*>(found)
                     : nullptr;
  if (!record) {
    record = new ZcDbViewTableRecord();
    if (record->setName(name.c_str()) != Zcad::eOk || table->add(record) != Zcad::eOk) {
      delete record;
      table->close();
      throw CommandRejected{L"\nInvalid view name \"" + name + L"\"."};
    }
  }
  record->setCenterPoint(ZcGePoint2d(v.center.x, v.center.y));
  record->setHeight(v.height);
  record->setWidth(v.height * kScreenAspect);
  record->close();
  table->close();
}

void ViewCommand(CommandLine& line) {
  std::wstring option = line.Keyword(L"\nEnter an option [?/Delete/Restore/Save/Window]: ", L"? Delete Restore Save Window");
  ViewState& s = State();
  if (option == L"?") {
    zcutPrintText(L"\nSaved views:");
    for (const std::wstring& name : headless::NamedViews()) zcutPrintf(L"\n  %s", name);
    return;
  }
  std::wstring name = Trim(line.Text(option == L"Delete" ? L"\nEnter view name(s) to delete: "
                                                         : L"\nEnter view name to " + Lower(option) + L": "));
  if (name.empty()) return;
  if (option == L"Save") {
    SaveView(name, s.view);
    return;
  }
  if (option == L"Window") {
    ZcGePoint3d a, b;
    line.Point(L"\nSpecify first corner: ", a);
    line.Point(L"\nSpecify opposite corner: ", b);
    View saved = s.view;
    ZoomToBox(UcsToWcs(a), UcsToWcs(b));
    View windowed = s.view;
    s.view = saved;
    s.previousViews.pop_back();
    SaveView(name, windowed);
    return;
  }
  ZcDbViewTable* table = ViewTable(option == L"Delete" ? ZcDb::kForWrite : ZcDb::kForRead);
  ZcDbSymbolTableRecord* found = nullptr;
  if (!table || table->getAt(name.c_str(), found, option == L"Delete" ? ZcDb::kForWrite : ZcDb::kForRead) != Zcad::eOk) {
    if (table) table->close();
    zcutPrintf(L"\nCannot find view \"%s\".", name);
    return;
  }
  auto* record = static_cast<ZcDbViewTableRecord*>(found);
  if (option == L"Restore") {
    View v = s.view;
    v.center.set(record->centerPoint().x, record->centerPoint().y, 0.0);
    v.height = record->height();
    SetView(v);
  } else {
    record->erase(true);
  }
  record->close();
  table->close();
}

void Regen(CommandLine&) { Regenerate(true); }

}  // namespace

// The UCS origin is the working drawing's; without a drawing the UCS is the world.
ZcGePoint3d UcsOrigin() {
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  return db ? db->ucsorg() : ZcGePoint3d::kOrigin;
}
void SetUcsOrigin(const ZcGePoint3d& wcs) {
  if (ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase()) db->setUcsorg(wcs);
}
ZcGePoint3d UcsToWcs(const ZcGePoint3d& ucs) { return ucs + UcsOrigin().asVector(); }
ZcGePoint3d WcsToUcs(const ZcGePoint3d& wcs) { return wcs - UcsOrigin().asVector(); }
ZcGePoint3d LastPoint() { return State().lastPoint; }
void SetLastPoint(const ZcGePoint3d& wcs) { State().lastPoint = wcs; }
View& CurrentView() { return State().view; }

void AddViewCommands(std::vector<HostCommand>& table) {
  table.push_back({L"UCS", &Ucs});
  table.push_back({L"ZOOM", &Zoom});
  table.push_back({L"-VIEW", &ViewCommand});
  table.push_back({L"REGEN", &Regen});
}

void ResetState() {
  State() = ViewState();
  ResetVariables();
  ResetInput();
  ResetCommands();
  ResetMenus();
  ResetSession();
  ResetSelections();
}

}  // namespace editor

int zcedTrans(const ads_point point, const resbuf* from, const resbuf* to, int displacement, ads_point result) {
  // The system of a code: true for user coordinates, false for world (and entity) ones.
  auto user = [](const resbuf* rb, bool& isUser) {
    if (!rb) return false;
    if (rb->restype == RTENAME) {
      isUser = false;
      return true;
    }
    if (rb->restype != RTSHORT || rb->resval.rint < 0 || rb->resval.rint > 2) return false;
    isUser = rb->resval.rint != 0;
    return true;
  };
  bool fromUser, toUser;
  if (!point || !result || !user(from, fromUser) || !user(to, toUser)) return RTERROR;
  ZcGePoint3d p(point[0], point[1], point[2]);
  if (!displacement) {
    if (fromUser) p = editor::UcsToWcs(p);
    if (toUser) p = editor::WcsToUcs(p);
  }
  result[0] = p.x;
  result[1] = p.y;
  result[2] = p.z;
  return RTNORM;
}

ZcGsView::RenderMode ZcGsView::mode() const {
  return static_cast<RenderMode>(editor::CurrentView().renderMode);
}
void ZcGsView::setMode(RenderMode mode) { editor::CurrentView().renderMode = mode; }

ZcGsView* zcgsGetGsView(int viewport, bool) {
  static ZcGsView view;
  return viewport == 2 ? &view : nullptr;
}

bool zcgsSetViewParameters(int viewport, const ZcGsView* view, bool regen, bool, bool) {
  if (viewport != 2 || view != zcgsGetGsView(2, false)) return false;
  if (regen) editor::Regenerate(false);
  return true;
}

namespace headless {
std::vector<std::wstring> NamedViews() {
  std::vector<std::wstring> names;
  ZcDbViewTable* table = editor::ViewTable(ZcDb::kForRead);
  if (!table) return names;
  for (ZcDbObjectId id : table->recordIds()) {
    ZcDbViewTableRecord* record = nullptr;
    if (zcdbOpenObject(record, id, ZcDb::kForRead) != Zcad::eOk) continue;
    names.push_back(record->name());
    record->close();
  }
  table->close();
  return names;
}
int Regenerations() { return editor::State().regenerations; }
void ResetEditor() { editor::ResetState(); }
}  // namespace headless

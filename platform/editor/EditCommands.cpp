// The host's editing commands on the drawing: "MOVE", "ROTATE", "ALIGN", "ERASE" and
// "SPLINEDIT" (moving a control vertex). Each asks for its objects (entity items of a
// driven list, or the user's selection steps), reads all its answers, then acts.
#include <cmath>

#include "db/ZcDbDatabase.h"
#include "db/ZcDbOpaqueEntity.h"
#include "db/ZcDbSpline.h"
#include "db/ZcDbSymbolTable.h"
#include "ed/zced.h"
#include "editor/Editor.h"
#include "editor/Entities.h"
#include "editor/HostCommand.h"
#include "editor/Selection.h"

namespace editor {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool OnLockedLayer(ZcDbObjectId id) {
  ZcDbEntity* e = nullptr;
  if (zcdbOpenZcDbEntity(e, id, ZcDb::kForRead) != Zcad::eOk) return false;
  ZcDbObjectId layerId = e->layerId();
  e->close();
  ZcDbLayerTableRecord* layer = nullptr;
  if (zcdbOpenObject(layer, layerId, ZcDb::kForRead) != Zcad::eOk) return false;
  bool locked = layer->isLocked();
  layer->close();
  return locked;
}

// The objects of an editing command: entity items of the list first, then selection steps
// until Enter. Objects on a locked layer are left out (locked against change), their count
// said once. Ends the command when nothing is left.
std::vector<ZcDbObjectId> SelectObjects(CommandLine& line) {
  Selection s;
  std::vector<ZcDbObjectId> named;
  while (line.TakeEntities(named)) {  // the list's entity and set items, all of them
  }
  for (ZcDbObjectId id : named)
    if (!id.isErased()) s.Add({id, 0, {}});
  SelectSteps(s, false, nullptr, [&](const Request& r, Answer& a) { return line.Read(r, a); });
  std::vector<ZcDbObjectId> ids;
  int locked = 0;
  for (const auto& m : s.members) {
    if (OnLockedLayer(m.id)) ++locked;
    else ids.push_back(m.id);
  }
  if (locked > 0) zcutPrintf(L"\n%d %s on a locked layer.", locked, locked == 1 ? L"was" : L"were");
  if (ids.empty()) throw CommandRejected{L"\nNothing selected."};
  return ids;
}

// True when the entity's box, transformed, stays finite: a finite move of an object lying
// near the largest numbers can still carry it past them, where no file could hold it.
bool StaysFinite(ZcDbObjectId id, const ZcGeMatrix3d& m) {
  ZcDbEntity* e = nullptr;
  if (zcdbOpenZcDbEntity(e, id, ZcDb::kForRead) != Zcad::eOk) return true;
  ZcDbExtents ext;
  bool boxed = e->getGeomExtents(ext) == Zcad::eOk && !ext.isEmpty();
  e->close();
  if (!boxed) return true;
  const ZcGePoint3d lo = ext.minPoint(), hi = ext.maxPoint();
  for (int k = 0; k < 8; ++k) {
    ZcGePoint3d corner(k & 1 ? hi.x : lo.x, k & 2 ? hi.y : lo.y, k & 4 ? hi.z : lo.z);
    corner.transformBy(m);
    if (!std::isfinite(corner.x) || !std::isfinite(corner.y) || !std::isfinite(corner.z)) return false;
  }
  return true;
}

// Nothing is changed when any of the objects is kept as read (its groups are held, not
// understood, so it cannot follow the others) or would leave the numbers a file can hold:
// every object is checked before any changes. `done` names the edit ("moved").
void TransformAll(const std::vector<ZcDbObjectId>& ids, const ZcGeMatrix3d& m, const wchar_t* done) {
  std::size_t kept = 0;
  for (ZcDbObjectId id : ids)
    if (id.objectClass() != nullptr && id.objectClass()->isDerivedFrom(ZcDbOpaqueEntity::desc())) ++kept;
  if (kept > 0)
    throw CommandRejected{L"\n" + std::to_wstring(kept) + (kept == 1 ? L" object" : L" objects") +
                          L" kept as read cannot be " + done + L"; nothing was changed."};
  const wchar_t* const kTooFar = L"\nThe objects would reach beyond the largest coordinates.";
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      if (!std::isfinite(m(r, c))) throw CommandRejected{kTooFar};
  for (ZcDbObjectId id : ids)
    if (!StaysFinite(id, m)) throw CommandRejected{kTooFar};
  for (ZcDbObjectId id : ids) {
    ZcDbEntity* e = nullptr;
    Zcad::ErrorStatus es = zcdbOpenZcDbEntity(e, id, ZcDb::kForWrite);
    if (es == Zcad::eOk) {
      es = e->transformBy(m);
      e->close();
    }
    if (es != Zcad::eOk) zcutPrintf(L"\nAn object could not be changed: %s.", zcadErrorStatusText(es));
  }
}

// The angle of a number answer (degrees) or of the direction from `base` to a point.
double AngleOf(const Answer& a, const ZcGePoint3d& base) {
  if (a.kind == Answer::Point) return std::atan2(a.point.y - base.y, a.point.x - base.x);
  return a.number * kPi / 180.0;
}

Request AngleRequest(const std::wstring& prompt, const std::wstring& keywords) {
  Request r;
  r.prompt = prompt;
  r.accept = kPoint | kNumber;
  r.keywords = Keywords(keywords);
  return r;
}

void Move(CommandLine& line) {
  std::vector<ZcDbObjectId> ids = SelectObjects(line);
  ZcGePoint3d base, second;
  std::wstring keyword;
  int status = line.Point(L"\nSpecify base point or [Displacement] <Displacement>: ", base, L"Displacement",
                          &keyword, true);
  ZcGeVector3d shift;
  if (status != RTNORM) {
    ZcGePoint3d d;
    if (line.Point(L"\nSpecify displacement <0,0,0>: ", d, L"", nullptr, true) == RTNORM) shift = d.asVector();
  } else if (line.Point(L"\nSpecify second point or <use first point as displacement>: ", second, L"", nullptr,
                        true) == RTNORM) {
    shift = second - base;
  } else {
    shift = base.asVector();
  }
  TransformAll(ids, ZcGeMatrix3d::translation(shift), L"moved");
}

void Rotate(CommandLine& line) {
  std::vector<ZcDbObjectId> ids = SelectObjects(line);
  ZcGePoint3d base;
  line.Point(L"\nSpecify base point: ", base);
  Answer a;
  int status = line.Read(AngleRequest(L"\nSpecify rotation angle or [Reference] <0>: ", L"Reference"), a);
  double angle = 0.0;
  if (status == RTKWORD) {
    Answer ref;
    double from = 0.0;
    if (line.Read(AngleRequest(L"\nSpecify the reference angle <0>: ", L""), ref) == RTNORM) {
      from = AngleOf(ref, base);
      if (ref.kind == Answer::Point) {
        ZcGePoint3d p2;
        line.Point(L"\nSpecify second point: ", p2);
        from = std::atan2(p2.y - ref.point.y, p2.x - ref.point.x);
      }
    }
    Answer to;
    double target = line.Read(AngleRequest(L"\nSpecify the new angle <0>: ", L""), to) == RTNORM ? AngleOf(to, base) : 0.0;
    angle = target - from;
  } else if (status == RTNORM) {
    angle = AngleOf(a, base);
  }
  TransformAll(ids, ZcGeMatrix3d::rotation(angle, ZcGeVector3d::kZAxis, UcsToWcs(base)), L"rotated");
}

void Align(CommandLine& line) {
  std::vector<ZcDbObjectId> ids = SelectObjects(line);
  ZcGePoint3d s1, d1, s2, d2, s3;
  line.Point(L"\nSpecify first source point: ", s1);
  line.Point(L"\nSpecify first destination point: ", d1);
  ZcGeMatrix3d m = ZcGeMatrix3d::translation(d1 - s1);
  if (line.Point(L"\nSpecify second source point: ", s2, L"", nullptr, true) == RTNORM) {
    line.Point(L"\nSpecify second destination point: ", d2);
    if (line.Point(L"\nSpecify third source point or <continue>: ", s3, L"", nullptr, true) == RTNORM) {
      ZcGePoint3d d3;  // the drawing lies in one plane: the third pair changes nothing
      line.Point(L"\nSpecify third destination point: ", d3);
    }
    std::wstring scale = line.Keyword(L"\nScale objects based on alignment points? [Yes/No] <N>: ", L"Yes No", L"No");
    ZcGeVector3d from = s2 - s1, to = d2 - d1;
    if (from.length() < 1e-12 || to.length() < 1e-12) throw CommandRejected{L"\nThe alignment points coincide."};
    double turn = std::atan2(to.y, to.x) - std::atan2(from.y, from.x);
    ZcGePoint3d pivot = UcsToWcs(d1);
    m = ZcGeMatrix3d::rotation(turn, ZcGeVector3d::kZAxis, pivot) * m;
    if (scale == L"Yes") m = ZcGeMatrix3d::scaling(to.length() / from.length(), pivot) * m;
  }
  TransformAll(ids, m, L"aligned");
}

void Erase(CommandLine& line) {
  std::vector<ZcDbObjectId> ids = SelectObjects(line);
  for (ZcDbObjectId id : ids) {
    ZcDbEntity* e = nullptr;
    if (zcdbOpenZcDbEntity(e, id, ZcDb::kForWrite) != Zcad::eOk) continue;
    e->erase(true);
    e->close();
  }
}

// The spline named by an entity item or picked by the user.
ZcDbObjectId PickSpline(CommandLine& line) {
  std::vector<ZcDbObjectId> named;
  ZcDbObjectId id;
  if (line.TakeEntities(named)) {
    if (!named.empty()) id = named.front();
  } else {
    ZcGePoint3d p;
    line.Point(L"\nSelect spline: ", p);
    id = EntityAt(UcsToWcs(p));
  }
  if (id.isNull() || id.objectClass() == nullptr || !id.objectClass()->isDerivedFrom(ZcDbSpline::desc()))
    throw CommandRejected{L"\nThat object is not a spline."};
  return id;
}

// Control vertices moved with "Move vertex": index and new place (world); applied on exit.
struct VertexMove {
  int index;
  ZcGePoint3d to;
};

void SplineEdit(CommandLine& line) {
  ZcDbObjectId id = PickSpline(line);
  ZcDbSpline* spline = nullptr;
  if (zcdbOpenObject(spline, id, ZcDb::kForRead) != Zcad::eOk) throw CommandRejected{L"\nThe spline cannot be read."};
  std::vector<ZcGePoint3d> points;
  for (int i = 0; i < spline->numControlPoints(); ++i) {
    ZcGePoint3d p;
    spline->getControlPointAt(i, p);
    points.push_back(p);
  }
  spline->close();
  if (points.empty()) throw CommandRejected{L"\nThe spline has no control points to move."};
  std::vector<VertexMove> moves;
  while (line.Keyword(L"\nEnter an option [Move vertex/eXit] <eXit>: ", L"Move eXit", L"eXit") == L"Move") {
    int current = 0;
    for (;;) {
      ZcGePoint3d p;
      std::wstring option = L"Next";
      int status = line.Point(L"\nSpecify new location or [Next/Previous/Select point/eXit] <N>: ", p,
                              L"Next Previous Select eXit", &option, true);
      if (status == RTNORM) {
        points[current] = UcsToWcs(p);
        moves.push_back({current, points[current]});
      } else if (option == L"eXit") {
        break;
      } else if (option == L"Select") {
        line.Point(L"\nSpecify control point to move: ", p);
        ZcGePoint3d at = UcsToWcs(p);
        for (std::size_t i = 0; i < points.size(); ++i)
          if (points[i].distanceTo(at) < points[current].distanceTo(at)) current = static_cast<int>(i);
      } else {
        int n = static_cast<int>(points.size());
        current = (current + (option == L"Previous" ? n - 1 : 1)) % n;
      }
    }
  }
  if (moves.empty()) return;
  if (zcdbOpenObject(spline, id, ZcDb::kForWrite) != Zcad::eOk) throw CommandRejected{L"\nThe spline cannot be changed."};
  for (const VertexMove& m : moves) spline->setControlPointAt(m.index, m.to);
  spline->close();
}

}  // namespace

void AddEditCommands(std::vector<HostCommand>& table) {
  table.push_back({L"MOVE", &Move});
  table.push_back({L"ROTATE", &Rotate});
  table.push_back({L"ALIGN", &Align});
  table.push_back({L"ERASE", &Erase});
  table.push_back({L"SPLINEDIT", &SplineEdit});
}

}  // namespace editor

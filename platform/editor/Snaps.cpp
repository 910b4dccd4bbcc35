// Finding geometry near a point: object snaps (zcedOsnap) and the boundary traced around a
// seed point through the visible curves of model space (zcedTraceBoundary), gathered from
// the spatial index around the seed.
#include <algorithm>
#include <cmath>
#include <limits>

#include "db/ZcDbDatabase.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbRegion.h"
#include "ed/SelectionSets.h"
#include "ed/zced.h"
#include "editor/Editor.h"
#include "editor/Entities.h"
#include "editor/Prompter.h"
#include "ge/ZcGeBoundaryTracer.h"
#include "ge/ZcGeBulgePolyline3d.h"
#include "ge/ZcGeCircArc3d.h"

namespace {

using Paths = std::vector<std::unique_ptr<ZcGeCurve3d>>;

enum Snap : unsigned { kEnd = 1, kMid = 2, kCen = 4, kNea = 8 };

// The snap bits of a mode list; false for an unknown name.
bool ParseModes(const std::wstring& list, unsigned& modes) {
  modes = 0;
  std::wstring word;
  for (wchar_t c : list + L",") {
    if (c != L',') {
      word += c;
      continue;
    }
    std::wstring w = editor::Lower(editor::Trim(word));
    word.clear();
    if (!w.empty() && w[0] == L'_') w.erase(0, 1);
    if (w.rfind(L"end", 0) == 0) modes |= kEnd;
    else if (w.rfind(L"mid", 0) == 0) modes |= kMid;
    else if (w.rfind(L"cen", 0) == 0) modes |= kCen;
    else if (w.rfind(L"nea", 0) == 0) modes |= kNea;
    else if (w.rfind(L"non", 0) != 0 && !w.empty()) return false;
  }
  return true;
}

// The snap candidates of one path.
void Candidates(const ZcGeCurve3d& c, unsigned modes, const ZcGePoint3d& at, std::vector<ZcGePoint3d>& out) {
  const bool polyline = c.kind() == ZcGeCurve3d::kBulgePolyline;
  if (modes & kEnd) {
    if (polyline) {
      for (double t = 0.0; t <= c.endParam() + 1e-9; t += 1.0) out.push_back(c.evalPoint(t));
    } else if (!c.isClosed()) {
      out.push_back(c.startPoint());
      out.push_back(c.endPoint());
    }
  }
  if (modes & kMid) {
    if (polyline) {
      for (double t = 0.5; t < c.endParam(); t += 1.0) out.push_back(c.evalPoint(t));
    } else if (!c.isClosed()) {
      ZcGePoint3d mid;
      if (c.getPointAtDist(c.length() / 2, mid) == Zcad::eOk) out.push_back(mid);
    }
  }
  if ((modes & kCen) && c.kind() == ZcGeCurve3d::kCircArc)
    out.push_back(static_cast<const ZcGeCircArc3d&>(c).center());
  if (modes & kNea) {
    ZcGePoint3d closest;
    if (c.getClosestPointTo(at, closest) == Zcad::eOk) out.push_back(closest);
  }
}

void ToAds(const ZcGePoint3d& p, ads_point out) {
  out[0] = p.x;
  out[1] = p.y;
  out[2] = p.z;
}

// A closed polyline of the loop's vertices and bulges.
ZcDbPolyline* PolylineOf(const ZcGeBulgePolyline3d& loop) {
  auto* pl = new ZcDbPolyline();
  for (unsigned i = 0; i < loop.numVerts(); ++i) {
    ZcGePoint3d p = loop.vertexAt(i);
    pl->addVertexAt(i, ZcGePoint2d(p.x, p.y), loop.bulgeAt(i));
  }
  pl->setClosed(true);
  if (loop.numVerts() > 0) pl->setElevation(loop.vertexAt(0).z);
  return pl;
}

// A region of the traced face, with its exact edges.
ZcDbRegion* RegionOf(const ZcGeRegion& face) {
  auto* region = new ZcDbRegion();
  region->setGeRegion(face);
  return region;
}

// The paths of the visible entities among `found`.
Paths VisiblePaths(const std::vector<zcdb::NearEntity>& found) {
  Paths paths;
  for (const zcdb::NearEntity& near : found) {
    ZcDbEntity* e = nullptr;
    if (zcdbOpenZcDbEntity(e, near.id, ZcDb::kForRead) != Zcad::eOk) continue;
    if (editor::IsVisible(e))
      for (auto& p : editor::PathsOf(e)) paths.push_back(std::move(p));
    e->close();
  }
  return paths;
}

// True when every loop lies strictly inside the box (touching its edge is not inside).
bool Inside(const std::vector<ZcGeTracedLoop>& loops, const editor::Box& box) {
  for (const ZcGeTracedLoop& loop : loops) {
    ZcGePoint3d lo, hi;
    Zcad::ErrorStatus es = loop.polyline ? loop.polyline->getGeomExtents(lo, hi) : loop.region->getGeomExtents(lo, hi);
    if (es != Zcad::eOk || !(lo.x > box.lo.x && lo.y > box.lo.y && hi.x < box.hi.x && hi.y < box.hi.y)) return false;
  }
  return true;
}

}  // namespace

int zcedOsnap(const ads_point point, const wchar_t* modeList, ads_point result) {
  unsigned modes = 0;
  if (!point || !result || !ParseModes(modeList ? modeList : L"", modes)) return RTERROR;
  const ZcGePoint3d at = editor::UcsToWcs({point[0], point[1], point[2]});
  resbuf rb{};
  int pixels = zcedGetVar(L"APERTURE", &rb) == RTNORM ? rb.resval.rint : 10;
  const double h = std::max(pixels, 1) * editor::CurrentView().height / 900.0;
  const editor::Box aperture({at.x - h, at.y - h, 0.0}, {at.x + h, at.y + h, 0.0});
  bool found = false;
  double best = std::numeric_limits<double>::max();
  ZcGePoint3d snapped;
  for (ZcDbObjectId id : editor::TopLevelEntities()) {
    ZcDbEntity* e = nullptr;
    if (zcdbOpenZcDbEntity(e, id, ZcDb::kForRead) != Zcad::eOk) continue;
    Paths paths = editor::IsVisible(e) ? editor::PathsOf(e) : Paths();
    e->close();
    for (const auto& path : paths) {
      std::vector<ZcGePoint3d> candidates;
      Candidates(*path, modes, at, candidates);
      for (const ZcGePoint3d& c : candidates) {
        double d = c.distanceTo(at);
        if (aperture.Contains(c) && d < best) {
          best = d;
          snapped = c;
          found = true;
        }
      }
    }
  }
  if (!found) return RTERROR;
  ToAds(editor::WcsToUcs(snapped), result);
  return RTNORM;
}

Zcad::ErrorStatus zcedTraceBoundary(const ZcGePoint3d& seed, bool detectIslands, ZcDbVoidPtrArray& result) {
  // The curves near the seed first. A boundary traced among the curves that reach into a
  // box around the seed, lying wholly inside that box, is the one all the curves give: a
  // curve outside the box can neither cut the face nor lie in it. Otherwise the box grows,
  // up to the whole drawing.
  editor::Box all(ZcGePoint3d::kOrigin, ZcGePoint3d::kOrigin);
  if (!std::isfinite(seed.x) || !std::isfinite(seed.y) || !editor::ModelBounds(all)) return Zcad::eInvalidInput;
  double half = std::max({all.hi.x - all.lo.x, all.hi.y - all.lo.y, 1e-6}) / 64;
  std::vector<ZcGeTracedLoop> loops;
  for (;;) {
    const editor::Box box({seed.x - half, seed.y - half, 0.0}, {seed.x + half, seed.y + half, 0.0});
    const bool whole = (box.Contains(all.lo) && box.Contains(all.hi)) || !std::isfinite(half);
    Paths paths = VisiblePaths(editor::EntitiesNear(box));
    std::vector<const ZcGeCurve3d*> curves;
    for (const auto& p : paths) curves.push_back(p.get());
    loops.clear();
    Zcad::ErrorStatus es = curves.empty() ? Zcad::eInvalidInput
                                          : ZcGeBoundaryTracer().trace(curves, seed, detectIslands, loops);
    if (es == Zcad::eOk && (whole || Inside(loops, box))) break;
    if (whole) return es;
    half *= 4;
  }
  for (const ZcGeTracedLoop& loop : loops) {
    ZcDbEntity* made = loop.polyline ? static_cast<ZcDbEntity*>(PolylineOf(*loop.polyline))
                                     : static_cast<ZcDbEntity*>(RegionOf(*loop.region));
    made->setDatabaseDefaults();
    result.append(made);
  }
  return Zcad::eOk;
}

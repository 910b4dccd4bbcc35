// The boundary tracer: cuts curves at their crossings into a planar graph, traces its faces and
// picks the smallest face around a seed point, with the islands inside it.
//
// Steps, all in trace():
//   1. edges: the curves (polylines as their segments) cut at every mutual intersection;
//   2. vertices: edge ends merged within the tolerance; an edge drawn twice is kept once;
//      edges that close no loop are pruned;
//   3. faces: at each vertex the outgoing half-edges are sorted counter-clockwise by tangent
//      angle; angles within a tolerance are one direction, ordered by signed curvature, then
//      by where each edge goes next; following "next = the half-edge clockwise from the twin"
//      walks every face with its interior on the left: bounded faces have positive area;
//   4. the boundary is the smallest positive face containing the seed (by the winding number
//      on the exact edges); islands are the outlines (negative faces) of other connected groups
//      lying inside it.
#include <algorithm>
#include <map>
#include <numeric>

#include "ge/GeIntersect.h"
#include "ge/GeInternal.h"
#include "ge/GeWinding.h"
#include "ge/ZcGeBoundaryTracer.h"
#include "ge/ZcGeLineSeg3d.h"

using Zcad::ErrorStatus;

namespace {

/// Tangent angles closer than this (radians) are one direction at a vertex.
constexpr double kAngleTol = 1e-8;

struct HalfEdge {
  int from = 0, to = 0;
  const ZcGeCurve3d* curve = nullptr;  // the edge's curve, run backwards when `reversed`
  bool reversed = false;
  double angle = 0.0, curvature = 0.0, length = 0.0;

  /// The point `dist` along the half-edge from its start.
  ZcGePoint3d pointAt(double dist) const {
    ZcGePoint3d p;
    curve->getPointAtDist(reversed ? length - dist : dist, p);
    return p;
  }
};

/// Whether half-edge `a` leaves their common vertex before `b` counter-clockwise, for two
/// edges leaving along one tangent: the one turning less to the left comes first, and where
/// the curvatures agree, the one whose next point lies less to the left.
bool leavesBefore(const HalfEdge& a, const HalfEdge& b, const ZcGePoint3d& vertex) {
  double scale = std::max({1e-12, std::fabs(a.curvature), std::fabs(b.curvature)});
  if (std::fabs(a.curvature - b.curvature) > 1e-9 * scale) return a.curvature < b.curvature;
  double dist = 0.05 * std::min(a.length, b.length);
  ZcGeVector3d da = a.pointAt(dist) - vertex, db = b.pointAt(dist) - vertex;
  return std::atan2(da.x * db.y - da.y * db.x, da.x * db.x + da.y * db.y) > 0.0;
}

/// Orders the half-edges leaving one vertex counter-clockwise (see leavesBefore).
void sortAround(std::vector<int>& list, const std::vector<HalfEdge>& halves, const ZcGePoint3d& vertex) {
  std::sort(list.begin(), list.end(), [&](int a, int b) { return halves[a].angle < halves[b].angle; });
  size_t m = list.size();
  if (m < 2) return;
  // Start after the widest gap, so that no run of equal directions straddles ±π.
  size_t first = 0;
  double widest = -1.0;
  for (size_t i = 0; i < m; ++i) {
    double gap = i + 1 < m ? halves[list[i + 1]].angle - halves[list[i]].angle
                           : halves[list[0]].angle + ge::kTwoPi - halves[list[m - 1]].angle;
    if (gap > widest) { widest = gap; first = (i + 1) % m; }
  }
  std::rotate(list.begin(), list.begin() + first, list.end());
  for (size_t i = 0; i < m;) {
    size_t j = i + 1;
    while (j < m && ge::normAngle(halves[list[j]].angle - halves[list[j - 1]].angle) <= kAngleTol) ++j;
    for (size_t k = i + 1; k < j; ++k)  // insertion sort of the run
      for (size_t q = k; q > i && leavesBefore(halves[list[q]], halves[list[q - 1]], vertex); --q)
        std::swap(list[q], list[q - 1]);
    i = j;
  }
}

using ge::winding;  // on the exact curves: non-zero inside

/// Segment `i` of a polyline as an edge: a line, or an arc kept as a polyline of one segment,
/// exact however nearly straight (a circular arc's centre form is not: its centre lies as far
/// away as the radius, 5e10 for a bulge of 1e-9 on a chord of 200, and rounds by 1e-5).
std::unique_ptr<ZcGeCurve3d> segmentOf(const ZcGeBulgePolyline3d& pl, unsigned i) {
  ZcGeLineSeg3d line;
  if (pl.getLineSegAt(i, line) == Zcad::eOk) return line.copy();
  ZcGePoint2d a, b;
  pl.getPointAt(i, a);
  pl.getPointAt((i + 1) % pl.numVerts(), b);
  return std::make_unique<ZcGeBulgePolyline3d>(std::vector<ZcGePoint2d>{a, b}, std::vector<double>{pl.bulgeAt(i), 0.0},
                                               false, pl.elevation(), pl.normal());
}

std::unique_ptr<ZcGeCurve3d> orientedCopy(const HalfEdge& he) {
  std::unique_ptr<ZcGeCurve3d> c = he.curve->copy();
  if (he.reversed) c->reverse();
  return c;
}

/// The traced loop as a polyline (lines and arcs only) or a region.
ZcGeTracedLoop makeLoop(const std::vector<int>& loop, const std::vector<HalfEdge>& halves, bool reverse, bool island) {
  ZcGeRegion::Loop curves;
  for (int h : loop) curves.push_back(orientedCopy(halves[h]));
  if (reverse) {
    std::reverse(curves.begin(), curves.end());
    for (auto& c : curves) c->reverse();
  }
  ZcGeTracedLoop out;
  out.isIsland = island;
  bool simple = std::all_of(curves.begin(), curves.end(), [](const auto& c) {
    return c->kind() == ZcGeCurve3d::kLineSeg || c->kind() == ZcGeCurve3d::kCircArc || c->kind() == ZcGeCurve3d::kBulgePolyline;
  });
  if (simple) {
    auto pl = std::make_unique<ZcGeBulgePolyline3d>(std::vector<ZcGePoint2d>{}, std::vector<double>{}, false,
                                                    curves.front()->startPoint().z);
    for (const auto& c : curves)
      if (pl->joinCurve(*c) != Zcad::eOk) { simple = false; break; }
    if (simple) {
      pl->removeVertexAt(pl->numVerts() - 1);  // the repeated first vertex
      pl->setClosed(true);
      out.polyline = std::move(pl);
      return out;
    }
  }
  for (auto& c : curves)  // a region's edges are lines, arcs, elliptic arcs and splines
    if (c->kind() == ZcGeCurve3d::kBulgePolyline) c = static_cast<const ZcGeBulgePolyline3d&>(*c).segmentCurve(0);
  out.region = std::make_unique<ZcGeRegion>();
  ZcGeRegion::fromLoop(std::move(curves), *out.region);
  return out;
}

}  // namespace

ErrorStatus ZcGeBoundaryTracer::trace(const std::vector<const ZcGeCurve3d*>& curves, const ZcGePoint3d& seed,
                                      bool detectIslands, std::vector<ZcGeTracedLoop>& loops) const {
  loops.clear();
  if (curves.empty()) return Zcad::eInvalidInput;
  // 1. Edges.
  ZcGeCurve3dArray base;
  for (const ZcGeCurve3d* c : curves) {
    if (!c || c->isDegenerate()) continue;
    if (c->kind() == ZcGeCurve3d::kBulgePolyline) {
      const auto& pl = static_cast<const ZcGeBulgePolyline3d&>(*c);
      for (unsigned i = 0; i < pl.numSegments(); ++i)
        if (auto s = segmentOf(pl, i); s && !s->isDegenerate()) base.push_back(std::move(s));
    } else {
      base.push_back(c->copy());
    }
  }
  std::vector<std::vector<double>> cuts(base.size());
  for (size_t i = 0; i < base.size(); ++i)
    for (size_t j = i + 1; j < base.size(); ++j)
      for (const ge::CurveHit& h : ge::intersectCurves(*base[i], false, *base[j], false)) {
        cuts[i].push_back(h.paramA);
        cuts[j].push_back(h.paramB);
      }
  ZcGeCurve3dArray edges;
  for (size_t i = 0; i < base.size(); ++i) {
    if (base[i]->isClosed()) {  // a closed curve needs two vertices of its own to be a loop
      double e = base[i]->endParam();
      cuts[i].push_back(0.5 * e);
      if (ge::cleanSplitParams(cuts[i], 0.0, e).size() < 2) cuts[i].push_back(0.25 * e);
    }
    ZcGeCurve3dArray pieces;
    if (base[i]->getSplitCurves(cuts[i], pieces) != Zcad::eOk) continue;
    for (auto& p : pieces)
      if (p && p->length() > tol_) edges.push_back(std::move(p));
  }
  // 2. Vertices, then pruning of edges that hang free.
  std::vector<ZcGePoint3d> verts;
  auto vertexOf = [&](const ZcGePoint3d& p) {
    for (size_t v = 0; v < verts.size(); ++v)
      if (verts[v].distanceTo(p) <= tol_) return static_cast<int>(v);
    verts.push_back(p);
    return static_cast<int>(verts.size() - 1);
  };
  std::vector<std::pair<int, int>> ends;
  for (const auto& e : edges) ends.emplace_back(vertexOf(e->startPoint()), vertexOf(e->endPoint()));
  std::vector<bool> alive(edges.size(), true);
  for (size_t e = 0; e < edges.size(); ++e)
    if (ends[e].first == ends[e].second) alive[e] = false;
  // An edge drawn twice (a region lying over the curves it was made from) is one edge.
  std::map<std::pair<int, int>, std::vector<size_t>> between;  // the live edges joining two vertices
  for (size_t e = 0; e < edges.size(); ++e) {
    if (!alive[e]) continue;
    std::vector<size_t>& same = between[std::minmax(ends[e].first, ends[e].second)];
    ZcGePoint3d mid;
    if (!same.empty()) edges[e]->getPointAtDist(0.5 * edges[e]->length(), mid);
    for (size_t f : same)
      if (edges[f]->evalPoint(edges[f]->closestParam(mid)).distanceTo(mid) <= tol_) alive[e] = false;
    if (alive[e]) same.push_back(e);
  }
  for (bool changed = true; changed;) {
    changed = false;
    std::vector<int> degree(verts.size(), 0);
    for (size_t e = 0; e < edges.size(); ++e)
      if (alive[e]) { ++degree[ends[e].first]; ++degree[ends[e].second]; }
    for (size_t e = 0; e < edges.size(); ++e)
      if (alive[e] && (degree[ends[e].first] < 2 || degree[ends[e].second] < 2)) { alive[e] = false; changed = true; }
  }
  // 3. Half-edges sorted round each vertex, then faces.
  std::vector<HalfEdge> halves;
  std::vector<int> component(verts.size());
  std::iota(component.begin(), component.end(), 0);
  std::function<int(int)> find = [&](int v) { return component[v] == v ? v : component[v] = find(component[v]); };
  for (size_t e = 0; e < edges.size(); ++e) {
    if (!alive[e]) continue;
    const ZcGeCurve3d* c = edges[e].get();
    for (bool rev : {false, true}) {
      HalfEdge h;
      h.curve = c;
      h.reversed = rev;
      h.length = c->length();
      h.from = rev ? ends[e].second : ends[e].first;
      h.to = rev ? ends[e].first : ends[e].second;
      double t = rev ? c->endParam() : 0.0;
      ZcGeVector3d d1 = c->evalDeriv(t), d2 = c->evalDeriv2(t);
      if (rev) d1 = -d1;
      h.angle = std::atan2(d1.y, d1.x);
      double speed = d1.length();
      h.curvature = speed > 0.0 ? (d1.x * d2.y - d1.y * d2.x) / (speed * speed * speed) : 0.0;
      halves.push_back(h);
    }
    component[find(ends[e].first)] = find(ends[e].second);
  }
  std::vector<std::vector<int>> around(verts.size());
  for (size_t h = 0; h < halves.size(); ++h) around[halves[h].from].push_back(static_cast<int>(h));
  std::vector<int> slot(halves.size());
  for (size_t v = 0; v < around.size(); ++v) {
    sortAround(around[v], halves, verts[v]);
    for (size_t i = 0; i < around[v].size(); ++i) slot[around[v][i]] = static_cast<int>(i);
  }
  auto next = [&](int h) {
    int twin = h ^ 1;  // halves come in pairs: forward 2e, backward 2e + 1
    const std::vector<int>& list = around[halves[h].to];
    return list[(slot[twin] + list.size() - 1) % list.size()];
  };
  std::vector<bool> seen(halves.size(), false);
  struct FaceLoop {
    std::vector<int> halves;
    double area;
    int comp;
    std::vector<std::unique_ptr<ZcGeCurve3d>> curves;  // the half-edges' curves in their run
    ZcGePoint2d onIt;                                  // a point of the loop
  };
  std::vector<FaceLoop> faces;
  for (size_t start = 0; start < halves.size(); ++start) {
    if (seen[start]) continue;
    FaceLoop f;
    for (int h = static_cast<int>(start); !seen[h]; h = next(h)) { seen[h] = true; f.halves.push_back(h); }
    std::vector<const ZcGeCurve3d*> ptrs;
    for (int h : f.halves) { f.curves.push_back(orientedCopy(halves[h])); ptrs.push_back(f.curves.back().get()); }
    f.area = ZcGeRegion::signedLoopArea(ptrs);
    f.comp = find(halves[f.halves.front()].from);
    f.onIt = verts[halves[f.halves.front()].from].convert2d();
    faces.push_back(std::move(f));
  }
  // 4. The boundary and its islands.
  ZcGePoint2d p = seed.convert2d();
  const FaceLoop* outer = nullptr;
  for (const FaceLoop& f : faces)
    if (f.area > 0.0 && (!outer || f.area < outer->area) && winding(f.curves, p) != 0) outer = &f;
  if (!outer) return Zcad::eNoInputFiles;
  loops.push_back(makeLoop(outer->halves, halves, false, false));
  if (!detectIslands) return Zcad::eOk;
  std::vector<const FaceLoop*> candidates;
  for (const FaceLoop& f : faces)
    if (f.area < 0.0 && f.comp != outer->comp && winding(outer->curves, f.onIt) != 0 && winding(f.curves, p) == 0)
      candidates.push_back(&f);
  for (const FaceLoop* f : candidates) {
    bool nested = std::any_of(candidates.begin(), candidates.end(),
                              [&](const FaceLoop* g) { return g != f && winding(g->curves, f->onIt) != 0; });
    if (!nested) loops.push_back(makeLoop(f->halves, halves, true, true));
  }
  return Zcad::eOk;
}

// The boundary tracer: cuts curves at their crossings into a planar graph, traces its faces and
// picks the smallest face around a seed point, with the islands inside it.
//
// Steps, all in trace():
//   1. edges: the curves (polylines as their segments) cut at every mutual intersection;
//   2. vertices: edge ends merged within the tolerance; edges that close no loop are pruned;
//   3. faces: at each vertex the outgoing half-edges are sorted counter-clockwise (by tangent
//      angle, then curvature); following "next = the half-edge clockwise from the twin" walks
//      every face with its interior on the left: bounded faces have positive area;
//   4. the boundary is the smallest positive face containing the seed; islands are the
//      outlines (negative faces) of other connected groups lying inside it.
#include <algorithm>
#include <numeric>

#include "ge/GeIntersect.h"
#include "ge/GeInternal.h"
#include "ge/ZcGeBoundaryTracer.h"

using Zcad::ErrorStatus;

namespace {

struct HalfEdge {
  int from = 0, to = 0;
  const ZcGeCurve3d* curve = nullptr;  // the edge's curve, run backwards when `reversed`
  bool reversed = false;
  double angle = 0.0, curvature = 0.0;
};

/// Samples a loop of half-edges into a closed polygon (XY).
std::vector<ZcGePoint2d> polygonOf(const std::vector<int>& loop, const std::vector<HalfEdge>& halves) {
  std::vector<ZcGePoint2d> poly;
  for (int h : loop) {
    const HalfEdge& he = halves[h];
    int n = he.curve->kind() == ZcGeCurve3d::kLineSeg ? 1 : 32;
    double end = he.curve->endParam();
    for (int i = 0; i < n; ++i) {
      double t = end * i / n;
      poly.push_back(he.curve->evalPoint(he.reversed ? end - t : t).convert2d());
    }
  }
  return poly;
}

/// Winding number of `p` about a closed polygon: non-zero inside.
int winding(const std::vector<ZcGePoint2d>& poly, const ZcGePoint2d& p) {
  int w = 0;
  for (size_t i = 0; i < poly.size(); ++i) {
    const ZcGePoint2d &a = poly[i], &b = poly[(i + 1) % poly.size()];
    double cross = (b.x - a.x) * (p.y - a.y) - (p.x - a.x) * (b.y - a.y);
    if (a.y <= p.y) { if (b.y > p.y && cross > 0) ++w; }
    else if (b.y <= p.y && cross < 0) --w;
  }
  return w;
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
    return c->kind() == ZcGeCurve3d::kLineSeg || c->kind() == ZcGeCurve3d::kCircArc;
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
        if (auto s = pl.segmentCurve(i); s && !s->isDegenerate()) base.push_back(std::move(s));
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
  for (auto& list : around) {
    std::sort(list.begin(), list.end(), [&](int a, int b) {
      return halves[a].angle < halves[b].angle || (halves[a].angle == halves[b].angle && halves[a].curvature < halves[b].curvature);
    });
    for (size_t i = 0; i < list.size(); ++i) slot[list[i]] = static_cast<int>(i);
  }
  auto next = [&](int h) {
    int twin = h ^ 1;  // halves come in pairs: forward 2e, backward 2e + 1
    const std::vector<int>& list = around[halves[h].to];
    return list[(slot[twin] + list.size() - 1) % list.size()];
  };
  std::vector<bool> seen(halves.size(), false);
  struct FaceLoop { std::vector<int> halves; double area; int comp; std::vector<ZcGePoint2d> poly; };
  std::vector<FaceLoop> faces;
  for (size_t start = 0; start < halves.size(); ++start) {
    if (seen[start]) continue;
    FaceLoop f;
    for (int h = static_cast<int>(start); !seen[h]; h = next(h)) { seen[h] = true; f.halves.push_back(h); }
    std::vector<std::unique_ptr<ZcGeCurve3d>> owned;
    std::vector<const ZcGeCurve3d*> ptrs;
    for (int h : f.halves) { owned.push_back(orientedCopy(halves[h])); ptrs.push_back(owned.back().get()); }
    f.area = ZcGeRegion::signedLoopArea(ptrs);
    f.comp = find(halves[f.halves.front()].from);
    f.poly = polygonOf(f.halves, halves);
    faces.push_back(std::move(f));
  }
  // 4. The boundary and its islands.
  ZcGePoint2d p = seed.convert2d();
  const FaceLoop* outer = nullptr;
  for (const FaceLoop& f : faces)
    if (f.area > 0.0 && winding(f.poly, p) != 0 && (!outer || f.area < outer->area)) outer = &f;
  if (!outer) return Zcad::eNoInputFiles;
  loops.push_back(makeLoop(outer->halves, halves, false, false));
  if (!detectIslands) return Zcad::eOk;
  std::vector<const FaceLoop*> candidates;
  for (const FaceLoop& f : faces)
    if (f.area < 0.0 && f.comp != outer->comp && winding(outer->poly, f.poly.front()) != 0 && winding(f.poly, p) == 0)
      candidates.push_back(&f);
  for (const FaceLoop* f : candidates) {
    bool nested = std::any_of(candidates.begin(), candidates.end(),
                              [&](const FaceLoop* g) { return g != f && winding(g->poly, f->poly.front()) != 0; });
    if (!nested) loops.push_back(makeLoop(f->halves, halves, true, true));
  }
  return Zcad::eOk;
}

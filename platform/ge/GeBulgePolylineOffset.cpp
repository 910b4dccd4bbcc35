// Offsets of bulge polylines: every segment is offset on its own (lines shifted, arcs re-radiused),
// then neighbours are trimmed to their crossing or bridged by a line where they part.
#include <algorithm>

#include "ge/GeIntersect.h"
#include "ge/GeInternal.h"

using Zcad::ErrorStatus;
using ge::PlineSeg;

namespace {

/// An offset segment: its ends and, for an arc, its circle and turning sense.
struct Piece {
  ZcGePoint3d p0, p1;
  bool arc = false;
  ZcGePoint3d c;
  double r = 0.0;
  double sign = 1.0;
  ZcGePoint3d baseEnd;  // the base vertex this piece ends at (picks among crossings)

  PlineSeg carrier(const ZcGeVector3d& n) const {
    if (!arc) return PlineSeg::make(p0, p1, 0.0, n);
    PlineSeg s;
    s.arc = true;
    s.p0 = p0;
    s.p1 = p1;
    s.n = n;
    s.c = c;
    s.r = r;
    s.theta = sign * ge::kPi;
    s.v0 = p0 - c;
    s.len = r * ge::kPi;
    return s;
  }
  double bulge(const ZcGeVector3d& n) const {
    if (!arc) return 0.0;
    ZcGeVector3d a = p0 - c, b = p1 - c;
    double phi = std::atan2(n.dotProduct(a.crossProduct(b)), a.dotProduct(b));
    double sweep = ge::normAngle(sign * phi);
    return std::tan(sign * sweep / 4.0);
  }
};

}  // namespace

ErrorStatus ZcGeBulgePolyline3d::getOffsetCurves(double dist, ZcGeCurve3dArray& offsetCurves) const {
  if (numSegments() == 0 || isDegenerate()) return Zcad::eInvalidInput;
  ZcGeVector3d n = normal_;
  if (is3d_) {
    for (const ZcGePoint3d& p : points_)
      if (std::fabs(p.z - points_.front().z) > 1e-9) return Zcad::eNotApplicable;
    n = ZcGeVector3d::kZAxis;
  }
  std::vector<Piece> pieces;
  for (unsigned i = 0; i < numSegments(); ++i) {
    PlineSeg s = PlineSeg::make(points_[i], points_[(i + 1) % points_.size()], bulges_[i], n);
    if (s.len == 0.0) continue;
    Piece p;
    p.baseEnd = s.p1;
    if (!s.arc) {
      ZcGeVector3d shift = (s.p1 - s.p0).crossProduct(n).normal() * dist;
      p.p0 = s.p0 + shift;
      p.p1 = s.p1 + shift;
    } else {
      p.arc = true;
      p.sign = s.theta > 0.0 ? 1.0 : -1.0;
      p.c = s.c;
      p.r = s.r + p.sign * dist;  // right of a counter-clockwise arc is outwards
      if (p.r <= ZcGeContext::gTol.equalPoint()) continue;  // the arc collapses: drop it
      p.p0 = s.c + (s.p0 - s.c) * (p.r / s.r);
      p.p1 = s.c + (s.p1 - s.c) * (p.r / s.r);
    }
    pieces.push_back(p);
  }
  if (pieces.empty()) return Zcad::eInvalidInput;
  bool closed = isClosed();
  std::vector<Piece> joined;
  size_t count = pieces.size();
  for (size_t k = 0; k < count; ++k) {
    joined.push_back(pieces[k]);
    if (k + 1 == count && !closed) break;
    Piece& a = joined.back();
    Piece& b = k + 1 == count ? joined.front() : pieces[k + 1];
    if (a.p1.distanceTo(b.p0) <= ge::kMergeTol) { b.p0 = a.p1; continue; }
    std::vector<ZcGePoint3d> xs = ge::carrierIntersections(a.carrier(n), b.carrier(n));
    const ZcGePoint3d* best = nullptr;
    for (const ZcGePoint3d& x : xs)
      if (!best || x.distanceTo(a.baseEnd) < best->distanceTo(a.baseEnd)) best = &x;
    if (best && best->distanceTo(a.baseEnd) <= 4.0 * std::fabs(dist) + 1e-9) {
      a.p1 = *best;  // trim or extend both to their crossing
      b.p0 = *best;
    } else {
      Piece bridge;
      bridge.p0 = a.p1;
      bridge.p1 = b.p0;
      joined.push_back(bridge);
    }
  }
  auto out = std::make_unique<ZcGeBulgePolyline3d>(*this);
  out->points_.clear();
  out->bulges_.clear();
  for (const Piece& p : joined) {
    out->points_.push_back(p.p0);
    out->bulges_.push_back(p.bulge(n));
  }
  if (!closed) {
    out->points_.push_back(joined.back().p1);
    out->bulges_.push_back(0.0);
  } else if (closed && !closed_) {
    // Closed by a repeated last vertex: keep that form.
    out->points_.push_back(joined.front().p0);
    out->bulges_.push_back(0.0);
  }
  offsetCurves.push_back(std::move(out));
  return Zcad::eOk;
}

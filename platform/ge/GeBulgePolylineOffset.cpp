// Offsets of bulge polylines: every segment is offset on its own (lines shifted, arcs re-radiused),
// then neighbours are trimmed to their crossing or bridged by a line where they part.
#include <algorithm>

#include "ge/GeIntersect.h"
#include "ge/GeInternal.h"

using Zcad::ErrorStatus;
using ge::PlineSeg;

namespace {

/// An offset segment: its ends and, for an arc, the offset circle as a segment of its own
/// (the base arc's sweep from the offset start), which the ends may later leave.
struct Piece {
  ZcGePoint3d p0, p1;
  bool arc = false;
  PlineSeg circle;
  ZcGePoint3d baseEnd;  // the base vertex this piece ends at (picks among crossings)

  PlineSeg carrier(const ZcGeVector3d& n) const { return arc ? circle : PlineSeg::make(p0, p1, 0.0, n); }
  double bulge() const {
    if (!arc) return 0.0;
    double sweep = std::fabs(circle.theta);
    double a0 = circle.closest(p0, true) * sweep, a1 = circle.closest(p1, true) * sweep;
    return std::tan((circle.theta > 0.0 ? 1.0 : -1.0) * ge::normAngle(a1 - a0) / 4.0);
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
      double grow = (s.theta > 0.0 ? 1.0 : -1.0) * dist;  // right of a counter-clockwise arc is outwards
      if (s.r + grow <= ZcGeContext::gTol.equalPoint()) continue;  // the arc collapses: drop it
      // The ends move along their radii, relative to the base ends (the centre may be far).
      p.p0 = s.p0 - s.m0 * grow;
      p.p1 = s.p1 - s.inward(1.0) * grow;
      p.circle = PlineSeg::make(p.p0, p.p1, bulges_[i], n);
      if (!p.circle.arc) p.arc = false;
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
    out->bulges_.push_back(p.bulge());
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

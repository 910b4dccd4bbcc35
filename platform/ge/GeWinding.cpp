// Winding numbers on exact curves: lines and arcs of the XY plane in closed form (the chord's
// angle, a full turn more where the point lies between the arc and its chord); other curves by
// halving their Bézier spans until the point lies outside each piece's control box.
#include "ge/GeWinding.h"

#include <algorithm>
#include <cmath>

#include "ge/GeBulgePolylineSeg.h"
#include "ge/GeInternal.h"
#include "ge/GeOcct.h"
#include "ge/GeSpans.h"
#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeEllipArc3d.h"

namespace ge {

namespace {

/// The angle from a − p to b − p, counter-clockwise in XY.
double chordAngle(double ax, double ay, double bx, double by, const ZcGePoint2d& p) {
  double ux = ax - p.x, uy = ay - p.y, vx = bx - p.x, vy = by - p.y;
  return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
}

double chordAngle(const ZcGePoint3d& a, const ZcGePoint3d& b, const ZcGePoint2d& p) {
  return chordAngle(a.x, a.y, b.x, b.y, p);
}

/// A rational Bézier piece (control points with positive weights lie round it: the piece and
/// its chord lie in their convex hull, inside their box). Where `p` is outside that box the
/// closed path piece + reversed chord does not wind round `p`, so the piece turns as its chord.
double pieceAngle(const HPoint* cp, int degree, const ZcGePoint2d& p, int depth) {
  double lox = cp[0].x / cp[0].w, hix = lox, loy = cp[0].y / cp[0].w, hiy = loy;
  for (int i = 1; i <= degree; ++i) {
    double x = cp[i].x / cp[i].w, y = cp[i].y / cp[i].w;
    lox = std::min(lox, x); hix = std::max(hix, x);
    loy = std::min(loy, y); hiy = std::max(hiy, y);
  }
  double ax = cp[0].x / cp[0].w, ay = cp[0].y / cp[0].w, bx = cp[degree].x / cp[degree].w, by = cp[degree].y / cp[degree].w;
  if (p.x < lox || p.x > hix || p.y < loy || p.y > hiy || depth >= 80) return chordAngle(ax, ay, bx, by, p);
  HPoint left[26], right[26];
  splitSpanHalf(cp, degree, left, right);
  return pieceAngle(left, degree, p, depth + 1) + pieceAngle(right, degree, p, depth + 1);
}

double spansAngle(const BezierSpans& s, const ZcGePoint2d& p) {
  double sum = 0.0;
  for (int i = 0; i < s.spans(); ++i) sum += pieceAngle(s.span(i), s.degree, p, 0);
  return sum;
}

/// A circular segment (arc or polyline bulge). In the XY plane: the chord's angle, and a full
/// turn in the arc's sense more where `p` lies between the arc and its chord (inside the circle
/// on the arc's side of the chord); on the chord itself, half a turn in the arc's sense.
double arcAngle(const PlineSeg& s, const ZcGePoint2d& p) {
  if (std::fabs(std::fabs(s.n.z) - 1.0) > 1e-12) {  // out of the plane: its projection is an ellipse
    ZcGeVector3d y = s.n.crossProduct(s.v0) * (s.theta > 0.0 ? 1.0 : -1.0);
    return spansAngle(ellipseSpans(s.c, s.v0, y, 0.0, std::fabs(s.theta)), p);
  }
  double turn = s.theta * s.n.z > 0.0 ? kTwoPi : -kTwoPi;
  bool inCircle = s.offCircle(ZcGePoint3d(p.x, p.y, s.p0.z)) < 0.0;
  if (std::fabs(s.theta) >= kTwoPi - 1e-12) return inCircle ? turn : 0.0;  // a whole circle
  double chord = chordAngle(s.p0, s.p1, p);
  if (!inCircle) return chord;
  double side = (s.p1.x - s.p0.x) * (p.y - s.p0.y) - (s.p1.y - s.p0.y) * (p.x - s.p0.x);
  if (side == 0.0) return 0.5 * turn;
  // An arc turning counter-clockwise bulges to the right of its chord.
  return side * turn < 0.0 ? chord + turn : chord;
}

}  // namespace

double sweptAngle(const ZcGeCurve3d& c, const ZcGePoint2d& p) {
  switch (c.kind()) {
    case ZcGeCurve3d::kLineSeg:
      return chordAngle(c.startPoint(), c.endPoint(), p);
    case ZcGeCurve3d::kCircArc: {
      const auto& a = static_cast<const ZcGeCircArc3d&>(c);
      PlineSeg s = PlineSeg::circular(a.center(), a.normal(), a.startPoint(), a.sweep());
      s.p1 = a.endPoint();
      return arcAngle(s, p);
    }
    case ZcGeCurve3d::kBulgePolyline: {
      const auto& pl = static_cast<const ZcGeBulgePolyline3d&>(c);
      double sum = 0.0;
      for (unsigned i = 0; i < pl.numSegments(); ++i) {
        PlineSeg s = PlineSeg::make(pl.vertexAt(i), pl.vertexAt((i + 1) % pl.numVerts()), pl.bulgeAt(i), pl.normal());
        sum += s.arc ? arcAngle(s, p) : chordAngle(s.p0, s.p1, p);
      }
      return sum;
    }
    case ZcGeCurve3d::kEllipArc: {
      const auto& e = static_cast<const ZcGeEllipArc3d&>(c);
      return spansAngle(ellipseSpans(e.center(), e.majorAxis(), e.minorAxis(), e.startAngle(), e.endParam()), p);
    }
    case ZcGeCurve3d::kNurbCurve:
      return spansAngle(static_cast<const ZcGeNurbCurve3d&>(c).impl().spans, p);
  }
  return chordAngle(c.startPoint(), c.endPoint(), p);
}

int winding(const std::vector<std::unique_ptr<ZcGeCurve3d>>& loop, const ZcGePoint2d& p) {
  double turn = 0.0;
  for (const auto& c : loop) turn += sweptAngle(*c, p);
  return static_cast<int>(std::lround(turn / kTwoPi));
}

}  // namespace ge

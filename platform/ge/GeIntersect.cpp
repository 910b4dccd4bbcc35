// Intersections of curves. Bounded curves whose boxes are apart meet nowhere; lines, arcs and
// polyline segments meet in closed form; pairs with an ellipse or a spline are seeded from
// pairs of Bézier spans and polished by Gauss–Newton on A(s) − B(t) = 0 to ~1e-12. Ends
// touching the other curve are checked explicitly, so end-to-end tangential touches are never
// missed; a stretch the curves share gives its two ends, a crossing at a small angle its place.
#include <algorithm>
#include <functional>
#include <limits>

#include "ge/GeIntersect.h"
#include "ge/GeInternal.h"
#include "ge/GeOcct.h"
#include "ge/GeSpanIntersect.h"
#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeEllipArc3d.h"
#include "ge/ZcGeLineSeg3d.h"
#include "ge/ZcGeNurbCurve3d.h"

using Zcad::ErrorStatus;

namespace ge {

namespace {

constexpr double kHitTol = 1e-9;  // a converged pair of points closer than this is a hit

bool coplanarCircles(const PlineSeg& a, const PlineSeg& b) {
  return a.n.crossProduct(b.n).length() <= 1e-12 && std::fabs((b.p0 - a.p0).dotProduct(a.n)) <= kHitTol;
}

/// Where two lines cross. Near-parallel lines are solved through cross products, which keep
/// their precision down to the smallest angles (the Gram determinant a·c − b² does not: at a
/// sine of 1e-11 it is pure rounding). Parallel lines give nothing; collinear ones are the
/// caller's overlap case.
std::vector<ZcGePoint3d> lineLine(const PlineSeg& a, const PlineSeg& b) {
  ZcGeVector3d d1 = a.p1 - a.p0, d2 = b.p1 - b.p0, w = b.p0 - a.p0;
  ZcGeVector3d x = d1.crossProduct(d2);
  double den = x.lengthSqrd();
  if (den == 0.0) return {};
  double s = w.crossProduct(d2).dotProduct(x) / den, t = w.crossProduct(d1).dotProduct(x) / den;
  ZcGePoint3d p = a.p0 + d1 * s, q = b.p0 + d2 * t;
  if (p.distanceTo(q) > kHitTol) return {};
  return {p + (q - p) * 0.5};
}

/// Where the line through `q0` along the unit `d` meets the circle of `c` (in its plane), from
/// the circle's equation at its start point: |x − p0|²/(2r) − (x − p0)·m0 = 0, which holds its
/// precision for any radius. A line within a tenth of the tolerance of touching touches.
std::vector<ZcGePoint3d> lineMeetsCircle(const ZcGePoint3d& q0, const ZcGeVector3d& d, const PlineSeg& c) {
  ZcGePoint3d q = q0 + d * (c.p0 - q0).dotProduct(d);  // the foot of p0 on the line
  ZcGeVector3d e = q - c.p0;
  double k = 1.0 / c.r;
  // k/2·s² + b·s + cc = 0 for the points q + s·d.
  double b = -d.dotProduct(c.m0), cc = 0.5 * k * e.lengthSqrd() - e.dotProduct(c.m0);
  double disc = b * b - 2.0 * k * cc;  // (half chord / r)²
  double touch = 0.2 * k * kHitTol;
  if (disc < -0.1 * touch) return {};
  if (disc <= touch) return {q - d * (b / k)};
  double root = -(b + std::copysign(std::sqrt(disc), b));
  return {q + d * (root / k), q + d * (2.0 * cc / root)};
}

std::vector<ZcGePoint3d> lineCircle(const PlineSeg& l, const PlineSeg& c) {
  ZcGeVector3d d = (l.p1 - l.p0).normal();
  if (d.isZeroLength()) return {};
  double along = d.dotProduct(c.n), off = (l.p0 - c.p0).dotProduct(c.n);
  if (std::fabs(along) > 1e-12) {  // the line pierces the circle's plane once
    ZcGePoint3d q = l.p0 - d * (off / along);
    return std::fabs(c.offCircle(q)) <= kHitTol ? std::vector<ZcGePoint3d>{q} : std::vector<ZcGePoint3d>{};
  }
  if (std::fabs(off) > kHitTol) return {};
  return lineMeetsCircle(l.p0, d, c);
}

/// Two coplanar circles meet where their radical line meets either. In b's frame (y = x − b.p0)
/// the line is y·g = h with g = (a.centre − b.centre)/r_b and h from a's start point and
/// inward normal, both without forming a centre, so nearly straight arcs keep their precision.
std::vector<ZcGePoint3d> circleCircle(const PlineSeg& a, const PlineSeg& b) {
  ZcGeVector3d delta = a.p0 - b.p0;
  double k = 1.0 / b.r, ratio = a.r / b.r;
  ZcGeVector3d g = delta * k + a.m0 * ratio - b.m0;
  g -= a.n * g.dotProduct(a.n);
  double gl = g.length();
  if (gl <= kHitTol * k) return {};  // concentric
  double h = 0.5 * k * delta.lengthSqrd() + ratio * delta.dotProduct(a.m0);
  ZcGeVector3d unit = g / gl;
  return lineMeetsCircle(b.p0 + unit * (h / gl), a.n.crossProduct(unit), b);
}

}  // namespace

std::vector<ZcGePoint3d> carrierIntersections(const PlineSeg& a, const PlineSeg& b) {
  if (!a.arc && !b.arc) return lineLine(a, b);
  if (!a.arc) return lineCircle(a, b);
  if (!b.arc) return lineCircle(b, a);
  if (!coplanarCircles(a, b)) return {};
  return circleCircle(a, b);
}

namespace {

/// A piece of a curve: an analytic segment or a numeric curve, with how it may extend.
struct Piece {
  bool analytic = true;
  PlineSeg seg;
  bool extStart = false, extEnd = false;  // analytic: a line extends as a ray, an arc to its circle
  const ZcGeCurve3d* curve = nullptr;     // numeric
  double lo = 0.0, hi = 0.0;              // numeric parameter interval
  double base = 0.0, scale = 1.0;         // analytic: curve param = base + u · scale
  int samples = 64;

  ZcGePoint3d point(double u) const { return analytic ? seg.point(u) : curve->evalPoint(u); }
  ZcGeVector3d deriv(double u) const { return analytic ? seg.deriv(u) : curve->evalDeriv(u); }
  double param(double u) const { return analytic ? base + u * scale : u; }
};

PlineSeg segOfLine(const ZcGeLineSeg3d& l) { return PlineSeg::make(l.startPoint(), l.endPoint(), 0.0, ZcGeVector3d::kZAxis); }

PlineSeg segOfArc(const ZcGeCircArc3d& a) {
  PlineSeg s = PlineSeg::circular(a.center(), a.normal(), a.startPoint(), a.sweep());
  s.p1 = a.endPoint();
  return s;
}

std::vector<Piece> piecesOf(const ZcGeCurve3d& c, bool ext) {
  std::vector<Piece> out;
  Piece p;
  switch (c.kind()) {
    case ZcGeCurve3d::kLineSeg:
      p.seg = segOfLine(static_cast<const ZcGeLineSeg3d&>(c));
      p.extStart = p.extEnd = ext;
      p.scale = c.endParam();
      if (p.seg.len > 0.0) out.push_back(p);  // a zero-length line is a point: its end touches
      break;
    case ZcGeCurve3d::kCircArc:
      p.seg = segOfArc(static_cast<const ZcGeCircArc3d&>(c));
      p.extStart = p.extEnd = ext && !c.isClosed();
      p.scale = c.endParam();
      if (p.seg.r > 0.0) out.push_back(p);
      break;
    case ZcGeCurve3d::kBulgePolyline: {
      const auto& pl = static_cast<const ZcGeBulgePolyline3d&>(c);
      unsigned n = pl.numSegments();
      bool open = !pl.isClosed();
      for (unsigned i = 0; i < n; ++i) {
        Piece s;
        s.seg = PlineSeg::make(pl.vertexAt(i), pl.vertexAt((i + 1) % pl.numVerts()), pl.bulgeAt(i), pl.normal());
        if (s.seg.len == 0.0) continue;
        s.base = i;
        s.extStart = ext && open && i == 0;
        s.extEnd = ext && open && i + 1 == n;
        if (s.seg.arc && (s.extStart || s.extEnd)) s.extStart = s.extEnd = true;
        out.push_back(s);
      }
      break;
    }
    case ZcGeCurve3d::kEllipArc:
      p.analytic = false;
      p.curve = &c;
      p.hi = (ext && !c.isClosed()) ? kTwoPi : c.endParam();
      p.samples = 128;
      out.push_back(p);
      break;
    case ZcGeCurve3d::kNurbCurve: {
      p.analytic = false;
      p.curve = &c;
      p.hi = c.endParam();
      p.samples = std::max(128, 12 * static_cast<int>(static_cast<const ZcGeNurbCurve3d&>(c).numControlPoints()));
      if (p.hi > 0.0) out.push_back(p);
      break;
    }
  }
  return out;
}

/// Whether the local parameter `u` of an analytic piece is on it (with its extensions), and
/// the parameter snapped to the piece's ends when within tolerance.
bool acceptOnSeg(const Piece& p, const ZcGePoint3d& pt, double& u) {
  const PlineSeg& s = p.seg;
  u = s.closest(pt, true);
  double eps = kHitTol / std::max(s.len, 1e-300);
  if (s.arc) {
    double turns = kTwoPi / std::fabs(s.theta);
    if (u > turns - eps) u -= turns;  // just before the start
    if (turns > 64.0 && u > 0.5 * turns) u -= turns;  // a nearly straight arc's extension backwards
    if (u < 0.0 && u > -eps) u = 0.0;
    if (u > 1.0 && u < 1.0 + eps) u = 1.0;
    return (u >= 0.0 && u <= 1.0) || p.extStart || p.extEnd;
  }
  if (u < 0.0 && u > -eps) u = 0.0;
  if (u > 1.0 && u < 1.0 + eps) u = 1.0;
  return (u >= 0.0 || p.extStart) && (u <= 1.0 || p.extEnd);
}

/// Adds a hit unless one lies within `radius` of it already.
void addHit(std::vector<CurveHit>& hits, const ZcGePoint3d& pt, double pa, double pb, double radius = kMergeTol) {
  for (const CurveHit& h : hits)
    if (h.point.distanceTo(pt) <= radius) return;
  hits.push_back({pt, pa, pb});
}

void analyticPair(const Piece& a, const Piece& b, std::vector<CurveHit>& hits) {
  std::vector<ZcGePoint3d> pts;
  const PlineSeg &sa = a.seg, &sb = b.seg;
  bool overlap = false;
  if (!sa.arc && !sb.arc) {
    // Collinear within the tolerance: one lies along the other's line, both its ends within
    // kHitTol of it. The overlap is reported as its ends: the ends of either that lie within
    // kHitTol of the other's line and within its reach (the segment, or its extension).
    auto offLine = [](const PlineSeg& l, const ZcGePoint3d& p) { return (p - l.p0).crossProduct(l.t0).length(); };
    overlap = (offLine(sa, sb.p0) <= kHitTol && offLine(sa, sb.p1) <= kHitTol) ||
              (offLine(sb, sa.p0) <= kHitTol && offLine(sb, sa.p1) <= kHitTol);
    if (overlap) {
      for (const ZcGePoint3d& p : {sa.p0, sa.p1, sb.p0, sb.p1})
        if (offLine(sa, p) <= kHitTol && offLine(sb, p) <= kHitTol) pts.push_back(p);
    }
  } else if (sa.arc && sb.arc) {
    overlap = coplanarCircles(sa, sb) && std::fabs(sa.r - sb.r) <= kHitTol && std::fabs(sa.offCircle(sb.p0)) <= kHitTol &&
              std::fabs(sa.offCircle(sb.onArc(0.5))) <= kHitTol && std::fabs(sa.offCircle(sb.p1)) <= kHitTol;
  }
  if (overlap && sa.arc) pts = {sa.p0, sa.p1, sb.p0, sb.p1};  // the overlap's ends are among the four ends
  else if (!overlap) pts = carrierIntersections(sa, sb);
  for (const ZcGePoint3d& p : pts) {
    double ua = 0.0, ub = 0.0;
    if (acceptOnSeg(a, p, ua) && acceptOnSeg(b, p, ub)) addHit(hits, p, a.param(ua), b.param(ub));
  }
}

/// The interval of a piece used for sampling: an analytic piece's extensions are cut to the
/// region where the other piece lies.
void sampleRange(const Piece& p, const ZcGePoint3d& lo, const ZcGePoint3d& hi, double& u0, double& u1, int& n) {
  if (!p.analytic) { u0 = p.lo; u1 = p.hi; n = p.samples; return; }
  u0 = 0.0;
  u1 = 1.0;
  n = p.seg.arc ? 64 : 1;
  double turns = p.seg.arc ? kTwoPi / std::fabs(p.seg.theta) : 0.0;
  // A nearly straight arc extends like a line, over the reach of the other piece's box only.
  bool flat = p.seg.arc && turns > 64.0;
  if (p.seg.arc && !flat && (p.extStart || p.extEnd)) { u1 = turns; n = 128; return; }
  if (!(p.extStart || p.extEnd)) return;
  if (flat) n = 64;
  for (int k = 0; k < 8; ++k) {
    ZcGePoint3d corner((k & 1) ? hi.x : lo.x, (k & 2) ? hi.y : lo.y, (k & 4) ? hi.z : lo.z);
    double u = p.seg.closest(corner, true);
    if (flat && u > 0.5 * turns) u -= turns;
    if (p.extStart) u0 = std::min(u0, u - 0.01);
    if (p.extEnd) u1 = std::max(u1, u + 0.01);
  }
}

/// Gauss–Newton with damping on A(s) − B(t), keeping s and t inside their intervals.
bool polishPair(const Piece& a, double a0, double a1, const Piece& b, double b0, double b1, double& s, double& t) {
  double lambda = 0.0;
  ZcGeVector3d f = a.point(s) - b.point(t);
  for (int it = 0; it < 60 && f.length() > 1e-15; ++it) {
    ZcGeVector3d da = a.deriv(s), db = -b.deriv(t);
    double j11 = da.dotProduct(da) + lambda, j12 = da.dotProduct(db), j22 = db.dotProduct(db) + lambda;
    double g1 = -da.dotProduct(f), g2 = -db.dotProduct(f);
    double det = j11 * j22 - j12 * j12;
    if (std::fabs(det) <= 1e-300) { lambda = lambda == 0.0 ? 1e-12 * (j11 + j22) : lambda * 10.0; continue; }
    double ns = std::clamp(s + (g1 * j22 - g2 * j12) / det, a0, a1);
    double nt = std::clamp(t + (j11 * g2 - j12 * g1) / det, b0, b1);
    ZcGeVector3d nf = a.point(ns) - b.point(nt);
    if (nf.length() < f.length()) {
      bool tiny = std::fabs(ns - s) + std::fabs(nt - t) <= 1e-16 * (1.0 + std::fabs(s) + std::fabs(t));
      s = ns; t = nt; f = nf;
      lambda *= 0.1;
      if (tiny) break;
    } else {
      lambda = lambda == 0.0 ? 1e-9 * (j11 + j22) : lambda * 10.0;
      if (lambda > 1e12 * (1.0 + j11 + j22)) break;
    }
  }
  return f.length() <= kHitTol;
}

/// The foot of `p` on `b` near `t` within [lo, hi] (Gauss–Newton; `p` is close to the curve).
double footOn(const Piece& b, const ZcGePoint3d& p, double t, double lo, double hi) {
  for (int it = 0; it < 30; ++it) {
    ZcGeVector3d d = b.deriv(t);
    double speed2 = d.lengthSqrd();
    if (speed2 <= 0.0) break;
    double nt = std::clamp(t + (p - b.point(t)).dotProduct(d) / speed2, lo, hi);
    if (nt == t) break;
    t = nt;
  }
  return t;
}

/// Where the pieces meet over [a0, a1] × [b0, b1], of which `spanA`, `spanB` are the spans.
struct PiecePair {
  const Piece &a, &b;
  double a0, a1, b0, b1;
  const SpanCurve &spanA, &spanB;
};

void mergeFound(const PiecePair& pp, std::vector<std::pair<double, double>>& found, std::vector<CurveHit>& hits);
void sweepParallel(const PiecePair& pp, std::vector<SpanSeed>& parallel, std::vector<std::pair<double, double>>& found);

/// Newton from (s, t), kept near the seed's sub-spans (each holds one crossing at most); a
/// converged pair goes to `found`.
void polishSeed(const PiecePair& pp, const SpanSeed& sd, double s, double t, std::vector<std::pair<double, double>>& found) {
  double ms = 0.25 * (sd.s1 - sd.s0), mt = 0.25 * (sd.t1 - sd.t0);
  if (polishPair(pp.a, std::max(pp.a0, sd.s0 - ms), std::min(pp.a1, sd.s1 + ms), pp.b, std::max(pp.b0, sd.t0 - mt),
                 std::min(pp.b1, sd.t1 + mt), s, t))
    found.emplace_back(s, t);
}

/// The piece over [u0, u1] as Bézier spans; false for an empty spline.
bool spansOf(const Piece& p, double u0, double u1, SpanCurve& out) {
  if (p.analytic && !p.seg.arc) {
    out = lineSpanCurve(p.seg.point(u0), p.seg.point(u1), u0, u1);
    return true;
  }
  if (p.analytic) {  // u is the fraction of the signed sweep
    double th = std::fabs(p.seg.theta);
    ZcGeVector3d y = p.seg.n.crossProduct(p.seg.v0) * (p.seg.theta > 0.0 ? 1.0 : -1.0);
    out = ellipticSpanCurve(p.seg.c, p.seg.v0, y, th * u0, th * (u1 - u0), u0, 1.0 / th);
    return th > 0.0;
  }
  if (p.curve->kind() == ZcGeCurve3d::kEllipArc) {
    const auto& e = static_cast<const ZcGeEllipArc3d&>(*p.curve);
    out = ellipticSpanCurve(e.center(), e.majorAxis(), e.minorAxis(), e.startAngle() + u0, u1 - u0, u0, 1.0);
    return u1 > u0;
  }
  const BezierSpans& spans = static_cast<const ZcGeNurbCurve3d&>(*p.curve).impl().spans;
  out = splineSpanCurve(spans);
  return spans.spans() > 0;
}

void numericPair(const Piece& a, const Piece& b, std::vector<CurveHit>& hits) {
  double a0, a1, b0, b1;
  int na, nb;
  ZcGePoint3d lo, hi;
  // Seeds from Bézier span pairs; an analytic piece's extension is cut to the other's box.
  SpanCurve spanA, spanB;
  if (a.analytic) {
    sampleRange(b, {}, {}, b0, b1, nb);
    if (!spansOf(b, b0, b1, spanB)) return;
    spanB.spans.bounds(lo, hi);
    sampleRange(a, lo, hi, a0, a1, na);
    if (!spansOf(a, a0, a1, spanA)) return;
  } else {
    sampleRange(a, {}, {}, a0, a1, na);
    if (!spansOf(a, a0, a1, spanA)) return;
    spanA.spans.bounds(lo, hi);
    sampleRange(b, lo, hi, b0, b1, nb);
    if (!spansOf(b, b0, b1, spanB)) return;
  }
  std::vector<std::pair<double, double>> found;  // converged (s, t) on the two pieces
  PiecePair pp{a, b, a0, a1, b0, b1, spanA, spanB};
  std::vector<SpanSeed> parallel;
  for (const SpanSeed& sd : spanSeeds(spanA, spanB, kHitTol, false, &parallel)) polishSeed(pp, sd, sd.s, sd.t, found);
  sweepParallel(pp, parallel, found);
  mergeFound(pp, found, hits);
}

/// A piece's own parameter for the curve parameter `param` (the inverse of Piece::param).
double localOf(const Piece& p, double param) { return p.analytic ? (param - p.base) / p.scale : param; }

/// Whether the hit at curve parameters (`pa`, `pb`) and the earlier hit `h` lie on one stretch
/// where the two curves stay within the tolerance: one tangential touch seen twice. The curves
/// must keep together at the quarter points between the two on the first curve.
bool oneTouch(const Piece& a, const Piece& b, double b0, double b1, const CurveHit& h, double pa, double pb) {
  double s0 = localOf(a, h.paramA), s1 = localOf(a, pa), t0 = localOf(b, h.paramB), t1 = localOf(b, pb);
  if (a.point(s0).distanceTo(h.point) > kHitTol || b.point(t0).distanceTo(h.point) > kHitTol)
    return false;  // a hit of other pieces of the same curves
  for (double f : {0.25, 0.5, 0.75}) {
    ZcGePoint3d p = a.point(s0 + (s1 - s0) * f);
    if (p.distanceTo(b.point(footOn(b, p, t0 + (t1 - t0) * f, b0, b1))) > kHitTol) return false;
  }
  return true;
}

/// The distance from a(s) to b, its foot `t` (from the guess given) on b.
double gapAt(const PiecePair& pp, double s, double& t) {
  ZcGePoint3d p = pp.a.point(s);
  t = footOn(pp.b, p, t, pp.b0, pp.b1);
  return p.distanceTo(pp.b.point(t));
}

/// From `s` (where a lies on b, its foot `t`) along a in the direction `dir` to the last place
/// still within the tolerance of b: steps doubling from `step`, then bisection.
double stretchEnd(const PiecePair& pp, double s, double t, double dir, double step) {
  double limit = dir > 0.0 ? pp.a1 : pp.a0;
  for (int k = 0; k < 80; ++k, step *= 2.0) {
    double out = dir > 0.0 ? std::min(limit, s + step) : std::max(limit, s - step), tout = t;
    if (gapAt(pp, out, tout) > kHitTol) {
      for (int it = 0; it < 60 && out != s; ++it) {  // s on b, out off it
        double m = 0.5 * (s + out), tm = t;
        if (m == s || m == out) break;
        if (gapAt(pp, m, tm) <= kHitTol) { s = m; t = tm; } else out = m;
      }
      return s;
    }
    s = out;
    t = tout;
    if (s == limit) return s;
  }
  return s;
}

/// The place on a of the span break (of a, or of b's projected onto a) nearest to a(s), within
/// `reach`; `s` itself when there is none. Two different polynomial pieces can only share a
/// stretch that ends at a break of one of them.
double snapToBreak(const PiecePair& pp, double s, double reach) {
  ZcGePoint3d p = pp.a.point(s);
  double best = s, bestDist = reach;
  auto consider = [&](double sa) {
    double d = pp.a.point(sa).distanceTo(p);
    if (d < bestDist) { bestDist = d; best = sa; }
  };
  int na = pp.spanA.spans.spans(), nb = pp.spanB.spans.spans();
  for (int i = 0; i <= na; ++i) consider(i < na ? pp.spanA.param(i, 0.0) : pp.spanA.param(na - 1, 1.0));
  for (int i = 0; i <= nb; ++i) {
    ZcGePoint3d q = pp.b.point(i < nb ? pp.spanB.param(i, 0.0) : pp.spanB.param(nb - 1, 1.0));
    if (q.distanceTo(p) >= bestDist) continue;
    double sa = footOn(pp.a, q, s, pp.a0, pp.a1);
    if (pp.a.point(sa).distanceTo(q) <= kHitTol) consider(sa);
  }
  return best;
}

/// Which side of b (seen in XY) a(s) lies on, its foot `t` (from the guess given) on b.
double sideOf(const PiecePair& pp, double s, double& t) {
  ZcGePoint3d p = pp.a.point(s);
  t = footOn(pp.b, p, t, pp.b0, pp.b1);
  ZcGePoint3d q = pp.b.point(t);
  ZcGeVector3d d = pp.b.deriv(t);
  return d.x * (p.y - q.y) - d.y * (p.x - q.x);
}

/// Where a passes from one side of b to the other between `lo` (on side `sideLo`, foot `tl`)
/// and `hi` (foot `th`), by bisection: `s` and its foot `t`.
void sideChange(const PiecePair& pp, double lo, double tl, double hi, double th, double sideLo, double& s, double& t) {
  for (int it = 0; it < 80; ++it) {
    double m = 0.5 * (lo + hi), tm = 0.5 * (tl + th);
    if (m == lo || m == hi) break;
    double side = sideOf(pp, m, tm);
    if (side == 0.0) { lo = hi = m; tl = th = tm; break; }
    if ((side < 0.0) == (sideLo < 0.0)) { lo = m; tl = tm; } else { hi = m; th = tm; }
  }
  s = 0.5 * (lo + hi);
  t = 0.5 * (tl + th);
}

/// Adds the hit where a(s) meets b at its foot `t` (within the pieces).
void addStretchHit(const PiecePair& pp, double s, double t, std::vector<CurveHit>& hits) {
  ZcGePoint3d p = pp.a.point(s), q = pp.b.point(t), mid = p + (q - p) * 0.5;
  double ua = s, ub = t;
  if (pp.a.analytic && !acceptOnSeg(pp.a, mid, ua)) return;
  if (pp.b.analytic && !acceptOnSeg(pp.b, mid, ub)) return;
  addHit(hits, mid, pp.a.param(ua), pp.b.param(ub));
}

/// The seeds from s0 to s1 (feet t0, t1) lie where the pieces keep within the tolerance of
/// each other: that stretch is widened to where they part. Within a stretch the pieces share
/// they keep much closer than the tolerance (a tangential touch or a crossing at a small angle
/// comes near it only at one place): its ends, snapped to the span breaks where they lie, are
/// the hits. A crossing at a small angle leaves b's two sides at the stretch's ends: the hit is
/// where a changes side, by bisection. False for a touch (the caller reports its middle).
bool resolveStretch(const PiecePair& pp, double s0, double t0, double s1, double t1, std::vector<CurveHit>& hits) {
  double step = std::max(s1 - s0, 1e-9 * (pp.a1 - pp.a0));
  double e0 = stretchEnd(pp, s0, t0, -1.0, step), e1 = stretchEnd(pp, s1, t1, 1.0, step);
  double len = pp.a.point(e0).distanceTo(pp.a.point(e1));
  if (len <= kMergeTol) return false;
  bool shared = true;
  for (double f : {0.1, 0.3, 0.5, 0.7, 0.9}) {
    double t = t0 + (t1 - t0) * f;
    shared = shared && gapAt(pp, e0 + (e1 - e0) * f, t) <= 0.4 * kHitTol;
  }
  if (shared) {
    for (double e : {snapToBreak(pp, e0, 0.05 * len), snapToBreak(pp, e1, 0.05 * len)}) {
      double t = t0;
      gapAt(pp, e, t);
      addStretchHit(pp, e, t, hits);
    }
    return true;
  }
  double tl = t0, th = t1;
  double sideLo = sideOf(pp, e0, tl), sideHi = sideOf(pp, e1, th);
  if (!((sideLo < 0.0 && sideHi > 0.0) || (sideLo > 0.0 && sideHi < 0.0))) return false;
  double s, t;
  sideChange(pp, e0, tl, e1, th, sideLo, s, t);
  if (gapAt(pp, s, t) > kHitTol) return false;
  addStretchHit(pp, s, t, hits);
  return true;
}

namespace {
/// a's place s, its foot t on b, the gap between them and a's side of b (seen in XY).
struct SideSample {
  double s, t, gap, side;
};
}  // namespace

/// The nearly parallel pairs the seeder left (slivers, touches, overlaps). Newton started from
/// each would crawl along the narrow valley between the curves and mostly fail; instead a's
/// gap to b and its side of b are sampled at the pairs' ends along each run of them. A change of
/// side is a crossing, found by bisection; a gap within the tolerance goes to `found` as it is
/// (mergeFound widens the stretch); elsewhere the side, whose bend between samples is bounded by
/// twice its second differences, must keep clear of the tolerance, or the interval is halved,
/// down to the seeder's smallest pieces, where Newton polishes as for other seeds. Curves apart
/// across their plane (not in XY) are polished as before.
void sweepParallel(const PiecePair& pp, std::vector<SpanSeed>& parallel, std::vector<std::pair<double, double>>& found) {
  std::sort(parallel.begin(), parallel.end(),
            [](const SpanSeed& x, const SpanSeed& y) { return x.s0 < y.s0 || (x.s0 == y.s0 && x.t0 < y.t0); });
  // Runs: pairs following on along a whose places on b follow on too.
  std::vector<std::vector<const SpanSeed*>> runs;
  for (const SpanSeed& sd : parallel) {
    std::vector<const SpanSeed*>* into = nullptr;
    for (size_t k = runs.size(); k-- > 0 && k + 8 >= runs.size() && !into;) {
      const SpanSeed& l = *runs[k].back();
      double w = std::max(l.t1 - l.t0, sd.t1 - sd.t0);
      if (sd.s0 <= l.s1 && sd.t0 <= l.t1 + w && sd.t1 >= l.t0 - w) into = &runs[k];
    }
    if (into) into->push_back(&sd);
    else runs.push_back({&sd});
  }
  ZcGePoint3d blo, bhi;
  pp.spanA.spans.bounds(blo, bhi);
  double smallest = 5e-4 * (bhi - blo).length();  // the seeder's smallest pieces
  for (const auto& run : runs) {
    std::vector<double> ss;
    double tlo = pp.b1, thi = pp.b0, w = 0.0;
    for (const SpanSeed* sd : run) {
      ss.push_back(sd->s0);
      ss.push_back(sd->s1);
      tlo = std::min(tlo, sd->t0);
      thi = std::max(thi, sd->t1);
      w = std::max(w, sd->t1 - sd->t0);
    }
    std::sort(ss.begin(), ss.end());
    ss.erase(std::unique(ss.begin(), ss.end()), ss.end());
    double b0 = std::max(pp.b0, tlo - w), b1 = std::min(pp.b1, thi + w);
    PiecePair near = pp;
    near.b0 = b0;
    near.b1 = b1;
    bool planar = ss.size() >= 3;
    // The foot from a close guess: Newton stops once its steps are at rounding.
    auto sample = [&](double s, double t) {
      ZcGePoint3d p = pp.a.point(s), q = pp.b.point(t);
      ZcGeVector3d d = pp.b.deriv(t);
      for (int it = 0; it < 30 && d.lengthSqrd() > 0.0; ++it) {
        double nt = std::clamp(t + (p - q).dotProduct(d) / d.lengthSqrd(), b0, b1);
        bool done = std::fabs(nt - t) <= 1e-15 * (std::fabs(b1) + std::fabs(b0));
        t = nt;
        q = pp.b.point(t);
        d = pp.b.deriv(t);
        if (done) break;
      }
      double speed = std::hypot(d.x, d.y), gap = p.distanceTo(q);
      double side = speed > 0.0 ? (d.x * (p.y - q.y) - d.y * (p.x - q.x)) / speed : 0.0;
      planar = planar && (gap <= kHitTol || std::fabs(side) >= 0.5 * gap);
      return SideSample{s, t, gap, side};
    };
    auto polish = [&](const SideSample& l, const SideSample& r) {  // Newton from the ends and the middle
      SpanSeed sd{0.0, 0.0, l.s, r.s, std::min(l.t, r.t), std::max(l.t, r.t)};
      for (double s : {l.s, 0.5 * (l.s + r.s), r.s})
        polishSeed(pp, sd, s, footOn(pp.b, pp.a.point(s), 0.5 * (l.t + r.t), b0, b1), found);
    };
    auto bendOf = [](const SideSample& l, const SideSample& m, const SideSample& r) {  // |second divided difference|
      double d1 = (r.side - m.side) / (r.s - m.s), d0 = (m.side - l.side) / (m.s - l.s);
      return std::fabs(2.0 * (d1 - d0) / (r.s - l.s));
    };
    std::function<void(const SideSample&, const SideSample&, double)> interval = [&](const SideSample& l,
                                                                                    const SideSample& r, double bend) {
      if ((l.side < 0.0 && r.side > 0.0) || (l.side > 0.0 && r.side < 0.0)) {
        double s, t;
        sideChange(near, l.s, l.t, r.s, r.t, l.side, s, t);
        if (gapAt(near, s, t) <= kHitTol) found.emplace_back(s, t);
        else polish(l, r);
        return;
      }
      // Nearly straight between the samples, the side is nearest the tolerance at an end, which
      // is in `found` already when within it.
      double len = r.s - l.s, dip = 2.0 * bend * len * len / 8.0;
      const SideSample& low = std::fabs(l.side) <= std::fabs(r.side) ? l : r;
      if (std::fabs(low.side) - dip > kHitTol || (dip <= 0.1 * kHitTol && low.gap <= kHitTol)) return;
      if (pp.a.point(l.s).distanceTo(pp.a.point(r.s)) <= smallest) { polish(l, r); return; }
      SideSample m = sample(0.5 * (l.s + r.s), 0.5 * (l.t + r.t));
      if (m.gap <= kHitTol) found.emplace_back(m.s, m.t);
      double b = std::max(bend, bendOf(l, m, r));
      interval(l, m, b);
      interval(m, r, b);
    };
    std::vector<SideSample> at;
    double t = run.front()->t;
    for (double s : ss) {
      at.push_back(sample(s, t));
      t = at.back().t;
    }
    if (!planar) {  // Newton as for other seeds
      for (const SpanSeed* sd : run)
        for (double s : {sd->s0, 0.5 * (sd->s0 + sd->s1), sd->s1})
          polishSeed(pp, *sd, s, footOn(pp.b, pp.a.point(s), sd->t, sd->t0, sd->t1), found);
      continue;
    }
    size_t n = at.size();
    for (size_t i = 0; i < n; ++i)
      if (at[i].gap <= kHitTol) found.emplace_back(at[i].s, at[i].t);
    for (size_t i = 0; i + 1 < n; ++i) {
      double bend = 0.0;
      if (i > 0) bend = bendOf(at[i - 1], at[i], at[i + 1]);
      if (i + 2 < n) bend = std::max(bend, bendOf(at[i], at[i + 1], at[i + 2]));
      interval(at[i], at[i + 1], bend);
    }
  }
}

/// Turns converged parameter pairs into hits: one per crossing, one per tangential touch, the
/// two ends of a stretch the pieces share.
void mergeFound(const PiecePair& pp, std::vector<std::pair<double, double>>& found, std::vector<CurveHit>& hits) {
  const Piece &a = pp.a, &b = pp.b;
  const BezierSpans& spansB = pp.spanB.spans;
  double b0 = pp.b0, b1 = pp.b1;
  // A crossing draws every seed to one point. A tangential touch does not: its residual vanishes
  // to second order, so seeds stop anywhere along a stretch of ~1e-7 where the curves are
  // within the tolerance. Seeds between which the curves never part are one touch, reported
  // at the middle of the stretch (on both curves to ~1e-14, its place along them ill-conditioned).
  std::sort(found.begin(), found.end());
  for (size_t i = 0; i < found.size();) {
    size_t j = i + 1;
    for (; j < found.size(); ++j) {
      double sm = 0.5 * (found[j - 1].first + found[j].first), tm = 0.5 * (found[j - 1].second + found[j].second);
      ZcGePoint3d p = a.point(sm);
      if (!nearSpans(spansB, p, kHitTol)) break;  // clear of b's boxes: the curves part
      if (p.distanceTo(b.point(footOn(b, p, tm, b0, b1))) > kHitTol) break;
    }
    double s = 0.5 * (found[i].first + found[j - 1].first), t = 0.5 * (found[i].second + found[j - 1].second);
    double spread = a.point(found[i].first).distanceTo(a.point(found[j - 1].first));
    size_t first = i, last = j - 1;
    i = j;
    // Seeds spread wider than a hundredth of the tolerance: a stretch, a touch or a crossing
    // at a small angle, each placed where it is rather than at the seeds' middle.
    if (spread > 0.01 * kHitTol &&
        resolveStretch(pp, found[first].first, found[first].second, found[last].first, found[last].second, hits))
      continue;
    if (spread > 0.0) t = footOn(b, a.point(s), t, b0, b1);
    ZcGePoint3d p = a.point(s), q = b.point(t);
    if (p.distanceTo(q) > kHitTol) continue;
    ZcGePoint3d mid = p + (q - p) * 0.5;
    double ua = s, ub = t;
    if (a.analytic && !acceptOnSeg(a, mid, ua)) continue;
    if (b.analytic && !acceptOnSeg(b, mid, ub)) continue;
    // A touch at an end is already there, as the end point itself; so is a touch whose stretch
    // reaches a hit found before (the curves never part between the two).
    double pa = a.param(a.analytic ? ua : s), pb = b.param(b.analytic ? ub : t);
    if (std::any_of(hits.begin(), hits.end(), [&](const CurveHit& h) { return oneTouch(a, b, b0, b1, h, pa, pb); }))
      continue;
    addHit(hits, mid, pa, pb, kMergeTol + spread);
  }
}

/// A box that holds the whole curve: the box of a spline's Bézier control points (which hold
/// the curve), the closed-form extents of the others. False for an empty spline.
bool holdingBox(const ZcGeCurve3d& c, ZcGePoint3d& lo, ZcGePoint3d& hi) {
  if (c.kind() != ZcGeCurve3d::kNurbCurve) return c.getGeomExtents(lo, hi) == Zcad::eOk;
  const BezierSpans& spans = static_cast<const ZcGeNurbCurve3d&>(c).impl().spans;
  spans.bounds(lo, hi);
  return spans.spans() > 0;
}

}  // namespace

std::vector<CurveHit> intersectCurves(const ZcGeCurve3d& a, bool extA, const ZcGeCurve3d& b, bool extB) {
  std::vector<CurveHit> hits;
  // Bounded curves whose boxes, grown by the tolerance, are apart meet nowhere: two box tests.
  ZcGePoint3d alo, ahi, blo, bhi;
  if (!extA && !extB && holdingBox(a, alo, ahi) && holdingBox(b, blo, bhi))
    for (unsigned k = 0; k < 3; ++k)
      if (alo[k] > bhi[k] + kHitTol || blo[k] > ahi[k] + kHitTol) return hits;
  // Ends first: a touch at an end is reported at the end point itself.
  auto endTouch = [&](const ZcGeCurve3d& self, const ZcGeCurve3d& other, bool extOther, bool selfIsA) {
    for (double t : {0.0, self.endParam()}) {
      ZcGePoint3d p = self.evalPoint(t);
      if (other.kind() == ZcGeCurve3d::kNurbCurve &&
          !nearSpans(static_cast<const ZcGeNurbCurve3d&>(other).impl().spans, p, kHitTol))
        continue;  // nowhere near: spare the projection
      double u = other.closestParam(p, extOther);
      if (other.evalPoint(u).distanceTo(p) <= kHitTol) {
        if (selfIsA) addHit(hits, p, t, u);
        else addHit(hits, p, u, t);
      }
    }
  };
  endTouch(a, b, extB, true);
  endTouch(b, a, extA, false);
  std::vector<Piece> pa = piecesOf(a, extA), pb = piecesOf(b, extB);
  for (const Piece& x : pa)
    for (const Piece& y : pb) {
      if (x.analytic && y.analytic && (!x.seg.arc || !y.seg.arc || coplanarCircles(x.seg, y.seg))) analyticPair(x, y, hits);
      else numericPair(x, y, hits);
    }
  return hits;
}

}  // namespace ge

namespace {
/// A total order on curves, so that a pair is always solved in the same operand order.
bool canonicalFirst(const ZcGeCurve3d& a, const ZcGeCurve3d& b) {
  double ka[8] = {static_cast<double>(a.kind()), a.startPoint().x, a.startPoint().y, a.startPoint().z,
                  a.endPoint().x, a.endPoint().y, a.endPoint().z, a.endParam()};
  double kb[8] = {static_cast<double>(b.kind()), b.startPoint().x, b.startPoint().y, b.startPoint().z,
                  b.endPoint().x, b.endPoint().y, b.endPoint().z, b.endParam()};
  return !std::lexicographical_compare(kb, kb + 8, ka, ka + 8);
}
}  // namespace

ErrorStatus ZcGeCurve3d::intersectWith(const ZcGeCurve3d& other, ExtendMode mode, std::vector<ZcGePoint3d>& points) const {
  points.clear();
  if (mode < kExtendNone || mode > kExtendBoth) return Zcad::eInvalidInput;
  bool extThis = mode == kExtendThis || mode == kExtendBoth;
  bool extOther = mode == kExtendArg || mode == kExtendBoth;
  bool swap = !canonicalFirst(*this, other);
  std::vector<ge::CurveHit> hits = swap ? ge::intersectCurves(other, extOther, *this, extThis)
                                        : ge::intersectCurves(*this, extThis, other, extOther);
  if (swap)
    for (ge::CurveHit& h : hits) std::swap(h.paramA, h.paramB);
  std::stable_sort(hits.begin(), hits.end(), [](const ge::CurveHit& x, const ge::CurveHit& y) {
    return x.paramA < y.paramA || (x.paramA == y.paramA && (x.point.x < y.point.x || (x.point.x == y.point.x && x.point.y < y.point.y)));
  });
  for (const ge::CurveHit& h : hits) points.push_back(h.point);
  return Zcad::eOk;
}

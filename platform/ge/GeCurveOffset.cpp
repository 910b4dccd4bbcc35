// Offsets of ellipses and splines: cusp detection on the exact offset, least-squares cubic
// B-spline fits with exact ends and end derivatives refined knot by knot until the measured
// error is within tolerance, and the joins round or across the corners of kinked curves.
#include "ge/GeCurveOffset.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ge/GeInternal.h"
#include "ge/GeSpanIntersect.h"
#include "ge/GeSpans.h"
#include "ge/ZcGeNurbCurve3d.h"

using Zcad::ErrorStatus;

namespace ge {

namespace {

// A target is one stretch of the exact offset to approximate: members a and b (its parameter
// range), eval(t, point, derivative) at a parameter in [a, b], and error(q, t), the distance
// from a point q to it (q being near parameter t). The fits take it as a template argument:
// they call both at every sample, which an indirect call would slow down.

/// The exact offset of a smooth stretch of the base.
struct ExactOffset {
  const ZcGeCurve3d& c;
  const BezierSpans* spans;  // the base's spans when it has them: one pass for all derivatives
  ZcGeVector3d n;
  double d;

  void base(double t, ZcGePoint3d& p, ZcGeVector3d& d1, ZcGeVector3d& d2) const {
    if (spans) { spans->eval(t, p, &d1, &d2); return; }
    p = c.evalPoint(t);
    d1 = c.evalDeriv(t);
    d2 = c.evalDeriv2(t);
  }
  /// Point, derivative and the speed factor g = 1 + d·κ (the offset's derivative is C'·g).
  void eval(double t, ZcGePoint3d& o, ZcGeVector3d& dO, double& g) const {
    ZcGePoint3d p;
    ZcGeVector3d d1, d2;
    base(t, p, d1, d2);
    // Squared: the test costs no root of the second derivative's length.
    const double speed2 = d1.dotProduct(d1);
    if (!(speed2 > 1e-28 * std::max(1.0, d2.dotProduct(d2)))) {
      // The base stops here (a doubled end control point): it leaves along its second
      // derivative; the offset's speed is taken just inside.
      bool atStart = t < 0.5 * c.endParam();
      ZcGeVector3d tan = d2.isZeroLength() ? ZcGeVector3d::kXAxis : d2.normal() * (atStart ? 1.0 : -1.0);
      o = p + tan.crossProduct(n) * d;
      ZcGePoint3d oi;
      ZcGeVector3d di;
      eval(t + (atStart ? 1e-7 : -1e-7) * c.endParam(), oi, di, g);
      dO = tan * di.length();
      return;
    }
    const double speed = std::sqrt(speed2);
    ZcGeVector3d tan = d1 / speed;
    double kappa = d1.crossProduct(d2).dotProduct(n) / (speed2 * speed);
    g = 1.0 + d * kappa;
    o = p + tan.crossProduct(n) * d;
    dO = d1 * g;
  }
  ZcGePoint3d point(double t) const { return sample(t).first; }
  double speedFactor(double t) const { return sample(t).second; }
  std::pair<ZcGePoint3d, double> sample(double t) const {
    ZcGePoint3d o;
    ZcGeVector3d dO;
    double g = 0.0;
    eval(t, o, dO, g);
    return {o, g};
  }
  /// Distance from `q` to the exact offset: through the foot of `q` on the base near `t`.
  double error(const ZcGePoint3d& q, double t, double lo, double hi) const {
    ZcGePoint3d p;
    ZcGeVector3d d1, d2;
    bool done = false;
    for (int it = 0; it < 12 && !done; ++it) {
      base(t, p, d1, d2);
      ZcGeVector3d r = p - q;
      double f = r.dotProduct(d1), fp = d1.dotProduct(d1) + r.dotProduct(d2);
      if (!(fp > 0.0)) fp = d1.dotProduct(d1);
      if (!(fp > 0.0)) break;
      double nt = std::clamp(t - f / fp, lo, hi);
      // The distance to the offset is flat in the foot's place: 1e-11 of the range is plenty,
      // and the last evaluation serves.
      done = std::fabs(nt - t) <= 1e-11 * std::max(1.0, hi - lo);
      if (!done) t = nt;
    }
    if (!done) base(t, p, d1, d2);
    if (d1.isZeroLength()) return q.distanceTo(point(t));
    return q.distanceTo(p + d1.normal().crossProduct(n) * d);
  }
};

/// A smooth piece of the exact offset over [a, b], evaluated up to `top` (just before a corner
/// the piece ends at, so that it keeps its own side's tangent there).
struct PieceTarget {
  double a, b;
  const ExactOffset& off;
  double top;
  void eval(double t, ZcGePoint3d& o, ZcGeVector3d& dO) const {
    double g;
    off.eval(std::min(t, top), o, dO, g);
  }
  double error(const ZcGePoint3d& q, double t) const;
};

/// The circular arc round a convex corner: centre c, radius r, from direction u turning
/// towards w, with `scale` parameter units per radian.
struct ArcTarget {
  double a, b;
  ZcGePoint3d c;
  ZcGeVector3d u, w;
  double r, scale;
  void eval(double t, ZcGePoint3d& o, ZcGeVector3d& dO) const {
    double th = t / scale;
    o = c + (u * std::cos(th) + w * std::sin(th)) * r;
    dO = (u * -std::sin(th) + w * std::cos(th)) * (r / scale);
  }
  double error(const ZcGePoint3d& q, double) const { return std::fabs(q.distanceTo(c) - r); }
};

/// Cubic B-spline basis functions at t in knot span `span` (knots[span] <= t < knots[span + 1]).
void basis(const std::vector<double>& k, int span, double t, double out[4]) {
  double left[4], right[4];
  out[0] = 1.0;
  for (int j = 1; j <= 3; ++j) {
    left[j] = t - k[span + 1 - j];
    right[j] = k[span + j] - t;
    double saved = 0.0;
    for (int r = 0; r < j; ++r) {
      double tmp = out[r] / (right[r + 1] + left[j - r]);
      out[r] = saved + right[r + 1] * tmp;
      saved = left[j - r] * tmp;
    }
    out[j] = saved;
  }
}

int findSpan(const std::vector<double>& k, int nCtrl, double t) {
  if (t >= k[nCtrl]) return nCtrl - 1;
  int s = static_cast<int>(std::upper_bound(k.begin(), k.end(), t) - k.begin()) - 1;
  return std::clamp(s, 3, nCtrl - 1);
}

ZcGePoint3d evalCubic(const std::vector<double>& k, const std::vector<ZcGePoint3d>& p, double t) {
  int s = findSpan(k, static_cast<int>(p.size()), t);
  double n[4];
  basis(k, s, t, n);
  ZcGeVector3d sum;
  for (int j = 0; j < 4; ++j) sum += p[s - 3 + j].asVector() * n[j];
  return ZcGePoint3d::kOrigin + sum;
}

/// The error a fit aims below, under the tolerance.
constexpr double kFitGoal = 0.8 * kOffsetTol;

// The distance to the exact offset's point of the same parameter bounds the distance to the
// offset from above: within the goal it settles the check without seeking the foot.
double PieceTarget::error(const ZcGePoint3d& q, double t) const {
  const double bound = q.distanceTo(off.point(std::min(t, top)));
  return bound <= kFitGoal ? bound : off.error(q, std::min(t, top), a, top);
}

/// Solves the banded (half-bandwidth 3) symmetric positive definite system in place (Cholesky);
/// `m` holds rows of 4: m[i][0] the diagonal, m[i][j] the entry (i, i − j).
bool solveBanded(std::vector<std::array<double, 4>>& m, std::vector<ZcGeVector3d>& rhs) {
  int n = static_cast<int>(m.size());
  for (int i = 0; i < n; ++i) {
    for (int j = std::min(i, 3); j >= 1; --j) {  // entry (i, i − j)
      double s = m[i][j];
      int col = i - j;
      for (int k = 1; k <= 3 && col - k >= 0 && j + k <= 3; ++k) s -= m[i][j + k] * m[col][k];
      m[i][j] = s / m[col][0];
    }
    double d = m[i][0];
    for (int j = 1; j <= std::min(i, 3); ++j) d -= m[i][j] * m[i][j];
    if (!(d > 0.0)) return false;
    m[i][0] = std::sqrt(d);
  }
  for (int i = 0; i < n; ++i) {  // L y = b
    ZcGeVector3d s = rhs[i];
    for (int j = 1; j <= std::min(i, 3); ++j) s -= rhs[i - j] * m[i][j];
    rhs[i] = s / m[i][0];
  }
  for (int i = n - 1; i >= 0; --i) {  // Lᵀ x = y
    ZcGeVector3d s = rhs[i];
    for (int j = 1; j <= 3 && i + j < n; ++j) s -= rhs[i + j] * m[i + j][j];
    rhs[i] = s / m[i][0];
  }
  return true;
}

struct Fit {
  std::vector<double> knots;       // clamped: 4 at each end
  std::vector<ZcGePoint3d> ctrl;
};

/// The least-squares cubic over the distinct knots `brk` with exact end points and derivatives.
template <class Target>
bool leastSquares(const Target& tg, const std::vector<double>& brk, Fit& fit) {
  int spans = static_cast<int>(brk.size()) - 1, n = spans + 3;
  std::vector<double>& k = fit.knots;
  k.assign(3, brk.front());
  k.insert(k.end(), brk.begin(), brk.end());
  k.insert(k.end(), 3, brk.back());
  std::vector<ZcGePoint3d>& p = fit.ctrl;
  p.assign(n, {});
  ZcGeVector3d d0, d1;
  tg.eval(tg.a, p[0], d0);
  tg.eval(tg.b, p[n - 1], d1);
  p[1] = p[0] + d0 * ((k[4] - k[3]) / 3.0);
  p[n - 2] = p[n - 1] - d1 * ((k[n] - k[n - 1]) / 3.0);
  int unknowns = n - 4;
  if (unknowns <= 0) return true;
  std::vector<std::array<double, 4>> m(unknowns, std::array<double, 4>{0, 0, 0, 0});
  std::vector<ZcGeVector3d> rhs(unknowns);
  const int samples = 6;
  for (int s = 0; s < spans; ++s)
    for (int j = 0; j < samples; ++j) {
      double t = brk[s] + (brk[s + 1] - brk[s]) * (j + 0.5) / samples;
      int sp = s + 3;
      double b[4];
      basis(k, sp, t, b);
      ZcGePoint3d o;
      ZcGeVector3d dO;
      tg.eval(t, o, dO);
      ZcGeVector3d r = o.asVector();
      for (int q = 0; q < 4; ++q) {
        int idx = sp - 3 + q;
        if (idx < 2 || idx > n - 3) r -= p[idx].asVector() * b[q];
      }
      for (int q = 0; q < 4; ++q) {
        int i = sp - 3 + q - 2;
        if (i < 0 || i >= unknowns) continue;
        rhs[i] += r * b[q];
        for (int w = 0; w <= q; ++w) {
          int l = sp - 3 + w - 2;
          if (l < 0) continue;
          m[i][i - l] += b[q] * b[w];
        }
      }
    }
  if (!solveBanded(m, rhs)) return false;
  for (int i = 0; i < unknowns; ++i) p[i + 2] = ZcGePoint3d::kOrigin + rhs[i];
  return true;
}

/// Starting from the knots `seeds` (the base's own, where its higher derivatives jump), refines
/// the knots where the measured error exceeds the tolerance until none does: a coarse check of
/// each knot interval while refining, a dense one before accepting.
template <class Target>
bool fitCubic(const Target& tg, const std::vector<double>& seeds, Fit& fit) {
  std::vector<double> brk{tg.a};
  for (double t : seeds)
    if (t > brk.back() && t < tg.b) brk.push_back(t);
  brk.push_back(tg.b);
  const double goal = kFitGoal;
  bool dense = false, solved = false;
  for (int iter = 0; iter < 40; ++iter) {
    if (!solved && !leastSquares(tg, brk, fit)) return false;
    solved = true;
    const int checks = dense ? 24 : 8;
    std::vector<double> next{brk.front()};
    bool ok = true;
    for (size_t s = 0; s + 1 < brk.size(); ++s) {
      double worst = 0.0;
      for (int j = 1; j < checks; ++j) {
        double t = brk[s] + (brk[s + 1] - brk[s]) * j / checks;
        worst = std::max(worst, tg.error(evalCubic(fit.knots, fit.ctrl, t), t));
        if (worst > 65536.0 * goal) break;  // splits in 16 whatever more is seen
      }
      if (worst > goal) {
        // The error of a cubic falls as the fourth power of the knot spacing.
        ok = false;
        int parts = std::clamp(static_cast<int>(std::ceil(std::pow(worst / goal, 0.25))), 2, 16);
        for (int j = 1; j < parts; ++j) next.push_back(brk[s] + (brk[s + 1] - brk[s]) * j / parts);
      }
      next.push_back(brk[s + 1]);
    }
    if (ok && dense) return true;
    dense = ok;
    if (ok) continue;
    if (next.size() > 20000) return false;
    brk.swap(next);
    solved = false;
  }
  return false;
}

/// Whether the exact offset of [a, b] has a cusp: g = 1 + d·κ reaches 0 somewhere, by samples
/// per span refined at each local minimum, plus the given peak parameters.
bool hasCusp(const ExactOffset& off, const std::vector<double>& breaks, const std::vector<double>& peaks, double a,
             double b) {
  for (double t : peaks)
    if (t >= a && t <= b && off.speedFactor(t) <= 1e-12) return true;
  std::vector<double> ts{a};
  for (double t : breaks)
    if (t > a && t < b) ts.push_back(t);
  ts.push_back(b);
  const int per = 32;
  for (size_t s = 0; s + 1 < ts.size(); ++s) {
    double h = (ts[s + 1] - ts[s]) / per;
    std::vector<double> g(per + 1);
    for (int i = 0; i <= per; ++i) g[i] = off.speedFactor(ts[s] + h * i);
    for (int i = 0; i <= per; ++i) {
      if (g[i] <= 1e-12) return true;
      if ((i > 0 && g[i] > g[i - 1]) || (i < per && g[i] > g[i + 1])) continue;
      double lo = ts[s] + h * std::max(0, i - 1), hi = ts[s] + h * std::min(per, i + 1);
      for (int it = 0; it < 60 && hi - lo > 1e-14 * std::max(1.0, std::fabs(hi)); ++it) {  // golden section
        double m1 = hi - 0.618033988749895 * (hi - lo), m2 = lo + 0.618033988749895 * (hi - lo);
        if (off.speedFactor(m1) < off.speedFactor(m2)) hi = m2; else lo = m1;
      }
      if (off.speedFactor(0.5 * (lo + hi)) <= 1e-12) return true;
    }
  }
  return false;
}

/// Where the exact offsets of the pieces before and after a concave corner cross: the piece
/// before ends at `ta` (s in [lo, ta]), the one after starts at `tb` (t in [tb, hi]); the two
/// differ only at the seam of a closed curve. Gauss–Newton from the crossing of the end tangents.
bool cornerCrossing(const ExactOffset& off, double ta, double tb, double lo, double hi, double& s, double& t) {
  double eps = 1e-9 * std::max(1.0, off.c.endParam());
  ZcGePoint3d pa, pb;
  ZcGeVector3d da, db;
  double ga, gb;
  off.eval(std::max(lo, ta - eps), pa, da, ga);
  off.eval(std::min(hi, tb + eps), pb, db, gb);
  ZcGeVector3d w = pb - pa, ca = da.crossProduct(db);
  double den = ca.dotProduct(off.n);
  if (std::fabs(den) <= 1e-300) return false;
  double lam = w.crossProduct(db).dotProduct(off.n) / den, mu = w.crossProduct(da).dotProduct(off.n) / den;
  s = std::clamp(ta - eps + lam, lo, ta);
  t = std::clamp(tb + eps + mu, tb, hi);
  for (int it = 0; it < 60; ++it) {
    off.eval(s, pa, da, ga);
    off.eval(t, pb, db, gb);
    ZcGeVector3d f = pa - pb;
    if (f.length() <= 1e-13 * std::max(1.0, pa.asVector().length())) return s > lo && t < hi;
    double j11 = da.dotProduct(da), j12 = -da.dotProduct(db), j22 = db.dotProduct(db);
    double g1 = -da.dotProduct(f), g2 = db.dotProduct(f);
    double det = j11 * j22 - j12 * j12;
    if (std::fabs(det) <= 1e-300) return false;
    s = std::clamp(s + (g1 * j22 - g2 * j12) / det, lo, ta);
    t = std::clamp(t + (j11 * g2 - j12 * g1) / det, tb, hi);
  }
  off.eval(s, pa, da, ga);
  return pa.distanceTo(off.point(t)) <= 1e-10 && s > lo && t < hi;
}

/// Whether the cubic (knots from 0) crosses itself: seeds from pairs of spans that are not
/// neighbours, polished by Gauss–Newton on the two places.
bool crossesItself(const std::vector<double>& knots, const std::vector<ZcGePoint3d>& ctrl) {
  BezierSpans spans = bezierSpansOf(3, knots, ctrl, {});
  if (spans.spans() < 3) return false;
  SpanCurve c = splineSpanCurve(spans);
  double range = spans.breaks.back();
  for (const SpanSeed& sd : spanSeeds(c, c, 1e-9, true)) {
    double s = sd.s, t = sd.t;
    ZcGePoint3d p, q;
    ZcGeVector3d dp, dq;
    for (int it = 0; it < 40; ++it) {
      spans.eval(s, p, &dp, nullptr);
      spans.eval(t, q, &dq, nullptr);
      ZcGeVector3d f = p - q;
      double j11 = dp.dotProduct(dp), j12 = -dp.dotProduct(dq), j22 = dq.dotProduct(dq);
      double g1 = -dp.dotProduct(f), g2 = dq.dotProduct(f), det = j11 * j22 - j12 * j12;
      if (!(std::fabs(det) > 1e-300)) break;
      s = std::clamp(s + (g1 * j22 - g2 * j12) / det, 0.0, range);
      t = std::clamp(t + (j11 * g2 - j12 * g1) / det, 0.0, range);
    }
    spans.eval(s, p, nullptr, nullptr);
    spans.eval(t, q, nullptr, nullptr);
    bool seam = std::min(s, t) <= 1e-9 * range && std::max(s, t) >= range * (1.0 - 1e-9);
    if (p.distanceTo(q) <= 1e-9 && std::fabs(s - t) > 1e-6 * range && !seam) return true;
  }
  return false;
}

}  // namespace

ErrorStatus offsetByCubic(const ZcGeCurve3d& base, const BezierSpans* spans, double dist, const std::vector<double>& breaks,
                          const std::vector<double>& kinks, const std::vector<double>& curvaturePeaks,
                          ZcGeCurve3dArray& out) {
  if (!std::isfinite(dist) || base.endParam() <= 0.0 || base.isDegenerate()) return Zcad::eInvalidInput;
  ZcGePoint3d origin;
  ZcGeVector3d n;
  if (base.getPlane(origin, n) != Zcad::eOk) return Zcad::eInvalidInput;
  if (dist == 0.0) { out.push_back(base.copy()); return Zcad::eOk; }
  ExactOffset off{base, spans, n, dist};
  // The smooth pieces between the kinks, then what joins them.
  std::vector<double> cuts{0.0};
  for (double k : kinks)
    if (k > cuts.back() && k < base.endParam()) cuts.push_back(k);
  cuts.push_back(base.endParam());
  for (size_t i = 0; i + 1 < cuts.size(); ++i)
    if (hasCusp(off, breaks, curvaturePeaks, cuts[i], cuts[i + 1])) return Zcad::eDegenerateGeometry;
  size_t pieces = cuts.size() - 1;
  std::vector<double> from(cuts.begin(), cuts.end() - 1), to(cuts.begin() + 1, cuts.end());
  // Corner k joins piece k − 1 (ending at ta) to piece k (starting at tb); a closed curve whose
  // seam is a corner has one more, from the last piece to the first.
  double end = base.endParam(), h = 1e-9 * std::max(1.0, end);
  ZcGeVector3d t0 = base.evalDeriv(0.0).normal(), t1 = base.evalDeriv(end).normal();
  bool seamCorner = base.isClosed() && (t0.crossProduct(t1).length() > 1e-9 || t0.dotProduct(t1) < 0.0);
  struct Arc { ZcGePoint3d c; ZcGeVector3d u, w; double angle = 0.0, speed = 0.0; };
  std::vector<Arc> arcs(pieces);  // arcs[i]: round the corner after piece i
  for (size_t k = 1; k < pieces + (seamCorner ? 1 : 0); ++k) {
    size_t a = k - 1, b = k % pieces;
    double ta = k < pieces ? cuts[k] : end, tb = k < pieces ? cuts[k] : 0.0;
    ZcGeVector3d da = base.evalDeriv(k < pieces ? ta - h : ta).normal(), db = base.evalDeriv(tb).normal();
    double turn = da.crossProduct(db).dotProduct(n);
    if (turn * dist > 0.0) {  // the offset lies outside the corner: an arc round it
      Arc& arc = arcs[a];
      arc.c = base.evalPoint(ta);
      arc.u = da.crossProduct(n) * (dist > 0 ? 1.0 : -1.0);
      arc.w = da;
      ZcGeVector3d ub = db.crossProduct(n) * (dist > 0 ? 1.0 : -1.0);
      arc.angle = std::atan2(std::fabs(arc.u.crossProduct(ub).dotProduct(n)), arc.u.dotProduct(ub));
      arc.speed = base.evalDeriv(k < pieces ? ta - h : ta).length();
    } else if (turn * dist < 0.0) {  // inside: trim both pieces where their offsets cross
      double s = 0.0, t = 0.0;
      if (!cornerCrossing(off, ta, tb, from[a], to[b], s, t)) return Zcad::eDegenerateGeometry;
      to[a] = s;
      from[b] = t;
    }
  }
  for (size_t i = 0; i < from.size(); ++i)
    if (!(to[i] > from[i])) return Zcad::eDegenerateGeometry;
  // Fit every piece and arc, then join them into one spline, C0 at the joins.
  std::vector<double> knots;
  std::vector<ZcGePoint3d> ctrl;
  double at = 0.0;
  auto append = [&](const auto& tg, const std::vector<double>& seeds) {
    Fit fit;
    if (!fitCubic(tg, seeds, fit)) return false;
    double shift = at - tg.a;
    if (ctrl.empty()) {
      for (double k : fit.knots) knots.push_back(k + shift);
      ctrl = fit.ctrl;
    } else {
      knots.pop_back();  // the previous end knot keeps multiplicity 3 as the join
      for (size_t i = 4; i < fit.knots.size(); ++i) knots.push_back(fit.knots[i] + shift);
      ctrl.insert(ctrl.end(), fit.ctrl.begin() + 1, fit.ctrl.end());
    }
    at = knots.back();
    return true;
  };
  for (size_t i = 0; i < from.size(); ++i) {
    double lo = from[i], hi = to[i];
    // A piece ending at a corner is evaluated just before it: its own side's tangent.
    double top = (i + 1 < from.size() && hi == cuts[i + 1]) ? hi - 1e-13 * std::max(1.0, std::fabs(hi)) : hi;
    const PieceTarget piece{lo, hi, off, top};
    if (!append(piece, breaks)) return Zcad::eOutOfRange;
    if (arcs[i].angle > 1e-12) {
      const Arc& arc = arcs[i];
      double r = std::fabs(dist);
      double scale = arc.speed > 0.0 ? r / arc.speed : 1.0;  // parameter per radian, like the pieces'
      const ArcTarget round{0.0, arc.angle * scale, arc.c, arc.u, arc.w, r, scale};
      if (!append(round, {})) return Zcad::eOutOfRange;
    }
  }
  // Far parts of the base closer than 2|dist| make the offset loop across itself: refused.
  if (crossesItself(knots, ctrl)) return Zcad::eDegenerateGeometry;
  auto spline = std::make_unique<ZcGeNurbCurve3d>();
  if (spline->setNurbsData(3, knots, ctrl) != Zcad::eOk) return Zcad::eOutOfRange;
  out.push_back(std::move(spline));
  return Zcad::eOk;
}

}  // namespace ge

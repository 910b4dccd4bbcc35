// Intersection seeds from Bézier spans: box pruning of span pairs, subdivision by de Casteljau
// until both sub-spans are flat, and seeds at the nearest points of the two chords.
#include "ge/GeSpanIntersect.h"

#include <algorithm>
#include <cmath>

#include "ge/GeInternal.h"

namespace ge {

namespace {

/// A sub-span: control points, its box and its local parameter range in the span.
struct Sub {
  HPoint cp[26];
  int degree = 0;
  double u0 = 0.0, u1 = 1.0;
  ZcGePoint3d lo, hi;

  ZcGePoint3d at(int i) const { return {cp[i].x / cp[i].w, cp[i].y / cp[i].w, cp[i].z / cp[i].w}; }
  void box() {
    lo = hi = at(0);
    for (int i = 1; i <= degree; ++i) growBox(lo, hi, at(i));
  }
  double size() const { return (hi - lo).length(); }
  /// The largest distance of a control point from the chord.
  double deviation() const {
    ZcGePoint3d a = at(0), b = at(degree);
    ZcGeVector3d d = b - a;
    double len2 = d.lengthSqrd(), worst = 0.0;
    for (int i = 1; i < degree; ++i) {
      ZcGeVector3d v = at(i) - a;
      ZcGeVector3d off = len2 > 0.0 ? v - d * (v.dotProduct(d) / len2) : v;
      worst = std::max(worst, off.length());
    }
    return worst;
  }
  void split(Sub& left, Sub& right) const {
    HPoint tmp[26];
    std::copy(cp, cp + degree + 1, tmp);
    left.degree = right.degree = degree;
    left.cp[0] = tmp[0];
    right.cp[degree] = tmp[degree];
    for (int r = 1; r <= degree; ++r) {
      for (int i = 0; i <= degree - r; ++i)
        tmp[i] = {0.5 * (tmp[i].x + tmp[i + 1].x), 0.5 * (tmp[i].y + tmp[i + 1].y), 0.5 * (tmp[i].z + tmp[i + 1].z),
                  0.5 * (tmp[i].w + tmp[i + 1].w)};
      left.cp[r] = tmp[0];
      right.cp[degree - r] = tmp[degree - r];
    }
    double m = 0.5 * (u0 + u1);
    left.u0 = u0; left.u1 = m;
    right.u0 = m; right.u1 = u1;
    left.box();
    right.box();
  }
};

bool apart(const Sub& a, const Sub& b, double margin) {
  for (unsigned k = 0; k < 3; ++k)
    if (a.lo[k] > b.hi[k] + margin || b.lo[k] > a.hi[k] + margin) return true;
  return false;
}

/// Whether the strips across the chord of `f` (seen in the XY projection) that hold the two
/// control polygons are apart: the "fat line" test, sharp where boxes are loose (a diagonal line
/// against the spans it passes by).
bool apartAcross(const Sub& f, const Sub& o, double margin) {
  ZcGePoint3d a = f.at(0), b = f.at(f.degree);
  double mx = a.y - b.y, my = b.x - a.x, len = std::hypot(mx, my);
  if (!(len > 0.0)) return false;
  mx /= len;
  my /= len;
  auto range = [&](const Sub& s, double& lo, double& hi) {
    lo = hi = (s.at(0).x - a.x) * mx + (s.at(0).y - a.y) * my;
    for (int i = 1; i <= s.degree; ++i) {
      double d = (s.at(i).x - a.x) * mx + (s.at(i).y - a.y) * my;
      lo = std::min(lo, d);
      hi = std::max(hi, d);
    }
  };
  double flo, fhi, olo, ohi;
  range(f, flo, fhi);
  range(o, olo, ohi);
  return olo > fhi + margin || ohi < flo - margin;
}

/// Whether every leg of one control polygon turns the same way from every leg of the other (seen
/// in XY): the two pieces' tangents are then never parallel, so they cross at most once. A
/// polygon that turns back (a hairpin, however narrow) never passes.
bool conesApart(const Sub& x, const Sub& y) {
  int sign = 0;
  for (int i = 0; i < x.degree; ++i) {
    ZcGeVector3d v = x.at(i + 1) - x.at(i);
    if (v.x == 0.0 && v.y == 0.0) continue;
    for (int j = 0; j < y.degree; ++j) {
      ZcGeVector3d w = y.at(j + 1) - y.at(j);
      if (w.x == 0.0 && w.y == 0.0) continue;
      double c = v.x * w.y - v.y * w.x;
      int sg = c > 0.0 ? 1 : (c < 0.0 ? -1 : 0);
      if (sg == 0 || (sign != 0 && sg != sign)) return false;
      sign = sg;
    }
  }
  return sign != 0;
}

struct Seeder {
  const SpanCurve &a, &b;
  double margin, flatTol, minSize;
  int ia = 0, ib = 0;
  std::vector<SpanSeed>* parallel = nullptr;
  std::vector<SpanSeed> seeds = {};

  void leaf(const Sub& x, const Sub& y) {
    ZcGePoint3d p0 = x.at(0), p1 = x.at(x.degree), q0 = y.at(0), q1 = y.at(y.degree);
    ZcGeVector3d d1 = p1 - p0, d2 = q1 - q0, w = p0 - q0;
    double aa = d1.dotProduct(d1), bb = d1.dotProduct(d2), cc = d2.dotProduct(d2);
    double den = aa * cc - bb * bb;
    double s = den > 1e-30 * (aa * cc + 1e-300) ? std::clamp((bb * d2.dotProduct(w) - cc * d1.dotProduct(w)) / den, 0.0, 1.0) : 0.5;
    double t = cc > 0.0 ? std::clamp((d2.dotProduct(w) + bb * s) / cc, 0.0, 1.0) : 0.5;
    seed(x, y, s, t);
  }

  void seed(const Sub& x, const Sub& y, double s, double t, std::vector<SpanSeed>* to = nullptr) {
    (to ? *to : seeds).push_back({a.param(ia, x.u0 + (x.u1 - x.u0) * s), b.param(ib, y.u0 + (y.u1 - y.u0) * t),
                                  a.param(ia, x.u0), a.param(ia, x.u1), b.param(ib, y.u0), b.param(ib, y.u1)});
  }

  /// A small pair running nearly parallel (a touch, two crossings close together, an overlap):
  /// seeds at the ends and the middle of x against the nearest places of y's chord.
  void smallLeaf(const Sub& x, const Sub& y) {
    ZcGePoint3d q0 = y.at(0);
    ZcGeVector3d d2 = y.at(y.degree) - q0;
    double cc = d2.lengthSqrd();
    for (double s : {0.0, 0.5, 1.0}) {
      if (parallel && s != 0.5) continue;
      ZcGePoint3d p = x.at(0) + (x.at(x.degree) - x.at(0)) * s;
      seed(x, y, s, cc > 0.0 ? std::clamp((p - q0).dotProduct(d2) / cc, 0.0, 1.0) : 0.5, parallel);
    }
  }

  void recurse(const Sub& x, const Sub& y, int depth) {
    if (apart(x, y, margin)) return;
    // Curves that run along each other (an overlap) would be cut down to the smallest pieces
    // everywhere: past a budget of seeds, every pair left is seeded as it stands.
    // Nearly parallel pairs handed to the caller are swept cheaply: they have their own budget.
    if (seeds.size() >= 2000 || (parallel && parallel->size() >= 20000)) { leaf(x, y); return; }
    double devX = x.deviation(), devY = y.deviation();
    bool xFlat = devX <= flatTol, yFlat = devY <= flatTol;
    if ((x.size() >= y.size() ? apartAcross(x, y, margin) : apartAcross(y, x, margin))) return;
    if (depth >= 48 || std::max(x.size(), y.size()) <= minSize) { smallLeaf(x, y); return; }
    if (xFlat && yFlat) {
      // Flat pieces whose cones of tangent directions hold no common direction cross at most
      // once; others (nearly parallel, which may weave) are cut further.
      if (conesApart(x, y)) { leaf(x, y); return; }
      if (parallel) { smallLeaf(x, y); return; }  // the caller sweeps along them
      xFlat = yFlat = false;
    }
    Sub l, r;
    bool splitX = !xFlat && (yFlat || x.size() >= y.size());
    if (splitX) {
      x.split(l, r);
      recurse(l, y, depth + 1);
      recurse(r, y, depth + 1);
    } else {
      y.split(l, r);
      recurse(x, l, depth + 1);
      recurse(x, r, depth + 1);
    }
  }
};

Sub subOf(const BezierSpans& s, int i) {
  Sub x;
  x.degree = s.degree;
  std::copy(s.span(i), s.span(i) + s.degree + 1, x.cp);
  x.box();
  return x;
}

}  // namespace

double SpanCurve::param(int i, double u) const {
  double lo = spans.breaks[i], h = spans.breaks[i + 1] - lo;
  if (!elliptic) return p0 + (lo + u * h) * scale;
  ZcGePoint3d q;
  spans.evalLocal(i, u, q, nullptr, nullptr);
  ZcGeVector3d v = q - c;
  double rel = normAngle(std::atan2(v.dotProduct(y) / y.lengthSqrd(), v.dotProduct(x) / x.lengthSqrd()) - start - lo);
  if (rel > h) rel = rel > 0.5 * (kTwoPi + h) ? 0.0 : h;
  return p0 + (lo + rel) * scale;
}

SpanCurve splineSpanCurve(const BezierSpans& spans) {
  SpanCurve s;
  s.spans = spans;
  return s;
}

SpanCurve lineSpanCurve(const ZcGePoint3d& a, const ZcGePoint3d& b, double u0, double u1) {
  SpanCurve s;
  s.spans.degree = 1;
  s.spans.breaks = {0.0, 1.0};
  s.spans.cp = {{a.x, a.y, a.z, 1.0}, {b.x, b.y, b.z, 1.0}};
  s.spans.computeBoxes();
  s.p0 = u0;
  s.scale = u1 - u0;
  return s;
}

SpanCurve ellipticSpanCurve(const ZcGePoint3d& center, const ZcGeVector3d& x, const ZcGeVector3d& y, double start,
                            double sweep, double p0, double scale) {
  return SpanCurve{ellipseSpans(center, x, y, start, sweep), true, center, x, y, start, p0, scale};
}

std::vector<SpanSeed> spanSeeds(const SpanCurve& a, const SpanCurve& b, double margin, bool self,
                                std::vector<SpanSeed>* parallel) {
  ZcGePoint3d alo, ahi, blo, bhi;
  a.spans.bounds(alo, ahi);
  b.spans.bounds(blo, bhi);
  double size = std::max((ahi - alo).length(), (bhi - blo).length());
  // Flat to a thousandth of the size: Newton from the chords' nearest points then converges.
  // Pieces smaller than 5e-4 of the size are seeded as they are (touches, overlaps): the work
  // along an overlap stays bounded.
  Seeder sd{a, b, margin, 1e-3 * size, 5e-4 * size};
  sd.parallel = parallel;
  int last = b.spans.spans() - 1;
  bool closed = self && subOf(a.spans, 0).at(0).distanceTo(subOf(b.spans, last).at(b.spans.degree)) <= kMergeTol;
  for (int i = 0; i < a.spans.spans(); ++i) {
    Sub x = subOf(a.spans, i);
    for (int j = self ? i + 2 : 0; j <= last; ++j) {
      if (closed && i == 0 && j == last) continue;  // they share the seam
      const ZcGePoint3d &lo = b.spans.boxLo[j], &hi = b.spans.boxHi[j];
      bool away = false;
      for (unsigned k = 0; k < 3 && !away; ++k) away = x.lo[k] > hi[k] + margin || lo[k] > x.hi[k] + margin;
      if (away) continue;
      sd.ia = i;
      sd.ib = j;
      sd.recurse(x, subOf(b.spans, j), 0);
    }
  }
  return std::move(sd.seeds);
}

}  // namespace ge

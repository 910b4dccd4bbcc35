// Angle helpers, plane axes, quadrature and Newton polishers shared by every curve kind, and
// the host's free angle function.
#include <algorithm>
#include <limits>

#include "ge/GeInternal.h"
#include "ge/GeUtil.h"

double zcNormalizeAngle(double angle) { return ge::normAngle(angle); }

double zcutAngle(const ZcGePoint2d& from, const ZcGePoint2d& to) {
  ZcGeVector2d d = to - from;
  if (d.x == 0.0 && d.y == 0.0) return 0.0;
  return ge::normAngle(std::atan2(d.y, d.x));
}

double zcutAngle(const ZcGePoint3d& from, const ZcGePoint3d& to) {
  return zcutAngle(from.convert2d(), to.convert2d());
}

double zcutAngle(const double* from, const double* to) {
  return zcutAngle(ZcGePoint2d(from[0], from[1]), ZcGePoint2d(to[0], to[1]));
}

namespace ge {

double normAngle(double a) {
  if (!std::isfinite(a)) return 0.0;
  double r = std::fmod(a, kTwoPi);
  if (r < 0.0) r += kTwoPi;
  return r >= kTwoPi ? 0.0 : r;
}

ZcGeVector3d planeXAxis(const ZcGeVector3d& n) {
  const double limit = 1.0 / 64.0;
  ZcGeVector3d ax = (std::fabs(n.x) < limit && std::fabs(n.y) < limit)
                        ? ZcGeVector3d::kYAxis.crossProduct(n)
                        : ZcGeVector3d::kZAxis.crossProduct(n);
  return ax.normal();
}

namespace {

// 10-point Gauss–Legendre nodes and weights on [-1, 1].
const double kNodes[5] = {0.1488743389816312, 0.4333953941292472, 0.6794095682990244, 0.8650633666889845,
                          0.9739065285171717};
const double kWeights[5] = {0.2955242247147529, 0.2692667193099963, 0.2190863625159820, 0.1494513491505806,
                            0.0666713443086881};

double gauss10(const std::function<double(double)>& f, double a, double b) {
  double m = 0.5 * (a + b), h = 0.5 * (b - a), sum = 0.0;
  for (int i = 0; i < 5; ++i) sum += kWeights[i] * (f(m - h * kNodes[i]) + f(m + h * kNodes[i]));
  return sum * h;
}

double adapt(const std::function<double(double)>& f, double a, double b, double whole, int depth) {
  double m = 0.5 * (a + b);
  double left = gauss10(f, a, m), right = gauss10(f, m, b);
  double both = left + right;
  if (depth <= 0 || std::fabs(both - whole) <= 1e-13 * std::max(1.0, std::fabs(both))) return both;
  return adapt(f, a, m, left, depth - 1) + adapt(f, m, b, right, depth - 1);
}

}  // namespace

double integrate(const std::function<double(double)>& f, double a, double b) {
  if (!(b > a)) return 0.0;
  // Four starting pieces keep a single lucky agreement from ending the refinement early.
  double sum = 0.0, h = (b - a) / 4.0;
  for (int i = 0; i < 4; ++i) {
    double x0 = a + i * h, x1 = i == 3 ? b : x0 + h;
    sum += adapt(f, x0, x1, gauss10(f, x0, x1), 18);
  }
  return sum;
}

double polishClosest(const ZcGeCurve3d& c, const ZcGePoint3d& p, double t, double lo, double hi) {
  double best = t, bestDist = c.evalPoint(t).distanceTo(p);
  for (int it = 0; it < 40; ++it) {
    ZcGeVector3d r = c.evalPoint(t) - p, d1 = c.evalDeriv(t), d2 = c.evalDeriv2(t);
    double f = r.dotProduct(d1), fp = d1.dotProduct(d1) + r.dotProduct(d2);
    if (fp <= 0.0) fp = d1.dotProduct(d1);
    if (fp <= 0.0) break;
    double nt = std::clamp(t - f / fp, lo, hi);
    double dist = c.evalPoint(nt).distanceTo(p);
    if (dist <= bestDist) { best = nt; bestDist = dist; }
    if (std::fabs(nt - t) <= 1e-15 * std::max(1.0, std::fabs(t))) break;
    t = nt;
  }
  return best;
}

double closestBySampling(const ZcGeCurve3d& c, const ZcGePoint3d& p, double lo, double hi,
                         const std::vector<double>& breaks, int samplesPerSpan) {
  std::vector<double> ts;
  std::vector<double> spans{lo};
  for (double b : breaks)
    if (b > lo && b < hi) spans.push_back(b);
  spans.push_back(hi);
  for (size_t s = 0; s + 1 < spans.size(); ++s)
    for (int i = 0; i < samplesPerSpan; ++i)
      ts.push_back(spans[s] + (spans[s + 1] - spans[s]) * i / samplesPerSpan);
  ts.push_back(hi);
  std::vector<double> d(ts.size());
  for (size_t i = 0; i < ts.size(); ++i) d[i] = c.evalPoint(ts[i]).distanceTo(p);
  double best = lo, bestDist = std::numeric_limits<double>::infinity();
  auto consider = [&](double t) {
    double dist = c.evalPoint(t).distanceTo(p);
    if (dist < bestDist) { bestDist = dist; best = t; }
  };
  consider(lo);
  consider(hi);
  // Newton from every local minimum of the samples, within its neighbouring samples.
  for (size_t i = 0; i < ts.size(); ++i) {
    bool leftOk = i == 0 || d[i] <= d[i - 1];
    bool rightOk = i + 1 == ts.size() || d[i] <= d[i + 1];
    if (!leftOk || !rightOk) continue;
    double a = i == 0 ? ts[0] : ts[i - 1], b = i + 1 == ts.size() ? ts[i] : ts[i + 1];
    consider(polishClosest(c, p, ts[i], a, b));
  }
  return best;
}

void growBox(ZcGePoint3d& lo, ZcGePoint3d& hi, const ZcGePoint3d& p) {
  for (unsigned k = 0; k < 3; ++k) {
    lo[k] = std::min(lo[k], p[k]);
    hi[k] = std::max(hi[k], p[k]);
  }
}

void extentsBySampling(const ZcGeCurve3d& c, const std::vector<double>& breaks, ZcGePoint3d& lo,
                       ZcGePoint3d& hi) {
  lo = hi = c.startPoint();
  growBox(lo, hi, c.endPoint());
  const int n = 32;
  for (size_t s = 0; s + 1 < breaks.size(); ++s) {
    double a = breaks[s], b = breaks[s + 1];
    for (int i = 0; i < n; ++i) {
      double t0 = a + (b - a) * i / n, t1 = a + (b - a) * (i + 1) / n;
      growBox(lo, hi, c.evalPoint(t0));
      ZcGeVector3d d0 = c.evalDeriv(t0), d1 = c.evalDeriv(t1);
      for (unsigned k = 0; k < 3; ++k) {
        if ((d0[k] > 0.0) == (d1[k] > 0.0)) continue;
        double x0 = t0, x1 = t1, f0 = d0[k];
        for (int it = 0; it < 60; ++it) {  // bisection on the derivative's sign change
          double m = 0.5 * (x0 + x1), fm = c.evalDeriv(m)[k];
          if ((fm > 0.0) == (f0 > 0.0)) { x0 = m; f0 = fm; } else x1 = m;
        }
        growBox(lo, hi, c.evalPoint(0.5 * (x0 + x1)));
      }
    }
  }
}

std::vector<std::pair<double, double>> splitRanges(const std::vector<double>& cuts, double end, bool wrap) {
  std::vector<std::pair<double, double>> ranges;
  if (!wrap) ranges.emplace_back(0.0, cuts.front());
  for (size_t i = 0; i + 1 < cuts.size(); ++i) ranges.emplace_back(cuts[i], cuts[i + 1]);
  ranges.emplace_back(cuts.back(), wrap ? cuts.front() + end : end);
  return ranges;
}

void ellipticExtents(const ZcGeCurve3d& c, const ZcGePoint3d& center, const ZcGeVector3d& x, const ZcGeVector3d& y,
                     double start, double sweep, ZcGePoint3d& lo, ZcGePoint3d& hi) {
  lo = hi = c.startPoint();
  growBox(lo, hi, c.endPoint());
  for (unsigned k = 0; k < 3; ++k) {
    if (x[k] == 0.0 && y[k] == 0.0) continue;
    double a = std::atan2(y[k], x[k]);  // where coordinate k is largest; +π smallest
    for (double e : {a, a + kPi})
      if (normAngle(e - start) <= sweep) growBox(lo, hi, center + x * std::cos(e) + y * std::sin(e));
  }
}

std::vector<double> cleanSplitParams(std::vector<double> params, double lo, double hi) {
  std::sort(params.begin(), params.end());
  std::vector<double> out;
  for (double t : params) {
    if (!std::isfinite(t) || t <= lo + kParamTol || t >= hi - kParamTol) continue;
    if (!out.empty() && t - out.back() <= kParamTol) continue;
    out.push_back(t);
  }
  return out;
}

}  // namespace ge

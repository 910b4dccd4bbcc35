// Rational Bézier spans: knot insertion from B-splines, quarter arcs of ellipses, evaluation by
// de Casteljau, Bernstein root isolation, closest points and lengths over the spans.
#include "ge/GeSpans.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ge/GeInternal.h"

namespace ge {

namespace {

constexpr int kMaxCoef = 80;  // a rational span of degree 25 gives a degree-74 distance polynomial

/// Binomial coefficients C(n, k) for n < kMaxCoef.
const double* binomialRow(int n) {
  static const std::vector<double> table = [] {
    std::vector<double> t(kMaxCoef * kMaxCoef, 0.0);
    for (int i = 0; i < kMaxCoef; ++i) {
      t[i * kMaxCoef] = 1.0;
      for (int k = 1; k <= i; ++k) t[i * kMaxCoef + k] = t[(i - 1) * kMaxCoef + k - 1] + (k < i ? t[(i - 1) * kMaxCoef + k] : 0.0);
    }
    return t;
  }();
  return table.data() + n * kMaxCoef;
}

HPoint lerp(const HPoint& a, const HPoint& b, double u) {
  double v = 1.0 - u;
  return {v * a.x + u * b.x, v * a.y + u * b.y, v * a.z + u * b.z, v * a.w + u * b.w};
}
HPoint sub(const HPoint& a, const HPoint& b) { return {a.x - b.x, a.y - b.y, a.z - b.z, a.w - b.w}; }

/// Inserts knot `u` once into the B-spline (knots `k`, homogeneous poles `p`) of degree `deg`.
void insertKnot(std::vector<double>& k, std::vector<HPoint>& p, int deg, double u) {
  int n = static_cast<int>(p.size());
  int span = static_cast<int>(std::upper_bound(k.begin(), k.end(), u) - k.begin()) - 1;  // k[span] <= u < k[span + 1]
  span = std::clamp(span, deg, n - 1);
  int s = 0;
  for (int i = span; i >= 0 && k[i] == u; --i) ++s;
  // In place: the points after the changed ones move up by one (the last changed one's old
  // value is repeated there), then the changed ones are mixed from the right, each from old
  // values not yet overwritten.
  const int last = span - s;
  p.insert(p.begin() + last + 1, p[last]);
  for (int i = last; i >= span - deg + 1; --i) {
    double a = (u - k[i]) / (k[i + deg] - k[i]);
    p[i] = lerp(p[i - 1], p[i], a);
  }
  k.insert(k.begin() + span + 1, u);
}

/// de Casteljau split of the Bernstein coefficients `c` (n + 1 of them) at 1/2.
void splitHalf(const double* c, int n, double* left, double* right) {
  double tmp[kMaxCoef];
  std::copy(c, c + n + 1, tmp);
  left[0] = tmp[0];
  right[n] = tmp[n];
  for (int r = 1; r <= n; ++r) {
    for (int i = 0; i <= n - r; ++i) tmp[i] = 0.5 * (tmp[i] + tmp[i + 1]);
    left[r] = tmp[0];
    right[n - r] = tmp[n - r];
  }
}

/// Value and derivative of the Bernstein polynomial at u.
void bernsteinEval(const double* c, int n, double u, double& f, double& df) {
  double tmp[kMaxCoef];
  std::copy(c, c + n + 1, tmp);
  double v = 1.0 - u;
  for (int r = 1; r < n; ++r)
    for (int i = 0; i <= n - r; ++i) tmp[i] = v * tmp[i] + u * tmp[i + 1];
  if (n == 0) { f = tmp[0]; df = 0.0; return; }
  df = n * (tmp[1] - tmp[0]);
  f = v * tmp[0] + u * tmp[1];
}

/// The one root of `c` in (0, 1), whose end values have opposite signs: Newton kept in a
/// shrinking bracket, bisection when it leaves.
double singleRoot(const double* c, int n) {
  double lo = 0.0, hi = 1.0;
  bool posAtLo = c[0] > 0.0;
  double u = c[0] / (c[0] - c[n]);
  for (int it = 0; it < 100; ++it) {
    double f, df;
    bernsteinEval(c, n, u, f, df);
    if (f == 0.0) return u;
    if ((f > 0.0) == posAtLo) lo = u; else hi = u;
    double nu = df != 0.0 ? u - f / df : 0.5 * (lo + hi);
    if (!(nu > lo && nu < hi)) nu = 0.5 * (lo + hi);
    if (std::fabs(nu - u) <= 1e-16 || hi - lo <= 1e-16) return nu;
    u = nu;
  }
  return u;
}

void rootsRec(const double* c, int n, double lo, double hi, double zeroTol, int depth, std::vector<double>& out) {
  double mn = c[0], mx = c[0];
  int changes = 0;
  for (int i = 1; i <= n; ++i) {
    mn = std::min(mn, c[i]);
    mx = std::max(mx, c[i]);
  }
  if (mn > zeroTol || mx < -zeroTol) return;
  if (c[0] == 0.0) out.push_back(lo);
  if (c[n] == 0.0) out.push_back(hi);
  int last = 0;
  for (int i = 0; i <= n; ++i) {
    int sg = c[i] > 0.0 ? 1 : (c[i] < 0.0 ? -1 : 0);
    if (sg != 0) {
      if (last != 0 && sg != last) ++changes;
      last = sg;
    }
  }
  bool endsApart = (c[0] > 0.0 && c[n] < 0.0) || (c[0] < 0.0 && c[n] > 0.0);
  if (changes == 1 && endsApart) {
    out.push_back(lo + (hi - lo) * singleRoot(c, n));
    return;
  }
  if (changes == 0 && zeroTol <= 0.0) return;
  if (depth >= 40 || hi - lo <= 1e-11) {
    // A double root or a touch: the place where |f| is smallest, if small enough.
    double best = 0.5, bestF = std::numeric_limits<double>::infinity();
    for (double u : {0.0, 0.25, 0.5, 0.75, 1.0}) {
      double f, df;
      bernsteinEval(c, n, u, f, df);
      if (std::fabs(f) < bestF) { bestF = std::fabs(f); best = u; }
    }
    if (bestF <= zeroTol || changes > 0) out.push_back(lo + (hi - lo) * best);
    return;
  }
  double left[kMaxCoef], right[kMaxCoef];
  splitHalf(c, n, left, right);
  double mid = 0.5 * (lo + hi);
  rootsRec(left, n, lo, mid, zeroTol, depth + 1, out);
  rootsRec(right, n, mid, hi, zeroTol, depth + 1, out);
}

double boxDistance(const ZcGePoint3d& p, const ZcGePoint3d& lo, const ZcGePoint3d& hi) {
  double s = 0.0;
  for (unsigned k = 0; k < 3; ++k) {
    double d = p[k] < lo[k] ? lo[k] - p[k] : (p[k] > hi[k] ? p[k] - hi[k] : 0.0);
    s += d * d;
  }
  return std::sqrt(s);
}

/// Bernstein coefficients (degree n·3 − 1, or 2n − 1 when not rational) of the numerator of
/// (C(u) − p)·C'(u) over one span: its roots are the stationary points of the distance to p.
int distanceDerivative(const HPoint* a, int n, bool rational, const ZcGePoint3d& p, double* out) {
  if (!rational) {
    // (P − p) of degree n times P' of degree n − 1.
    int m = 2 * n - 1;
    const double *bn = binomialRow(n), *bn1 = binomialRow(n - 1), *bm = binomialRow(m);
    std::fill(out, out + m + 1, 0.0);
    for (int i = 0; i <= n; ++i) {
      double gx = a[i].x - p.x, gy = a[i].y - p.y, gz = a[i].z - p.z;
      for (int j = 0; j < n; ++j) {
        double dx = a[j + 1].x - a[j].x, dy = a[j + 1].y - a[j].y, dz = a[j + 1].z - a[j].z;
        out[i + j] += bn[i] * bn1[j] * (gx * dx + gy * dy + gz * dz);
      }
    }
    for (int k = 0; k <= m; ++k) out[k] *= n / bm[k];
    return m;
  }
  // (A − p·w) of degree n times (A'·w − A·w') of degree 2n − 1.
  int h = 2 * n - 1, m = 3 * n - 1;
  const double *bn = binomialRow(n), *bn1 = binomialRow(n - 1), *bh = binomialRow(h), *bm = binomialRow(m);
  double hx[kMaxCoef] = {}, hy[kMaxCoef] = {}, hz[kMaxCoef] = {};
  for (int j = 0; j < n; ++j) {
    HPoint d = sub(a[j + 1], a[j]);
    for (int i = 0; i <= n; ++i) {
      double c = n * bn1[j] * bn[i];
      hx[i + j] += c * (d.x * a[i].w - a[i].x * d.w);
      hy[i + j] += c * (d.y * a[i].w - a[i].y * d.w);
      hz[i + j] += c * (d.z * a[i].w - a[i].z * d.w);
    }
  }
  for (int k = 0; k <= h; ++k) { hx[k] /= bh[k]; hy[k] /= bh[k]; hz[k] /= bh[k]; }
  std::fill(out, out + m + 1, 0.0);
  for (int i = 0; i <= n; ++i) {
    double gx = a[i].x - p.x * a[i].w, gy = a[i].y - p.y * a[i].w, gz = a[i].z - p.z * a[i].w;
    for (int j = 0; j <= h; ++j) out[i + j] += bn[i] * bh[j] * (gx * hx[j] + gy * hy[j] + gz * hz[j]);
  }
  for (int k = 0; k <= m; ++k) out[k] /= bm[k];
  return m;
}

// Gauss–Kronrod 7–15 nodes on [−1, 1] (the positive half; the last is the centre).
const double kXgk[8] = {0.991455371120812639, 0.949107912342758525, 0.864864423359769073, 0.741531185599394440,
                        0.586087235467691130, 0.405845151377397167, 0.207784955007898468, 0.0};
const double kWgk[8] = {0.022935322010529225, 0.063092092629978553, 0.104790010322250184, 0.140653259715525919,
                        0.169004726639267903, 0.190350578064785410, 0.204432940075298892, 0.209482141084727828};
const double kWg[4] = {0.129484966168869693, 0.279705391489276668, 0.381830050505118945, 0.417959183673469388};

double speedAt(const BezierSpans& s, int span, double u) {
  if (s.rational) {
    ZcGePoint3d p;
    ZcGeVector3d d;
    s.evalLocal(span, u, p, &d, nullptr);
    return d.length();
  }
  // A polynomial span's derivative is the Bézier curve of its legs, one degree lower.
  const HPoint* c = s.span(span);
  int n = s.degree;
  double x[25], y[25], z[25], v = 1.0 - u;
  for (int i = 0; i < n; ++i) { x[i] = c[i + 1].x - c[i].x; y[i] = c[i + 1].y - c[i].y; z[i] = c[i + 1].z - c[i].z; }
  for (int r = 1; r < n; ++r)
    for (int i = 0; i < n - r; ++i) {
      x[i] = v * x[i] + u * x[i + 1];
      y[i] = v * y[i] + u * y[i + 1];
      z[i] = v * z[i] + u * z[i + 1];
    }
  return n * std::sqrt(x[0] * x[0] + y[0] * y[0] + z[0] * z[0]);
}

/// The rounding in the speed of span `i` (per unit of its local parameter): its legs are
/// differences of control points, each rounded to the points' magnitude. Below this a Kronrod
/// estimate cannot improve, however often the interval is halved.
double speedNoise(const BezierSpans& s, int i) {
  const HPoint* c = s.span(i);
  double m = 0.0;
  for (int j = 0; j <= s.degree; ++j)
    m = std::max({m, std::fabs(c[j].x / c[j].w), std::fabs(c[j].y / c[j].w), std::fabs(c[j].z / c[j].w)});
  return 16.0 * s.degree * std::numeric_limits<double>::epsilon() * m;
}

/// Length of span `i` over local [u0, u1] (the speed in u includes the span width), halved until
/// the estimate is within ~1e-14 relative or within the rounding `noise` of the speed: a piece
/// shorter than its coordinates' rounding (a sliver cut at a touch) is taken at once.
double spanLength(const BezierSpans& s, int i, double u0, double u1, double noise, int depth) {
  double c = 0.5 * (u0 + u1), h = 0.5 * (u1 - u0);
  double fc = speedAt(s, i, c);
  double k = fc * kWgk[7], g = fc * kWg[3];
  for (int j = 0; j < 7; ++j) {
    double f = speedAt(s, i, c - h * kXgk[j]) + speedAt(s, i, c + h * kXgk[j]);
    k += kWgk[j] * f;
    if (j % 2 == 1) g += kWg[j / 2] * f;
  }
  k *= h;
  g *= h;
  double rel = std::fabs(k - g) / std::max(std::fabs(k), 1e-300);
  if (depth >= 20 || std::pow(200.0 * rel, 1.5) <= 1e-14 || std::fabs(k - g) <= noise * (u1 - u0) ||
      std::fabs(k) <= 1e-300)
    return k;
  return spanLength(s, i, u0, c, noise, depth + 1) + spanLength(s, i, c, u1, noise, depth + 1);
}

}  // namespace

int BezierSpans::spanOf(double t) const {
  int n = spans();
  if (n <= 1) return 0;
  int i = static_cast<int>(std::upper_bound(breaks.begin() + 1, breaks.end() - 1, t) - breaks.begin()) - 1;
  return std::clamp(i, 0, n - 1);
}

void BezierSpans::evalLocal(int i, double u, ZcGePoint3d& p, ZcGeVector3d* d1, ZcGeVector3d* d2) const {
  const HPoint* c = span(i);
  int n = degree;
  // q: the last level of three points, r: of two, a: the point (de Casteljau).
  HPoint q0, q1, q2, r0, r1, a;
  if (n == 3) {  // the cubic of every fitted offset, spelt out: no working array to fill
    q0 = lerp(c[0], c[1], u);
    q1 = lerp(c[1], c[2], u);
    q2 = lerp(c[2], c[3], u);
    r0 = lerp(q0, q1, u);
    r1 = lerp(q1, q2, u);
    a = lerp(r0, r1, u);
  } else {
    HPoint tmp[26];
    std::copy(c, c + n + 1, tmp);
    for (int r = 1; r <= n; ++r) {
      int count = n - r + 2;  // points on the current level
      if (count == 3) { q0 = tmp[0]; q1 = tmp[1]; q2 = tmp[2]; }
      if (count == 2) { r0 = tmp[0]; r1 = tmp[1]; }
      for (int j = 0; j <= n - r; ++j) tmp[j] = lerp(tmp[j], tmp[j + 1], u);
    }
    a = tmp[0];
  }
  double iw = 1.0 / a.w;
  p.set(a.x * iw, a.y * iw, a.z * iw);
  if (!d1 && !d2) return;
  HPoint da = n >= 1 ? sub(r1, r0) : HPoint{0, 0, 0, 0};
  da = {n * da.x, n * da.y, n * da.z, n * da.w};
  ZcGeVector3d v((da.x - p.x * da.w) * iw, (da.y - p.y * da.w) * iw, (da.z - p.z * da.w) * iw);
  if (d1) *d1 = v;
  if (!d2) return;
  HPoint dda{0, 0, 0, 0};
  if (n >= 2) {
    double k = n * (n - 1.0);
    dda = {k * (q2.x - 2 * q1.x + q0.x), k * (q2.y - 2 * q1.y + q0.y), k * (q2.z - 2 * q1.z + q0.z), k * (q2.w - 2 * q1.w + q0.w)};
  }
  *d2 = ZcGeVector3d((dda.x - 2 * v.x * da.w - p.x * dda.w) * iw, (dda.y - 2 * v.y * da.w - p.y * dda.w) * iw,
                     (dda.z - 2 * v.z * da.w - p.z * dda.w) * iw);
}

void BezierSpans::eval(double t, ZcGePoint3d& p, ZcGeVector3d* d1, ZcGeVector3d* d2) const {
  int i = spanOf(t);
  double h = breaks[i + 1] - breaks[i];
  evalLocal(i, (t - breaks[i]) / h, p, d1, d2);
  if (d1) *d1 = *d1 / h;
  if (d2) *d2 = *d2 / (h * h);
}

void BezierSpans::computeBoxes() {
  int n = spans();
  boxLo.assign(n, {});
  boxHi.assign(n, {});
  for (int i = 0; i < n; ++i) {
    const HPoint* c = span(i);
    for (int j = 0; j <= degree; ++j) {
      ZcGePoint3d q(c[j].x / c[j].w, c[j].y / c[j].w, c[j].z / c[j].w);
      if (j == 0) boxLo[i] = boxHi[i] = q;
      else growBox(boxLo[i], boxHi[i], q);
    }
  }
}

void BezierSpans::bounds(ZcGePoint3d& lo, ZcGePoint3d& hi) const {
  lo = hi = boxLo.empty() ? ZcGePoint3d() : boxLo.front();
  for (size_t i = 0; i < boxLo.size(); ++i) {
    growBox(lo, hi, boxLo[i]);
    growBox(lo, hi, boxHi[i]);
  }
}

BezierSpans bezierSpansOf(int degree, std::vector<double> knots, const std::vector<ZcGePoint3d>& ctrl,
                          const std::vector<double>& weights) {
  BezierSpans s;
  int n = static_cast<int>(ctrl.size());
  if (degree < 1 || degree > 25 || n < degree + 1 || static_cast<int>(knots.size()) != n + degree + 1) return s;
  std::vector<HPoint> p(n);
  for (int i = 0; i < n; ++i) {
    double w = weights.empty() ? 1.0 : weights[i];
    p[i] = {ctrl[i].x * w, ctrl[i].y * w, ctrl[i].z * w, w};
  }
  double a = knots[degree];
  std::vector<double> values;
  for (int i = degree; i <= n; ++i)
    if (values.empty() || knots[i] > values.back()) values.push_back(knots[i]);
  // Each insertion moves the points and knots after it: room for all of them first.
  knots.reserve(knots.size() + values.size() * degree);
  p.reserve(p.size() + values.size() * degree);
  const bool sorted = std::is_sorted(knots.begin(), knots.end());
  for (double v : values) {
    int mult = 0;
    if (sorted) {
      auto same = std::equal_range(knots.begin(), knots.end(), v);
      mult = static_cast<int>(same.second - same.first);
    } else {
      mult = static_cast<int>(std::count(knots.begin(), knots.end(), v));
    }
    for (int r = mult; r < degree; ++r) insertKnot(knots, p, degree, v);
  }
  s.degree = degree;
  s.rational = !weights.empty();
  s.breaks.push_back(0.0);
  for (size_t j = 0; j + 1 < values.size(); ++j) {
    int k = static_cast<int>(std::upper_bound(knots.begin(), knots.end(), values[j]) - knots.begin()) - 1;
    for (int i = k - degree; i <= k; ++i) s.cp.push_back(p[i]);
    s.breaks.push_back(values[j + 1] - a);
  }
  s.computeBoxes();
  return s;
}

BezierSpans ellipseSpans(const ZcGePoint3d& center, const ZcGeVector3d& x, const ZcGeVector3d& y, double start,
                         double sweep) {
  BezierSpans s;
  s.degree = 2;
  s.rational = true;
  int m = std::max(1, static_cast<int>(std::ceil(sweep / (0.5 * kPi) - 1e-9)));
  double step = sweep / m, w = std::cos(0.5 * step);
  auto at = [&](double a, double scale) { return center + (x * std::cos(a) + y * std::sin(a)) * scale; };
  for (int i = 0; i <= m; ++i) s.breaks.push_back(step * i);
  for (int i = 0; i < m; ++i) {
    double a0 = start + step * i, a1 = a0 + step;
    ZcGePoint3d p0 = at(a0, 1.0), p1 = at(0.5 * (a0 + a1), 1.0 / w), p2 = at(a1, 1.0);
    s.cp.push_back({p0.x, p0.y, p0.z, 1.0});
    s.cp.push_back({p1.x * w, p1.y * w, p1.z * w, w});
    s.cp.push_back({p2.x, p2.y, p2.z, 1.0});
  }
  s.breaks.back() = sweep;
  s.computeBoxes();
  return s;
}

std::vector<double> bernsteinRoots(const std::vector<double>& coef, double zeroTol) {
  std::vector<double> out;
  int n = static_cast<int>(coef.size()) - 1;
  if (n < 0 || n >= kMaxCoef) return out;
  rootsRec(coef.data(), n, 0.0, 1.0, zeroTol, 0, out);
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end(), [](double a, double b) { return b - a <= 1e-12; }), out.end());
  return out;
}

double closestOnSpans(const ZcGeCurve3d& c, const BezierSpans& s, const ZcGePoint3d& p,
                      const std::function<double(int, double)>* toParam) {
  int n = s.spans();
  double best = 0.0, bestDist = std::numeric_limits<double>::infinity();
  auto consider = [&](double t) {
    double d = c.evalPoint(t).distanceTo(p);
    if (d < bestDist) { bestDist = d; best = t; }
  };
  // Span ends first (they bound the search and hold the kinks).
  for (int i = 0; i <= n; ++i) consider(s.breaks[i]);
  std::pair<double, int> order[512];
  std::vector<std::pair<double, int>> many;
  std::pair<double, int>* ord = n <= 512 ? order : (many.resize(n), many.data());
  int k = 0;
  for (int i = 0; i < n; ++i) {
    double lb = boxDistance(p, s.boxLo[i], s.boxHi[i]);
    if (lb < bestDist) ord[k++] = {lb, i};
  }
  std::sort(ord, ord + k);
  double coef[kMaxCoef];
  std::vector<double> roots;
  for (int j = 0; j < k; ++j) {
    if (ord[j].first >= bestDist) break;
    int i = ord[j].second;
    int m = distanceDerivative(s.span(i), s.degree, s.rational, p, coef);
    if (m >= kMaxCoef) continue;
    roots.clear();
    rootsRec(coef, m, 0.0, 1.0, 0.0, 0, roots);
    double lo = s.breaks[i], hi = s.breaks[i + 1];
    for (double u : roots) {
      double t = toParam ? (*toParam)(i, u) : lo + (hi - lo) * u;
      consider(polishClosest(c, p, std::clamp(t, lo, hi), lo, hi));
    }
  }
  return best;
}

void splitSpanHalf(const HPoint* c, int degree, HPoint* left, HPoint* right) {
  HPoint tmp[26];
  std::copy(c, c + degree + 1, tmp);
  left[0] = tmp[0];
  right[degree] = tmp[degree];
  for (int r = 1; r <= degree; ++r) {
    for (int i = 0; i <= degree - r; ++i) tmp[i] = lerp(tmp[i], tmp[i + 1], 0.5);
    left[r] = tmp[0];
    right[degree - r] = tmp[degree - r];
  }
}

bool nearSpans(const BezierSpans& s, const ZcGePoint3d& p, double tol) {
  for (int i = 0; i < s.spans(); ++i)
    if (boxDistance(p, s.boxLo[i], s.boxHi[i]) <= tol) return true;
  return false;
}

double lengthOnSpans(const BezierSpans& s, double t0, double t1) {
  double sum = 0.0;
  for (int i = s.spanOf(t0); i < s.spans(); ++i) {
    double a = s.breaks[i], b = s.breaks[i + 1], h = b - a;
    if (a >= t1) break;
    double u0 = std::max(0.0, (t0 - a) / h), u1 = std::min(1.0, (t1 - a) / h);
    if (u1 > u0) sum += spanLength(s, i, u0, u1, speedNoise(s, i), 0);  // local speed: the span width is in it
  }
  return sum;
}

}  // namespace ge

// Intersections of line segments, arcs and points in the XY plane, exact to rounding.
#include "db/CurveMath.h"

#include <algorithm>
#include <cmath>

#include "db/ZcDb2dPolyline.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbLeader.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPoint.h"
#include "db/ZcDbPolyline.h"

namespace zcdb {
namespace {
template <class T>
const T* As(const ZcDbEntity* e) {
  return e && e->isKindOf(T::desc()) ? static_cast<const T*>(e) : nullptr;
}

constexpr double kTwoPi = 6.283185307179586;
constexpr double kTol = 1e-9;

struct Hit {
  ZcGePoint3d p;
  double order;
};

// Where a point lies along a piece (its entity parameter), or false when it is off the piece.
bool ParamOn(const Piece& s, const ZcGePoint3d& p, double& param) {
  if (s.kind == Piece::Point) {
    param = s.param0;
    return std::hypot(p.x - s.a.x, p.y - s.a.y) <= kTol;
  }
  if (s.kind == Piece::Line) {
    double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y, len2 = dx * dx + dy * dy;
    if (len2 == 0) return false;
    double t = ((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / len2;
    double len = std::sqrt(len2), eps = kTol / len;
    if ((t < -eps && !s.extendStart) || (t > 1 + eps && !s.extendEnd)) return false;
    param = s.param0 + t;
    return true;
  }
  double ang = NormalizeAngle(std::atan2(p.y - s.c.y, p.x - s.c.x) - s.a0);
  double eps = s.r > 0 ? kTol / s.r : kTol;
  if (s.closed || s.extendStart || s.extendEnd) {
    param = s.param0 + ang / (s.sweep > 0 ? s.sweep : kTwoPi);
    return true;
  }
  if (ang > s.sweep + eps) {
    if (ang > kTwoPi - eps) ang = 0;  // just before the start
    else return false;
  }
  param = s.param0 + ang / s.sweep;
  return true;
}

void LineLine(const Piece& u, const Piece& v, std::vector<ZcGePoint3d>& out) {
  double d1x = u.b.x - u.a.x, d1y = u.b.y - u.a.y, d2x = v.b.x - v.a.x, d2y = v.b.y - v.a.y;
  double den = d1x * d2y - d1y * d2x;
  double scale = std::hypot(d1x, d1y) * std::hypot(d2x, d2y);
  if (scale == 0) return;
  if (std::fabs(den) <= 1e-12 * scale) {  // parallel: collinear overlaps give their ends
    for (const ZcGePoint3d& q : {v.a, v.b, u.a, u.b}) out.push_back(q);
    return;
  }
  double t = ((v.a.x - u.a.x) * d2y - (v.a.y - u.a.y) * d2x) / den;
  out.emplace_back(u.a.x + t * d1x, u.a.y + t * d1y, u.a.z + t * (u.b.z - u.a.z));
}

void LineCircle(const Piece& l, const ZcGePoint3d& c, double r, std::vector<ZcGePoint3d>& out) {
  double dx = l.b.x - l.a.x, dy = l.b.y - l.a.y, len = std::hypot(dx, dy);
  if (len == 0) return;
  double ux = dx / len, uy = dy / len;
  double s = (c.x - l.a.x) * ux + (c.y - l.a.y) * uy;  // foot of the centre
  double fx = l.a.x + s * ux, fy = l.a.y + s * uy;
  double d = std::hypot(c.x - fx, c.y - fy);
  if (d > r + kTol) return;
  double h = d >= r ? 0.0 : std::sqrt(r * r - d * d);
  out.emplace_back(fx - h * ux, fy - h * uy, l.a.z);
  if (h > 0) out.emplace_back(fx + h * ux, fy + h * uy, l.a.z);
}

void CircleCircle(const Piece& u, const Piece& v, std::vector<ZcGePoint3d>& out) {
  double dx = v.c.x - u.c.x, dy = v.c.y - u.c.y, d = std::hypot(dx, dy);
  if (d == 0 || d > u.r + v.r + kTol || d < std::fabs(u.r - v.r) - kTol) return;
  double a = (u.r * u.r - v.r * v.r + d * d) / (2 * d);
  double h2 = u.r * u.r - a * a, h = h2 > 0 ? std::sqrt(h2) : 0.0;
  double mx = u.c.x + a * dx / d, my = u.c.y + a * dy / d;
  out.emplace_back(mx - h * dy / d, my + h * dx / d, u.c.z);
  if (h > 0) out.emplace_back(mx + h * dy / d, my - h * dx / d, u.c.z);
}

void Candidates(const Piece& u, const Piece& v, std::vector<ZcGePoint3d>& out) {
  if (u.kind == Piece::Point) { out.push_back(u.a); return; }
  if (v.kind == Piece::Point) { out.push_back(v.a); return; }
  if (u.kind == Piece::Line && v.kind == Piece::Line) return LineLine(u, v, out);
  if (u.kind == Piece::Line) return LineCircle(u, v.c, v.r, out);
  if (v.kind == Piece::Line) return LineCircle(v, u.c, u.r, out);
  CircleCircle(u, v, out);
}
}  // namespace

double NormalizeAngle(double a) {
  a = std::fmod(a, kTwoPi);
  if (a < 0) a += kTwoPi;
  return a >= kTwoPi ? 0.0 : a;
}

Piece BulgePiece(const ZcGePoint3d& p, const ZcGePoint3d& q, double bulge, double param0) {
  Piece s;
  s.param0 = param0;
  s.a = p;
  s.b = q;
  double chord = std::hypot(q.x - p.x, q.y - p.y);
  if (std::fabs(bulge) < 1e-12 || chord == 0) return s;
  double theta = 4 * std::atan(bulge);  // the signed swept angle
  s.kind = Piece::Arc;
  s.r = chord / (2 * std::sin(std::fabs(theta) / 2));
  // The centre lies on the chord's bisector, left of p->q for a counter-clockwise minor arc.
  double d = (theta > 0 ? 1 : -1) * s.r * std::cos(std::fabs(theta) / 2);
  double nx = -(q.y - p.y) / chord, ny = (q.x - p.x) / chord;
  s.c = ZcGePoint3d((p.x + q.x) / 2 + nx * d, (p.y + q.y) / 2 + ny * d, p.z);
  // Pieces run counter-clockwise: a clockwise bulge is the arc from q to p.
  const ZcGePoint3d& from = theta > 0 ? p : q;
  s.a0 = NormalizeAngle(std::atan2(from.y - s.c.y, from.x - s.c.x));
  s.sweep = std::fabs(theta);
  return s;
}

bool PlaneScale(const ZcGeMatrix3d& m, double& scale, bool& mirrored) {
  ZcGeVector3d x = ZcGeVector3d::kXAxis, y = ZcGeVector3d::kYAxis;
  x.transformBy(m);
  y.transformBy(m);
  scale = x.length();
  mirrored = x.x * y.y - x.y * y.x < 0;
  return std::fabs(scale - y.length()) <= 1e-9 * (1 + scale) &&
         std::fabs(x.dotProduct(y)) <= 1e-9 * (1 + scale * scale);
}

void AddBulgeChainExtents(ZcDbExtents& ext, const std::vector<std::pair<ZcGePoint3d, double>>& pts,
                          bool closed) {
  std::size_t n = pts.size();
  for (std::size_t i = 0; i < n; ++i) {
    ext.addPoint(pts[i].first);
    if (i + 1 == n && !closed) break;
    Piece s = BulgePiece(pts[i].first, pts[(i + 1) % n].first, pts[i].second, double(i));
    if (s.kind == Piece::Arc) AddArcExtents(ext, s.c, s.r, s.a0, s.sweep);
  }
}

void AddArcExtents(ZcDbExtents& ext, const ZcGePoint3d& c, double r, double a0, double sweep) {
  ext.addPoint(ZcGePoint3d(c.x + r * std::cos(a0), c.y + r * std::sin(a0), c.z));
  ext.addPoint(ZcGePoint3d(c.x + r * std::cos(a0 + sweep), c.y + r * std::sin(a0 + sweep), c.z));
  for (int q = 0; q < 4; ++q) {
    double ang = q * kTwoPi / 4;
    if (NormalizeAngle(ang - a0) <= sweep)
      ext.addPoint(ZcGePoint3d(c.x + r * std::cos(ang), c.y + r * std::sin(ang), c.z));
  }
}

namespace {
void AddVertexPieces(const std::vector<std::pair<ZcGePoint3d, double>>& v, bool closed,
                     bool extend, std::vector<Piece>& out) {
  std::size_t n = v.size();
  if (n == 1) {
    Piece s;
    s.kind = Piece::Point;
    s.a = v[0].first;
    out.push_back(s);
    return;
  }
  std::size_t segs = closed ? n : n - 1;
  std::size_t first = out.size();
  for (std::size_t i = 0; i < segs; ++i)
    out.push_back(BulgePiece(v[i].first, v[(i + 1) % n].first, v[i].second, double(i)));
  if (extend && !closed && segs > 0) {
    out[first].extendStart = true;
    out.back().extendEnd = true;
  }
}
}  // namespace

bool PiecesOf(const ZcDbEntity* ent, bool extend, std::vector<Piece>& out) {
  if (auto* l = As<ZcDbLine>(ent)) {
    Piece s;
    s.a = l->startPoint();
    s.b = l->endPoint();
    s.extendStart = s.extendEnd = extend;
    out.push_back(s);
    return true;
  }
  if (auto* c = As<ZcDbCircle>(ent)) {
    Piece s;
    s.kind = Piece::Arc;
    s.c = c->center();
    s.r = c->radius();
    s.sweep = kTwoPi;
    s.closed = true;
    out.push_back(s);
    return true;
  }
  if (auto* a = As<ZcDbArc>(ent)) {
    Piece s;
    s.kind = Piece::Arc;
    s.c = a->center();
    s.r = a->radius();
    s.a0 = a->startAngle();
    s.sweep = a->sweep();
    s.extendStart = s.extendEnd = extend;
    out.push_back(s);
    return true;
  }
  if (auto* p = As<ZcDbPoint>(ent)) {
    Piece s;
    s.kind = Piece::Point;
    s.a = p->position();
    out.push_back(s);
    return true;
  }
  std::vector<std::pair<ZcGePoint3d, double>> v;
  if (auto* pl = As<ZcDbPolyline>(ent)) {
    for (unsigned i = 0; i < pl->numVerts(); ++i) {
      ZcGePoint3d q;
      double b = 0;
      pl->getPointAt(i, q);
      pl->getBulgeAt(i, b);
      v.emplace_back(q, b);
    }
    if (!v.empty()) AddVertexPieces(v, pl->isClosed(), extend, out);
    return true;
  }
  if (auto* hp = As<ZcDbVertexPolyline>(ent)) {
    for (unsigned i = 0; i < hp->numVerts(); ++i)
      v.emplace_back(hp->vertexAt(i).p, hp->isKindOf(ZcDb3dPolyline::desc()) ? 0.0 : hp->vertexAt(i).bulge);
    if (!v.empty()) AddVertexPieces(v, hp->isClosed(), extend, out);
    return true;
  }
  if (auto* ld = As<ZcDbLeader>(ent)) {
    for (int i = 0; i < ld->numVertices(); ++i) v.emplace_back(ld->vertexAt(i), 0.0);
    if (!v.empty()) AddVertexPieces(v, false, extend, out);
    return true;
  }
  return false;
}

void IntersectPieces(const std::vector<Piece>& a, const std::vector<Piece>& b,
                     ZcGePoint3dArray& points) {
  std::vector<Hit> hits;
  std::vector<ZcGePoint3d> cand;
  for (const Piece& u : a)
    for (const Piece& v : b) {
      cand.clear();
      Candidates(u, v, cand);
      for (const ZcGePoint3d& p : cand) {
        double pu, pv;
        if (ParamOn(u, p, pu) && ParamOn(v, p, pv)) hits.push_back({p, pu});
      }
    }
  std::stable_sort(hits.begin(), hits.end(), [](const Hit& x, const Hit& y) { return x.order < y.order; });
  std::vector<ZcGePoint3d> kept;
  for (const Hit& h : hits) {
    bool dup = false;
    for (const ZcGePoint3d& k : kept)
      if (std::hypot(k.x - h.p.x, k.y - h.p.y) <= kTol) dup = true;
    if (!dup) kept.push_back(h.p);
  }
  for (const ZcGePoint3d& p : kept) points.append(p);
}

}  // namespace zcdb

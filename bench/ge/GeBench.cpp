// Hot operations of the geometry kernel (closest point, intersection, length, offset) on lines,
// arcs, 100-vertex polylines and 20-fit-point splines, and intersections of splines that stay
// apart or slide over each other in a thin sliver; the same question is also put to
// OpenCASCADE's general algorithms on the same curves, so one run shows the ratio.
#include <benchmark/benchmark.h>

#include <cmath>

#include <GCPnts_AbscissaPoint.hxx>
#include <Geom2dAPI_InterCurveCurve.hxx>
#include <Geom2d_BSplineCurve.hxx>
#include <Geom2d_Circle.hxx>
#include <Geom2d_Line.hxx>
#include <Geom2d_TrimmedCurve.hxx>
#include <GeomAPI_ProjectPointOnCurve.hxx>
#include <GeomAdaptor_Curve.hxx>
#include <GeomConvert_ApproxCurve.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Geom_Circle.hxx>
#include <Geom_Line.hxx>
#include <Geom_OffsetCurve.hxx>
#include <Geom_TrimmedCurve.hxx>

#include "ge/ZcGeBulgePolyline3d.h"
#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeLineSeg3d.h"
#include "ge/ZcGeMatrix3d.h"
#include "ge/ZcGeNurbCurve3d.h"

namespace {

const ZcGePoint3d kProbe(3.3, 7.1, 0.0);

ZcGeLineSeg3d line() { return {{0, 0, 0}, {10, 4, 0}}; }
ZcGeLineSeg3d line2() { return {{0, 5, 0}, {9, -2, 0}}; }
ZcGeCircArc3d arc() { return {{0, 0, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 6.0, 0.2, 2.8}; }
ZcGeCircArc3d arc2() { return {{4, 1, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 5.0, 0.5, 3.5}; }

ZcGeBulgePolyline3d zigzag(double phase) {
  std::vector<ZcGePoint2d> pts;
  std::vector<double> bulges;
  for (int i = 0; i < 100; ++i) {
    pts.emplace_back(i * 0.5, 3.0 * std::sin(0.3 * i + phase));
    bulges.push_back(i % 3 == 0 ? 0.2 : 0.0);
  }
  return {pts, bulges};
}

ZcGeNurbCurve3d spline(double phase) {
  std::vector<ZcGePoint3d> pts;
  for (int i = 0; i < 20; ++i) pts.emplace_back(i * 1.0, 2.0 * std::sin(0.5 * i + phase), 0.0);
  return ZcGeNurbCurve3d(pts);
}

/// The 8-fit-point spline whose offset is measured (one wave over 21 units).
ZcGeNurbCurve3d spline8() {
  std::vector<ZcGePoint3d> pts;
  for (int i = 0; i < 8; ++i) pts.emplace_back(i * 3.0, 4.0 * std::sin(0.9 * i), 0.0);
  return ZcGeNurbCurve3d(pts);
}
/// A line across the 20-fit-point spline, crossing it several times.
ZcGeLineSeg3d lineAcross() { return {{-1, -2.5, 0}, {20, 2.5, 0}}; }

/// OpenCASCADE's B-spline of the same control data, in 3D and in the XY plane.
template <class Curve, class Poles, class Make>
Handle(Curve) occtBSpline(const ZcGeNurbCurve3d& s, Make point) {
  int degree;
  std::vector<double> knots, weights;
  std::vector<ZcGePoint3d> ctrl;
  bool periodic;
  s.getNurbsData(degree, knots, ctrl, weights, periodic);
  std::vector<double> uniq;
  std::vector<int> mult;
  for (double k : knots) {
    if (!uniq.empty() && k == uniq.back()) ++mult.back();
    else { uniq.push_back(k); mult.push_back(1); }
  }
  Poles poles(1, static_cast<int>(ctrl.size()));
  for (size_t i = 0; i < ctrl.size(); ++i) poles(static_cast<int>(i) + 1) = point(ctrl[i]);
  TColStd_Array1OfReal k(1, static_cast<int>(uniq.size()));
  TColStd_Array1OfInteger m(1, static_cast<int>(uniq.size()));
  for (size_t i = 0; i < uniq.size(); ++i) { k(static_cast<int>(i) + 1) = uniq[i]; m(static_cast<int>(i) + 1) = mult[i]; }
  return new Curve(poles, k, m, degree);
}
Handle(Geom_BSplineCurve) occtSpline(const ZcGeNurbCurve3d& s) {
  return occtBSpline<Geom_BSplineCurve, TColgp_Array1OfPnt>(s, [](const ZcGePoint3d& p) { return gp_Pnt(p.x, p.y, p.z); });
}
Handle(Geom2d_BSplineCurve) occtSpline2d(const ZcGeNurbCurve3d& s) {
  return occtBSpline<Geom2d_BSplineCurve, TColgp_Array1OfPnt2d>(s, [](const ZcGePoint3d& p) { return gp_Pnt2d(p.x, p.y); });
}

Handle(Geom_Curve) occtLine(const ZcGeLineSeg3d& l) {
  ZcGeVector3d d = l.direction();
  return new Geom_TrimmedCurve(new Geom_Line(gp_Pnt(l.startPoint().x, l.startPoint().y, 0), gp_Dir(d.x, d.y, d.z)), 0,
                               l.endParam());
}
Handle(Geom_Curve) occtArc(const ZcGeCircArc3d& a) {
  gp_Ax2 ax(gp_Pnt(a.center().x, a.center().y, 0), gp::DZ(), gp::DX());
  return new Geom_TrimmedCurve(new Geom_Circle(ax, a.radius()), a.startAngle(), a.startAngle() + a.sweep());
}
Handle(Geom2d_Curve) occt2d(const ZcGeCurve3d& c) {
  if (c.kind() == ZcGeCurve3d::kLineSeg) {
    ZcGeVector3d d = static_cast<const ZcGeLineSeg3d&>(c).direction();
    return new Geom2d_TrimmedCurve(new Geom2d_Line(gp_Pnt2d(c.startPoint().x, c.startPoint().y), gp_Dir2d(d.x, d.y)), 0,
                                   c.endParam());
  }
  const auto& a = static_cast<const ZcGeCircArc3d&>(c);
  return new Geom2d_TrimmedCurve(new Geom2d_Circle(gp_Ax2d(gp_Pnt2d(a.center().x, a.center().y), gp::DX2d()), a.radius()),
                                 a.startAngle(), a.startAngle() + a.sweep());
}
std::vector<Handle(Geom_Curve)> occtSegments(const ZcGeBulgePolyline3d& pl) {
  std::vector<Handle(Geom_Curve)> out;
  for (unsigned i = 0; i < pl.numSegments(); ++i) {
    auto s = pl.segmentCurve(i);
    if (s->kind() == ZcGeCurve3d::kLineSeg) out.push_back(occtLine(static_cast<ZcGeLineSeg3d&>(*s)));
    else {
      auto& a = static_cast<ZcGeCircArc3d&>(*s);
      gp_Ax2 ax(gp_Pnt(a.center().x, a.center().y, 0), gp_Dir(a.normal().x, a.normal().y, a.normal().z),
                gp_Dir(a.refVec().x, a.refVec().y, a.refVec().z));
      out.push_back(new Geom_TrimmedCurve(new Geom_Circle(ax, a.radius()), a.startAngle(), a.startAngle() + a.sweep()));
    }
  }
  return out;
}
std::vector<Handle(Geom2d_Curve)> occtSegments2d(const ZcGeBulgePolyline3d& pl) {
  std::vector<Handle(Geom2d_Curve)> out;
  for (unsigned i = 0; i < pl.numSegments(); ++i) {
    auto s = pl.segmentCurve(i);
    if (s->kind() == ZcGeCurve3d::kCircArc && static_cast<ZcGeCircArc3d&>(*s).normal().z < 0) s->reverse();
    out.push_back(occt2d(*s));
  }
  return out;
}

double occtClosest(const Handle(Geom_Curve)& c, const gp_Pnt& p) {
  GeomAPI_ProjectPointOnCurve proj(p, c);
  double best = std::min(p.Distance(c->Value(c->FirstParameter())), p.Distance(c->Value(c->LastParameter())));
  return proj.NbPoints() > 0 ? std::min(best, proj.LowerDistance()) : best;
}

// --- Closest point ---------------------------------------------------------------------------

template <class MakeCurve>
void closestOurs(benchmark::State& state, MakeCurve make) {
  auto c = make();
  for (auto _ : state) {
    ZcGePoint3d p;
    c.getClosestPointTo(kProbe, p);
    benchmark::DoNotOptimize(p);
  }
}
void BM_Closest_Line_Ours(benchmark::State& s) { closestOurs(s, line); }
void BM_Closest_Line_Occt(benchmark::State& s) {
  auto c = occtLine(line());
  for (auto _ : s) benchmark::DoNotOptimize(occtClosest(c, gp_Pnt(kProbe.x, kProbe.y, 0)));
}
void BM_Closest_Arc_Ours(benchmark::State& s) { closestOurs(s, arc); }
void BM_Closest_Arc_Occt(benchmark::State& s) {
  auto c = occtArc(arc());
  for (auto _ : s) benchmark::DoNotOptimize(occtClosest(c, gp_Pnt(kProbe.x, kProbe.y, 0)));
}
void BM_Closest_Polyline100_Ours(benchmark::State& s) { closestOurs(s, [] { return zigzag(0); }); }
void BM_Closest_Polyline100_Occt(benchmark::State& s) {
  auto segs = occtSegments(zigzag(0));
  for (auto _ : s) {
    double best = 1e300;
    for (auto& c : segs) best = std::min(best, occtClosest(c, gp_Pnt(kProbe.x, kProbe.y, 0)));
    benchmark::DoNotOptimize(best);
  }
}
// Splines: probes round and along the curve, the same sequence for both.
const ZcGePoint3d kSplineProbes[8] = {{3.3, 7.1, 0}, {5.2, 0.4, 0}, {9.9, -1.7, 0}, {12.5, 3.0, 0},
                                      {-2.0, 1.0, 0}, {17.0, -4.0, 0}, {14.2, 0.1, 0}, {7.7, 2.2, 0}};
void BM_Closest_Spline20_Ours(benchmark::State& state) {
  auto c = spline(0);
  unsigned i = 0;
  for (auto _ : state) {
    ZcGePoint3d p;
    c.getClosestPointTo(kSplineProbes[i++ & 7], p);
    benchmark::DoNotOptimize(p);
  }
}
void BM_Closest_Spline20_Occt(benchmark::State& state) {
  Handle(Geom_Curve) c = occtSpline(spline(0));
  unsigned i = 0;
  for (auto _ : state) {
    const ZcGePoint3d& q = kSplineProbes[i++ & 7];
    benchmark::DoNotOptimize(occtClosest(c, gp_Pnt(q.x, q.y, 0)));
  }
}

// --- Intersection ----------------------------------------------------------------------------

template <class A, class B>
void intersectOurs(benchmark::State& state, const A& a, const B& b) {
  for (auto _ : state) {
    std::vector<ZcGePoint3d> pts;
    a.intersectWith(b, ZcGeCurve3d::kExtendNone, pts);
    benchmark::DoNotOptimize(pts);
  }
}
void intersectOcct(benchmark::State& state, const std::vector<Handle(Geom2d_Curve)>& as,
                   const std::vector<Handle(Geom2d_Curve)>& bs) {
  for (auto _ : state) {
    int n = 0;
    for (auto& a : as)
      for (auto& b : bs) {
        Geom2dAPI_InterCurveCurve x(a, b, 1e-9);
        n += x.NbPoints();
      }
    benchmark::DoNotOptimize(n);
  }
}
void BM_Intersect_Line_Ours(benchmark::State& s) { intersectOurs(s, line(), line2()); }
void BM_Intersect_Line_Occt(benchmark::State& s) { intersectOcct(s, {occt2d(line())}, {occt2d(line2())}); }
void BM_Intersect_Arc_Ours(benchmark::State& s) { intersectOurs(s, arc(), arc2()); }
void BM_Intersect_Arc_Occt(benchmark::State& s) { intersectOcct(s, {occt2d(arc())}, {occt2d(arc2())}); }
void BM_Intersect_Polyline100_Ours(benchmark::State& s) { intersectOurs(s, zigzag(0), zigzag(1.5)); }
void BM_Intersect_Polyline100_Occt(benchmark::State& s) {
  intersectOcct(s, occtSegments2d(zigzag(0)), occtSegments2d(zigzag(1.5)));
}
void BM_Intersect_Spline20_Ours(benchmark::State& s) { intersectOurs(s, spline(0), spline(1.5)); }
void BM_Intersect_Spline20_Occt(benchmark::State& s) { intersectOcct(s, {occtSpline2d(spline(0))}, {occtSpline2d(spline(1.5))}); }
void BM_Intersect_Spline20Line_Ours(benchmark::State& s) { intersectOurs(s, spline(0), lineAcross()); }
void BM_Intersect_Spline20Line_Occt(benchmark::State& s) { intersectOcct(s, {occtSpline2d(spline(0))}, {occt2d(lineAcross())}); }

/// A pair that stays apart: the 20-fit-point spline and its copy `lift` above it (the curves'
/// boxes overlap unless the lift exceeds the waves' height of 4).
ZcGeNurbCurve3d lifted(double lift) {
  ZcGeNurbCurve3d c = spline(0);
  c.transformBy(ZcGeMatrix3d::translation({0, lift, 0}));
  return c;
}
void BM_Intersect_Spline20ApartFar_Ours(benchmark::State& s) { intersectOurs(s, spline(0), lifted(4.5)); }
void BM_Intersect_Spline20ApartFar_Occt(benchmark::State& s) { intersectOcct(s, {occtSpline2d(spline(0))}, {occtSpline2d(lifted(4.5))}); }
void BM_Intersect_Spline20ApartNear_Ours(benchmark::State& s) { intersectOurs(s, spline(0), lifted(0.5)); }
void BM_Intersect_Spline20ApartNear_Occt(benchmark::State& s) { intersectOcct(s, {occtSpline2d(spline(0))}, {occtSpline2d(lifted(0.5))}); }

/// A sliver: two cubics of 14 control points whose control points differ by ±1e-7 across, so
/// that one slides over the other, crossing it twice.
std::pair<ZcGeNurbCurve3d, ZcGeNurbCurve3d> sliverPair() {
  std::vector<ZcGePoint3d> ctrl, moved;
  std::vector<double> knots(4, 0.0);
  for (int i = 0; i < 14; ++i) {
    ctrl.emplace_back(i * 1.0, 2.0 * std::sin(0.4 * i), 0.0);
    moved.push_back(ctrl.back() + ZcGeVector3d(0, (i >= 4 && i <= 8 ? 1e-7 : -1e-7), 0));
  }
  for (int i = 1; i <= 10; ++i) knots.push_back(i);
  knots.insert(knots.end(), 4, 11.0);
  return {ZcGeNurbCurve3d(3, knots, ctrl), ZcGeNurbCurve3d(3, knots, moved)};
}
void BM_Intersect_Spline14Sliver_Ours(benchmark::State& s) {
  auto [a, b] = sliverPair();
  intersectOurs(s, a, b);
}
void BM_Intersect_Spline14Sliver_Occt(benchmark::State& s) {
  auto [a, b] = sliverPair();
  intersectOcct(s, {occtSpline2d(a)}, {occtSpline2d(b)});
}

// --- Length ----------------------------------------------------------------------------------

template <class MakeCurve>
void lengthOurs(benchmark::State& state, MakeCurve make) {
  auto c = make();
  for (auto _ : state) benchmark::DoNotOptimize(c.length());
}
void lengthOcct(benchmark::State& state, const std::vector<Handle(Geom_Curve)>& cs) {
  for (auto _ : state) {
    double sum = 0.0;
    for (auto& c : cs) {
      GeomAdaptor_Curve a(c);
      sum += GCPnts_AbscissaPoint::Length(a, 1e-12);
    }
    benchmark::DoNotOptimize(sum);
  }
}
void BM_Length_Line_Ours(benchmark::State& s) { lengthOurs(s, line); }
void BM_Length_Line_Occt(benchmark::State& s) { lengthOcct(s, {occtLine(line())}); }
void BM_Length_Arc_Ours(benchmark::State& s) { lengthOurs(s, arc); }
void BM_Length_Arc_Occt(benchmark::State& s) { lengthOcct(s, {occtArc(arc())}); }
void BM_Length_Polyline100_Ours(benchmark::State& s) { lengthOurs(s, [] { return zigzag(0); }); }
void BM_Length_Polyline100_Occt(benchmark::State& s) { lengthOcct(s, occtSegments(zigzag(0))); }
void BM_Length_Spline20_Ours(benchmark::State& s) { lengthOurs(s, [] { return spline(0); }); }
void BM_Length_Spline20_Occt(benchmark::State& s) { lengthOcct(s, {occtSpline(spline(0))}); }

// --- Offset ----------------------------------------------------------------------------------

template <class MakeCurve>
void offsetOurs(benchmark::State& state, MakeCurve make) {
  auto c = make();
  for (auto _ : state) {
    ZcGeCurve3dArray out;
    c.getOffsetCurves(0.7, out);
    benchmark::DoNotOptimize(out);
  }
}
// OpenCASCADE's general offset: an offset curve per piece, evaluated at its two ends.
void offsetOcct(benchmark::State& state, const std::vector<Handle(Geom_Curve)>& cs) {
  for (auto _ : state) {
    double sum = 0.0;
    for (auto& c : cs) {
      Handle(Geom_OffsetCurve) o = new Geom_OffsetCurve(c, 0.7, gp::DZ());
      sum += o->Value(o->FirstParameter()).X() + o->Value(o->LastParameter()).X();
    }
    benchmark::DoNotOptimize(sum);
  }
}
void BM_Offset_Line_Ours(benchmark::State& s) { offsetOurs(s, line); }
void BM_Offset_Line_Occt(benchmark::State& s) { offsetOcct(s, {occtLine(line())}); }
void BM_Offset_Arc_Ours(benchmark::State& s) { offsetOurs(s, arc); }
void BM_Offset_Arc_Occt(benchmark::State& s) { offsetOcct(s, {occtArc(arc())}); }
void BM_Offset_Polyline100_Ours(benchmark::State& s) { offsetOurs(s, [] { return zigzag(0); }); }
void BM_Offset_Polyline100_Occt(benchmark::State& s) { offsetOcct(s, occtSegments(zigzag(0))); }
void BM_Offset_Spline20_Ours(benchmark::State& s) { offsetOurs(s, [] { return spline(0); }); }

// The 8-fit-point spline's offset at 0.7: ours (a cubic within 1e-6 of the exact offset) against
// OpenCASCADE's approximation of its offset curve to the same tolerance, cubic and C2; the
// counter "ctrl" is the control point count of the result.
void BM_Offset_Spline8_Ours(benchmark::State& state) {
  auto c = spline8();
  unsigned n = 0;
  for (auto _ : state) {
    ZcGeCurve3dArray out;
    c.getOffsetCurves(0.7, out);
    n = static_cast<const ZcGeNurbCurve3d&>(*out[0]).numControlPoints();
    benchmark::DoNotOptimize(out);
  }
  state.counters["ctrl"] = n;
}
void BM_Offset_Spline8_Occt(benchmark::State& state) {
  Handle(Geom_Curve) c = occtSpline(spline8());
  int n = 0;
  for (auto _ : state) {
    Handle(Geom_OffsetCurve) o = new Geom_OffsetCurve(c, 0.7, gp::DZ());
    GeomConvert_ApproxCurve approx(o, 1e-6, GeomAbs_C2, 1000, 3);
    n = approx.HasResult() ? approx.Curve()->NbPoles() : -1;
    benchmark::DoNotOptimize(n);
  }
  state.counters["ctrl"] = n;
}
// The offset crossed by a line: ours on our cubic offset, OpenCASCADE's on the same cubic.
ZcGeNurbCurve3d offset8() {
  ZcGeCurve3dArray out;
  spline8().getOffsetCurves(0.7, out);
  return static_cast<const ZcGeNurbCurve3d&>(*out[0]);
}
ZcGeLineSeg3d lineAcross8() { return {{-1, -3, 0}, {22, 3.5, 0}}; }
void BM_Intersect_Offset8Line_Ours(benchmark::State& s) { intersectOurs(s, offset8(), lineAcross8()); }
void BM_Intersect_Offset8Line_Occt(benchmark::State& s) { intersectOcct(s, {occtSpline2d(offset8())}, {occt2d(lineAcross8())}); }

// Seam lines at pattern scale offset by a seam allowance of 10: an armhole of 4 fit points
// (the end-to-end piece's) and a side seam of 8; the counters are the offset's degree and
// control points. Then the armhole's cut line against its neighbouring line's cut line
// extended, which it misses (the convex corner's tangent fallback), and against a line that
// crosses it.
ZcGeNurbCurve3d armhole4() { return ZcGeNurbCurve3d({{95, 120, 0}, {82, 128, 0}, {76, 145, 0}, {75, 170, 0}}); }
ZcGeNurbCurve3d seam8() {
  std::vector<ZcGePoint3d> pts;
  for (int i = 0; i < 8; ++i) pts.emplace_back(i * 30.0, 12.0 * std::sin(0.7 * i), 0.0);
  return ZcGeNurbCurve3d(pts);
}
void offsetSeam(benchmark::State& state, const ZcGeNurbCurve3d& c) {
  unsigned n = 0;
  int degree = 0;
  for (auto _ : state) {
    ZcGeCurve3dArray out;
    c.getOffsetCurves(10.0, out);
    const auto& o = static_cast<const ZcGeNurbCurve3d&>(*out[0]);
    n = o.numControlPoints();
    degree = o.degree();
    benchmark::DoNotOptimize(out);
  }
  state.counters["ctrl"] = n;
  state.counters["degree"] = degree;
}
void BM_Offset_Armhole4_Ours(benchmark::State& s) { offsetSeam(s, armhole4()); }
void BM_Offset_Seam8_Ours(benchmark::State& s) { offsetSeam(s, seam8()); }
ZcGeNurbCurve3d armholeCut() {
  ZcGeCurve3dArray out;
  armhole4().getOffsetCurves(10.0, out);
  return static_cast<const ZcGeNurbCurve3d&>(*out[0]);
}
void intersectExtended(benchmark::State& state, const ZcGeNurbCurve3d& a, const ZcGeLineSeg3d& b) {
  std::size_t found = 0;
  for (auto _ : state) {
    std::vector<ZcGePoint3d> pts;
    a.intersectWith(b, ZcGeCurve3d::kExtendBoth, pts);
    found = pts.size();
    benchmark::DoNotOptimize(pts);
  }
  state.counters["points"] = static_cast<double>(found);
}
void BM_Intersect_ArmholeCutMiss_Ours(benchmark::State& s) {
  intersectExtended(s, armholeCut(), ZcGeLineSeg3d({109.9, 121.3, 0}, {104.9, 161.3, 0}));
}
void BM_Intersect_ArmholeCutHit_Ours(benchmark::State& s) {
  intersectExtended(s, armholeCut(), ZcGeLineSeg3d({60, 140, 0}, {120, 150, 0}));
}

}  // namespace

BENCHMARK(BM_Offset_Armhole4_Ours);
BENCHMARK(BM_Offset_Seam8_Ours);
BENCHMARK(BM_Intersect_ArmholeCutMiss_Ours);
BENCHMARK(BM_Intersect_ArmholeCutHit_Ours);
BENCHMARK(BM_Closest_Line_Ours);
BENCHMARK(BM_Closest_Line_Occt);
BENCHMARK(BM_Closest_Arc_Ours);
BENCHMARK(BM_Closest_Arc_Occt);
BENCHMARK(BM_Closest_Polyline100_Ours);
BENCHMARK(BM_Closest_Polyline100_Occt);
BENCHMARK(BM_Closest_Spline20_Ours);
BENCHMARK(BM_Closest_Spline20_Occt);
BENCHMARK(BM_Intersect_Line_Ours);
BENCHMARK(BM_Intersect_Line_Occt);
BENCHMARK(BM_Intersect_Arc_Ours);
BENCHMARK(BM_Intersect_Arc_Occt);
BENCHMARK(BM_Intersect_Polyline100_Ours);
BENCHMARK(BM_Intersect_Polyline100_Occt);
BENCHMARK(BM_Intersect_Spline20_Ours);
BENCHMARK(BM_Intersect_Spline20_Occt);
BENCHMARK(BM_Intersect_Spline20Line_Ours);
BENCHMARK(BM_Intersect_Spline20Line_Occt);
BENCHMARK(BM_Intersect_Spline20ApartFar_Ours);
BENCHMARK(BM_Intersect_Spline20ApartFar_Occt);
BENCHMARK(BM_Intersect_Spline20ApartNear_Ours);
BENCHMARK(BM_Intersect_Spline20ApartNear_Occt);
BENCHMARK(BM_Intersect_Spline14Sliver_Ours);
BENCHMARK(BM_Intersect_Spline14Sliver_Occt);
BENCHMARK(BM_Length_Line_Ours);
BENCHMARK(BM_Length_Line_Occt);
BENCHMARK(BM_Length_Arc_Ours);
BENCHMARK(BM_Length_Arc_Occt);
BENCHMARK(BM_Length_Polyline100_Ours);
BENCHMARK(BM_Length_Polyline100_Occt);
BENCHMARK(BM_Length_Spline20_Ours);
BENCHMARK(BM_Length_Spline20_Occt);
BENCHMARK(BM_Offset_Line_Ours);
BENCHMARK(BM_Offset_Line_Occt);
BENCHMARK(BM_Offset_Arc_Ours);
BENCHMARK(BM_Offset_Arc_Occt);
BENCHMARK(BM_Offset_Polyline100_Ours);
BENCHMARK(BM_Offset_Polyline100_Occt);
BENCHMARK(BM_Offset_Spline20_Ours);
BENCHMARK(BM_Offset_Spline8_Ours);
BENCHMARK(BM_Offset_Spline8_Occt);
BENCHMARK(BM_Intersect_Offset8Line_Ours);
BENCHMARK(BM_Intersect_Offset8Line_Occt);

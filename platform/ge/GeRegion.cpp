// Regions: loops grouped from curves, areas by Green's theorem, and union through
// OpenCASCADE's boolean operations with the result read back into our curves.
#include <algorithm>

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepTools.hxx>
#include <BRepTools_WireExplorer.hxx>
#include <BRepAdaptor_Curve.hxx>
#include <ShapeUpgrade_UnifySameDomain.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Wire.hxx>

#include "ge/GeInternal.h"
#include "ge/GeOcct.h"
#include "ge/GeWinding.h"
#include "ge/ZcGeBulgePolyline3d.h"
#include "ge/GeBulgePolylineSeg.h"
#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeEllipArc3d.h"
#include "ge/ZcGeNurbCurve3d.h"
#include "ge/ZcGeRegion.h"

using Zcad::ErrorStatus;

namespace {

ZcGeRegion::Loop copyLoop(const ZcGeRegion::Loop& loop) {
  ZcGeRegion::Loop out;
  for (const auto& c : loop) out.push_back(c->copy());
  return out;
}

/// A curve's pieces as loop edges: polylines become their segments.
void appendEdges(const ZcGeCurve3d& c, ZcGeRegion::Loop& loop) {
  if (c.kind() != ZcGeCurve3d::kBulgePolyline) { loop.push_back(c.copy()); return; }
  const auto& pl = static_cast<const ZcGeBulgePolyline3d&>(c);
  for (unsigned i = 0; i < pl.numSegments(); ++i) {
    std::unique_ptr<ZcGeCurve3d> s = pl.segmentCurve(i);
    if (s && !s->isDegenerate()) loop.push_back(std::move(s));
  }
}

/// θ − sin θ, by its series where the difference would cancel.
double thetaMinusSin(double t) {
  if (std::fabs(t) > 0.1) return t - std::sin(t);
  double t2 = t * t;
  return t * t2 / 6.0 * (1.0 - t2 / 20.0 * (1.0 - t2 / 42.0 * (1.0 - t2 / 72.0 * (1.0 - t2 / 110.0))));
}

/// ∮ (x dy − y dx) / 2 along a circular arc of radius r and sweep θ (positive about its normal
/// n) from a to b: the triangle (origin, a, b) plus the circular segment r²(θ − sin θ)/2, both
/// projected onto XY. No centre is formed, so nearly straight arcs keep their precision.
double arcTerm(const ZcGePoint3d& a, const ZcGePoint3d& b, double r, double theta, double nz) {
  return 0.5 * (a.x * b.y - b.x * a.y) + 0.5 * r * r * thetaMinusSin(theta) * nz;
}

/// Gauss–Legendre rule of 10 points on [a, b]: exact for polynomials up to degree 19.
double gauss10(const std::function<double(double)>& f, double a, double b) {
  static const double kNodes[5] = {0.1488743389816312108848260, 0.4333953941292471907992659,
                                   0.6794095682990244062343274, 0.8650633666889845107320967,
                                   0.9739065285171717200779640};
  static const double kWeights[5] = {0.2955242247147528701738930, 0.2692667193099963550912269,
                                     0.2190863625159820439955349, 0.1494513491505805931457763,
                                     0.0666713443086881375935688};
  double m = 0.5 * (a + b), h = 0.5 * (b - a), sum = 0.0;
  for (int i = 0; i < 5; ++i) sum += kWeights[i] * (f(m - h * kNodes[i]) + f(m + h * kNodes[i]));
  return sum * h;
}

/// The Green term of a spline, span by span between its knots: on a polynomial span x·y' − y·x'
/// is a polynomial of degree 2p − 1, integrated exactly by the 10-point rule up to degree 10;
/// rational and higher-degree spans are integrated adaptively.
double splineTerm(const ZcGeNurbCurve3d& c) {
  auto f = [&c](double t) {
    ZcGePoint3d p = c.evalPoint(t);
    ZcGeVector3d d = c.evalDeriv(t);
    return p.x * d.y - p.y * d.x;
  };
  double end = c.endParam();
  std::vector<double> breaks{0.0};
  for (double k : c.knots())
    if (k > breaks.back() && k < end) breaks.push_back(k);
  breaks.push_back(end);
  bool exact = !c.isRational() && c.degree() <= 10;
  double sum = 0.0;
  for (size_t i = 0; i + 1 < breaks.size(); ++i)
    sum += exact ? gauss10(f, breaks[i], breaks[i + 1]) : ge::integrate(f, breaks[i], breaks[i + 1]);
  return 0.5 * sum;
}

/// ∮ (x dy − y dx) / 2 along one curve: closed forms for lines, arcs, polyline segments and
/// elliptic arcs, span-wise quadrature for splines.
double greenTerm(const ZcGeCurve3d& c) {
  switch (c.kind()) {
    case ZcGeCurve3d::kLineSeg: {
      ZcGePoint3d a = c.startPoint(), b = c.endPoint();
      return 0.5 * (a.x * b.y - b.x * a.y);
    }
    case ZcGeCurve3d::kCircArc: {
      const auto& arc = static_cast<const ZcGeCircArc3d&>(c);
      return arcTerm(arc.startPoint(), arc.endPoint(), arc.radius(), arc.sweep(), arc.normal().z);
    }
    case ZcGeCurve3d::kBulgePolyline: {
      const auto& pl = static_cast<const ZcGeBulgePolyline3d&>(c);
      double sum = 0.0;
      for (unsigned i = 0; i < pl.numSegments(); ++i) {
        ge::PlineSeg s = ge::PlineSeg::make(pl.vertexAt(i), pl.vertexAt((i + 1) % pl.numVerts()), pl.bulgeAt(i), pl.normal());
        sum += s.arc ? arcTerm(s.p0, s.p1, s.r, s.theta, s.n.z) : 0.5 * (s.p0.x * s.p1.y - s.p1.x * s.p0.y);
      }
      return sum;
    }
    case ZcGeCurve3d::kEllipArc: {
      // x(u) = c + A cos u + B sin u: x × x' = c × x'(u) + A × B, integrated in closed form.
      const auto& e = static_cast<const ZcGeEllipArc3d&>(c);
      ZcGePoint3d o = e.center();
      ZcGeVector3d chord = e.endPoint() - e.startPoint(), a = e.majorAxis(), b = e.minorAxis();
      return 0.5 * ((o.x * chord.y - o.y * chord.x) + (a.x * b.y - a.y * b.x) * e.sweep());
    }
    case ZcGeCurve3d::kNurbCurve:
      return splineTerm(static_cast<const ZcGeNurbCurve3d&>(c));
  }
  return 0.5 * ge::integrate(
                   [&c](double t) {
                     ZcGePoint3d p = c.evalPoint(t);
                     ZcGeVector3d d = c.evalDeriv(t);
                     return p.x * d.y - p.y * d.x;
                   },
                   0.0, c.endParam());
}

double loopArea(const ZcGeRegion::Loop& loop) {
  std::vector<const ZcGeCurve3d*> ptrs;
  for (const auto& c : loop) ptrs.push_back(c.get());
  return ZcGeRegion::signedLoopArea(ptrs);
}

TopoDS_Wire toWire(const ZcGeRegion::Loop& loop) {
  BRepBuilderAPI_MakeWire wire;
  for (const auto& c : loop) {
    double shift = 0.0;
    Handle(Geom_Curve) g = ge::toOcct(*c, shift);
    if (g.IsNull()) throw Standard_Failure("curve kind without an OpenCASCADE form");
    BRepBuilderAPI_MakeEdge edge(g, shift, shift + c->endParam());
    if (!edge.IsDone()) throw Standard_Failure("edge");
    wire.Add(edge.Edge());
    if (!wire.IsDone()) throw Standard_Failure("wire");
  }
  return wire.Wire();
}

/// One face as an OpenCASCADE face: the outer loop's face minus each hole's face.
TopoDS_Shape toShape(const ZcGeRegion::Face& face) {
  auto planar = [](const ZcGeRegion::Loop& loop) {
    ZcGeRegion::Loop l = copyLoop(loop);
    if (loopArea(l) < 0.0) {  // build every face counter-clockwise, normal +Z
      std::reverse(l.begin(), l.end());
      for (auto& c : l) c->reverse();
    }
    BRepBuilderAPI_MakeFace mf(toWire(l), Standard_True);
    if (!mf.IsDone()) throw Standard_Failure("face");
    return TopoDS_Shape(mf.Face());
  };
  TopoDS_Shape shape = planar(face.front());
  for (size_t i = 1; i < face.size(); ++i) {
    BRepAlgoAPI_Cut cut(shape, planar(face[i]));
    if (!cut.IsDone()) throw Standard_Failure("cut");
    shape = cut.Shape();
  }
  return shape;
}

ZcGeRegion::Loop fromWire(const TopoDS_Wire& wire, const TopoDS_Face& face) {
  ZcGeRegion::Loop loop;
  for (BRepTools_WireExplorer ex(wire, face); ex.More(); ex.Next()) {
    const TopoDS_Edge& e = ex.Current();
    // (BRepAdaptor rather than BRep_Tool: the packaged headers of the latter are incomplete.)
    BRepAdaptor_Curve adaptor(e);
    Handle(Geom_Curve) g = adaptor.Curve().Curve();
    if (g.IsNull()) continue;
    if (adaptor.Trsf().Form() != gp_Identity) g = Handle(Geom_Curve)::DownCast(g->Transformed(adaptor.Trsf()));
    double f = adaptor.FirstParameter(), l = adaptor.LastParameter();
    std::unique_ptr<ZcGeCurve3d> c = ge::fromOcct(g, f, l);
    if (!c) throw Standard_Failure("edge curve");
    if (e.Orientation() == TopAbs_REVERSED) c->reverse();
    loop.push_back(std::move(c));
  }
  return loop;
}

}  // namespace

ZcGeRegion::ZcGeRegion(const ZcGeRegion& other) {
  for (const Face& f : other.faces_) {
    Face copy;
    for (const Loop& l : f) copy.push_back(copyLoop(l));
    faces_.push_back(std::move(copy));
  }
}

ZcGeRegion& ZcGeRegion::operator=(const ZcGeRegion& other) {
  if (this != &other) *this = ZcGeRegion(other);
  return *this;
}

double ZcGeRegion::signedLoopArea(const std::vector<const ZcGeCurve3d*>& loop) {
  // Pieces joined within a tolerance leave gaps; each is closed by its chord, whose term keeps
  // the sum independent of where the origin lies (an open gap would count its distance from it).
  double sum = 0.0;
  for (size_t i = 0; i < loop.size(); ++i) {
    sum += greenTerm(*loop[i]);
    ZcGePoint3d a = loop[i]->endPoint(), b = loop[(i + 1) % loop.size()]->startPoint();
    sum += 0.5 * (a.x * b.y - b.x * a.y);
  }
  return sum;
}

ErrorStatus ZcGeRegion::fromLoop(Loop loop, ZcGeRegion& region) {
  std::vector<Face> faces(1);
  faces.front().push_back(std::move(loop));
  return fromFaces(std::move(faces), region);
}

ErrorStatus ZcGeRegion::fromFaces(std::vector<Face> faces, ZcGeRegion& region) {
  for (const Face& face : faces) {
    if (face.empty()) return Zcad::eInvalidInput;
    for (const Loop& loop : face) {
      if (loop.empty() || std::any_of(loop.begin(), loop.end(), [](const auto& c) { return !c; }))
        return Zcad::eInvalidInput;
      for (size_t i = 0; i < loop.size(); ++i)
        if (loop[i]->endPoint().distanceTo(loop[(i + 1) % loop.size()]->startPoint()) > ZcGeCurve3d::kOnCurveTol)
          return Zcad::eInvalidInput;
    }
  }
  region.faces_ = std::move(faces);
  return Zcad::eOk;
}

ErrorStatus ZcGeRegion::createFromCurves(const std::vector<const ZcGeCurve3d*>& curves, std::vector<ZcGeRegion>& regions,
                                         double joinTol) {
  if (curves.empty()) return Zcad::eInvalidInput;
  std::vector<bool> used(curves.size(), false);
  size_t before = regions.size();
  for (size_t i = 0; i < curves.size(); ++i) {
    if (used[i] || !curves[i] || curves[i]->isDegenerate()) continue;
    Loop loop;
    if (curves[i]->isClosed()) {
      appendEdges(*curves[i], loop);
      used[i] = true;
    } else {
      // Chain forwards from curve i, taking any unused open curve whose start or end meets the tail.
      std::vector<size_t> chain{i};
      std::vector<bool> taken = used;
      taken[i] = true;
      std::vector<std::unique_ptr<ZcGeCurve3d>> parts;
      parts.push_back(curves[i]->copy());
      ZcGePoint3d head = parts.front()->startPoint();
      // One curve may close on itself within the tolerance (a line cannot).
      bool closed = curves[i]->kind() != ZcGeCurve3d::kLineSeg && curves[i]->endPoint().distanceTo(head) <= joinTol;
      while (!closed) {
        ZcGePoint3d tail = parts.back()->endPoint();
        bool grown = false;
        for (size_t j = 0; j < curves.size() && !grown; ++j) {
          if (taken[j] || !curves[j] || curves[j]->isClosed() || curves[j]->isDegenerate()) continue;
          bool fwd = curves[j]->startPoint().distanceTo(tail) <= joinTol;
          bool back = !fwd && curves[j]->endPoint().distanceTo(tail) <= joinTol;
          if (!fwd && !back) continue;
          std::unique_ptr<ZcGeCurve3d> c = curves[j]->copy();
          if (back) c->reverse();
          parts.push_back(std::move(c));
          taken[j] = true;
          chain.push_back(j);
          grown = true;
        }
        if (!grown) break;
        closed = parts.back()->endPoint().distanceTo(head) <= joinTol;
      }
      if (!closed) continue;
      for (size_t j : chain) used[j] = true;
      for (const auto& c : parts) appendEdges(*c, loop);
    }
    if (loop.empty()) continue;
    ZcGeRegion region;
    Face face;
    face.push_back(std::move(loop));
    region.faces_.push_back(std::move(face));
    regions.push_back(std::move(region));
  }
  return regions.size() > before ? Zcad::eOk : Zcad::eNonCoplanarGeometry;
}

ErrorStatus ZcGeRegion::unite(ZcGeRegion& other) {
  if (other.isEmpty()) return Zcad::eOk;
  if (isEmpty()) { std::swap(faces_, other.faces_); return Zcad::eOk; }
  std::vector<Face> result;
  try {
    TopoDS_Shape shape;
    bool first = true;
    for (const std::vector<Face>* faces : {&faces_, &other.faces_})
      for (const Face& f : *faces) {
        TopoDS_Shape s = toShape(f);
        if (first) { shape = s; first = false; continue; }
        BRepAlgoAPI_Fuse fuse(shape, s);
        if (!fuse.IsDone()) return Zcad::eInvalidInput;
        shape = fuse.Shape();
      }
    // Shared edges vanish and edges on one line or circle merge.
    ShapeUpgrade_UnifySameDomain unify(shape, Standard_True, Standard_True, Standard_False);
    unify.Build();
    shape = unify.Shape();
    for (TopExp_Explorer fx(shape, TopAbs_FACE); fx.More(); fx.Next()) {
      TopoDS_Face face = TopoDS::Face(fx.Current());
      TopoDS_Wire outer = BRepTools::OuterWire(face);
      Face out;
      out.push_back(fromWire(outer, face));
      for (TopExp_Explorer wx(face, TopAbs_WIRE); wx.More(); wx.Next())
        if (!wx.Current().IsSame(outer)) out.push_back(fromWire(TopoDS::Wire(wx.Current()), face));
      result.push_back(std::move(out));
    }
  } catch (const Standard_Failure&) {
    return Zcad::eInvalidInput;
  }
  if (result.empty()) return Zcad::eInvalidInput;
  faces_ = std::move(result);
  other.faces_.clear();
  return Zcad::eOk;
}

double ZcGeRegion::area() const {
  double sum = 0.0;
  for (const Face& f : faces_)
    for (size_t i = 0; i < f.size(); ++i) sum += (i == 0 ? 1.0 : -1.0) * std::fabs(loopArea(f[i]));
  return sum;
}

ErrorStatus ZcGeRegion::getArea(double& a) const {
  a = area();
  return Zcad::eOk;
}

ErrorStatus ZcGeRegion::explode(ZcGeCurve3dArray& curves) const {
  for (const Face& f : faces_)
    for (const Loop& l : f)
      for (const auto& c : l) curves.push_back(c->copy());
  return Zcad::eOk;
}

ErrorStatus ZcGeRegion::transformBy(const ZcGeMatrix3d& m) {
  ZcGeRegion moved(*this);
  for (Face& f : moved.faces_)
    for (Loop& l : f)
      for (auto& c : l)
        if (ErrorStatus es = c->transformBy(m); es != Zcad::eOk) return es;
  *this = std::move(moved);
  return Zcad::eOk;
}

ErrorStatus ZcGeRegion::getGeomExtents(ZcGePoint3d& minPoint, ZcGePoint3d& maxPoint) const {
  bool any = false;
  for (const Face& f : faces_)
    for (const Loop& l : f)
      for (const auto& c : l) {
        ZcGePoint3d lo, hi;
        c->getGeomExtents(lo, hi);
        if (!any) { minPoint = lo; maxPoint = hi; any = true; }
        ge::growBox(minPoint, maxPoint, lo);
        ge::growBox(minPoint, maxPoint, hi);
      }
  return any ? Zcad::eOk : Zcad::eInvalidExtents;
}

namespace {
/// Whether `p` lies within `tol` of the curve `c` in the XY plane of its start.
bool nearEdge(const ZcGeCurve3d& c, const ZcGePoint2d& p, double tol) {
  ZcGePoint3d q(p.x, p.y, c.startPoint().z);
  if (c.kind() == ZcGeCurve3d::kNurbCurve && !ge::nearSpans(static_cast<const ZcGeNurbCurve3d&>(c).impl().spans, q, tol))
    return false;  // nowhere near: spare the projection
  return c.evalPoint(c.closestParam(q)).distanceTo(q) <= tol;
}
}  // namespace

ZcGeRegion::PointContainment ZcGeRegion::containment(const ZcGePoint3d& point, double tol) const {
  ZcGePoint2d p(point.x, point.y);
  for (const Face& f : faces_)
    for (const Loop& l : f)
      for (const auto& c : l)
        if (nearEdge(*c, p, tol)) return kOnBoundary;
  for (const Face& f : faces_) {
    if (ge::winding(f.front(), p) == 0) continue;
    if (std::none_of(f.begin() + 1, f.end(), [&](const Loop& hole) { return ge::winding(hole, p) != 0; })) return kInside;
  }
  return kOutside;
}

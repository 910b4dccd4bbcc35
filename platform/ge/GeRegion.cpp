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
#include "ge/ZcGeBulgePolyline3d.h"
#include "ge/ZcGeCircArc3d.h"
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

/// ∮ (x dy − y dx) / 2 along one curve: closed forms for lines and XY arcs, quadrature otherwise.
double greenTerm(const ZcGeCurve3d& c) {
  switch (c.kind()) {
    case ZcGeCurve3d::kLineSeg: {
      ZcGePoint3d a = c.startPoint(), b = c.endPoint();
      return 0.5 * (a.x * b.y - b.x * a.y);
    }
    case ZcGeCurve3d::kCircArc: {
      const auto& arc = static_cast<const ZcGeCircArc3d&>(c);
      ZcGeVector3d n = arc.normal();
      if (std::fabs(std::fabs(n.z) - 1.0) > 1e-12) break;
      ZcGePoint3d ctr = arc.center();
      ZcGeVector3d v = arc.startPoint() - ctr;
      double r = arc.radius(), a0 = std::atan2(v.y, v.x), a1 = a0 + (n.z > 0 ? 1.0 : -1.0) * arc.sweep();
      return 0.5 * (r * ctr.x * (std::sin(a1) - std::sin(a0)) - r * ctr.y * (std::cos(a1) - std::cos(a0)) +
                    r * r * (a1 - a0));
    }
    case ZcGeCurve3d::kBulgePolyline: {
      const auto& pl = static_cast<const ZcGeBulgePolyline3d&>(c);
      double sum = 0.0;
      for (unsigned i = 0; i < pl.numSegments(); ++i) sum += greenTerm(*pl.segmentCurve(i));
      return sum;
    }
    default:
      break;
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
  double sum = 0.0;
  for (const ZcGeCurve3d* c : loop) sum += greenTerm(*c);
  return sum;
}

ErrorStatus ZcGeRegion::fromLoop(Loop loop, ZcGeRegion& region) {
  if (loop.empty()) return Zcad::eInvalidInput;
  for (size_t i = 0; i < loop.size(); ++i) {
    const ZcGeCurve3d& next = *loop[(i + 1) % loop.size()];
    if (loop[i]->endPoint().distanceTo(next.startPoint()) > ZcGeCurve3d::kOnCurveTol) return Zcad::eInvalidInput;
  }
  region.faces_.clear();
  Face face;
  face.push_back(std::move(loop));
  region.faces_.push_back(std::move(face));
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

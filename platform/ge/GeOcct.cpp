// Conversions between our curves and OpenCASCADE's, and offsets approximated by splines.
#include <GC_MakeArcOfCircle.hxx>
#include <GeomConvert.hxx>
#include <GeomConvert_ApproxCurve.hxx>
#include <Geom_Circle.hxx>
#include <Geom_Ellipse.hxx>
#include <Geom_Line.hxx>
#include <Geom_OffsetCurve.hxx>
#include <Geom_TrimmedCurve.hxx>
#include <Standard_Failure.hxx>
#include <TColStd_Array1OfInteger.hxx>
#include <TColStd_Array1OfReal.hxx>
#include <TColgp_Array1OfPnt.hxx>

#include "ge/GeInternal.h"
#include "ge/GeOcct.h"
#include "ge/ZcGeBulgePolyline3d.h"
#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeEllipArc3d.h"
#include "ge/ZcGeLineSeg3d.h"

using Zcad::ErrorStatus;

namespace {
gp_Dir dir(const ZcGeVector3d& v) { return gp_Dir(v.x, v.y, v.z); }
}  // namespace

namespace ge {

Handle(Geom_Curve) toOcct(const ZcGeCurve3d& c, double& shift) {
  shift = 0.0;
  switch (c.kind()) {
    case ZcGeCurve3d::kLineSeg: {
      ZcGeVector3d d = static_cast<const ZcGeLineSeg3d&>(c).direction();
      if (d.isZeroLength()) d = ZcGeVector3d::kXAxis;
      return new Geom_Line(toPnt(c.startPoint()), dir(d));
    }
    case ZcGeCurve3d::kCircArc: {
      const auto& a = static_cast<const ZcGeCircArc3d&>(c);
      shift = a.startAngle();
      return new Geom_Circle(gp_Ax2(toPnt(a.center()), dir(a.normal()), dir(a.refVec())), a.radius());
    }
    case ZcGeCurve3d::kEllipArc: {
      const auto& e = static_cast<const ZcGeEllipArc3d&>(c);
      shift = e.startAngle();
      return new Geom_Ellipse(gp_Ax2(toPnt(e.center()), dir(e.normal()), dir(e.majorAxis())), e.majorRadius(),
                              e.minorRadius());
    }
    case ZcGeCurve3d::kNurbCurve:
      return Handle(Geom_Curve)(static_cast<const ZcGeNurbCurve3d&>(c).impl().curve);
    case ZcGeCurve3d::kBulgePolyline:
      break;
  }
  return nullptr;
}

std::unique_ptr<ZcGeNurbCurve3d> splineFromOcct(const Handle(Geom_BSplineCurve)& c) {
  std::vector<double> knots;
  std::vector<ZcGePoint3d> poles;
  std::vector<double> weights;
  TColStd_Array1OfReal flat(1, c->NbPoles() + c->Degree() + 1);
  c->KnotSequence(flat);
  for (int i = flat.Lower(); i <= flat.Upper(); ++i) knots.push_back(flat(i));
  for (int i = 1; i <= c->NbPoles(); ++i) {
    poles.push_back(fromPnt(c->Pole(i)));
    if (c->IsRational()) weights.push_back(c->Weight(i));
  }
  return std::make_unique<ZcGeNurbCurve3d>(c->Degree(), knots, poles, weights);
}

std::unique_ptr<ZcGeCurve3d> fromOcct(const Handle(Geom_Curve)& curve, double first, double last) {
  Handle(Geom_Curve) c = curve;
  while (auto t = Handle(Geom_TrimmedCurve)::DownCast(c)) c = t->BasisCurve();
  if (auto line = Handle(Geom_Line)::DownCast(c))
    return std::make_unique<ZcGeLineSeg3d>(fromPnt(line->Value(first)), fromPnt(line->Value(last)));
  if (auto circ = Handle(Geom_Circle)::DownCast(c)) {
    gp_Ax2 ax = circ->Position();
    return std::make_unique<ZcGeCircArc3d>(fromPnt(ax.Location()), fromVec(ax.Direction().XYZ()),
                                           fromVec(ax.XDirection().XYZ()), circ->Radius(), first, last);
  }
  if (auto ell = Handle(Geom_Ellipse)::DownCast(c)) {
    gp_Ax2 ax = ell->Position();
    return std::make_unique<ZcGeEllipArc3d>(fromPnt(ax.Location()), fromVec(ax.Direction().XYZ()),
                                            fromVec(ax.XDirection().XYZ()) * ell->MajorRadius(),
                                            ell->MinorRadius() / ell->MajorRadius(), first, last);
  }
  Handle(Geom_BSplineCurve) bs = Handle(Geom_BSplineCurve)::DownCast(c);
  try {
    if (bs.IsNull()) bs = GeomConvert::CurveToBSplineCurve(new Geom_TrimmedCurve(c, first, last));
    else if (first > bs->FirstParameter() || last < bs->LastParameter()) {
      bs = Handle(Geom_BSplineCurve)::DownCast(bs->Copy());
      bs->Segment(first, last);
    }
  } catch (const Standard_Failure&) {
    return nullptr;
  }
  return bs.IsNull() ? nullptr : splineFromOcct(bs);
}

ErrorStatus offsetBySpline(const ZcGeCurve3d& base, const Handle(Geom_Curve)& c, double shift, double dist,
                           ZcGeCurve3dArray& out) {
  if (c.IsNull() || base.isDegenerate()) return Zcad::eInvalidInput;
  ZcGePoint3d origin;
  ZcGeVector3d n;
  if (base.getPlane(origin, n) != Zcad::eOk) return Zcad::eInvalidInput;
  if (dist == 0.0) { out.push_back(base.copy()); return Zcad::eOk; }
  double end = base.endParam();
  Handle(Geom_BSplineCurve) result;
  try {
    Handle(Geom_Curve) trimmed = new Geom_TrimmedCurve(c, shift, shift + end);
    Handle(Geom_OffsetCurve) off = new Geom_OffsetCurve(trimmed, dist, dir(n));
    GeomConvert_ApproxCurve approx(off, 1e-7, GeomAbs_C2, 400, 9);
    if (!approx.HasResult()) return Zcad::eInvalidInput;
    result = approx.Curve();
  } catch (const Standard_Failure&) {
    return Zcad::eInvalidInput;
  }
  // Make the ends exact: the base ends moved along their normals, tangents parallel to the base.
  auto exactEnd = [&](double t, int pole, int inner) {
    ZcGeVector3d tan = base.evalDeriv(t).normal();
    ZcGePoint3d p = base.evalPoint(t) + tan.crossProduct(n).normal() * dist;
    gp_Pnt oldEnd = result->Pole(pole), oldInner = result->Pole(inner);
    double reach = oldEnd.Distance(oldInner);
    result->SetPole(pole, toPnt(p));
    result->SetPole(inner, toPnt(p + tan * (pole == 1 ? reach : -reach)));
    (void)oldEnd;
  };
  if (result->NbPoles() >= 4) {
    exactEnd(0.0, 1, 2);
    exactEnd(end, result->NbPoles(), result->NbPoles() - 1);
  }
  std::unique_ptr<ZcGeNurbCurve3d> spline = splineFromOcct(result);
  if (!spline || spline->endParam() <= 0.0) return Zcad::eInvalidInput;
  out.push_back(std::move(spline));
  return Zcad::eOk;
}

}  // namespace ge

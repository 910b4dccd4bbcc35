// Conversions between our curves and OpenCASCADE's (region booleans, benchmarks).
#include <GC_MakeArcOfCircle.hxx>
#include <GeomConvert.hxx>
#include <Geom_Circle.hxx>
#include <Geom_Ellipse.hxx>
#include <Geom_Line.hxx>
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

}  // namespace ge

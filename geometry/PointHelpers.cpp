// Point and vector helpers. The line distance is taken from the cross product, exact at
// any scale; the foot of a perpendicular is the projection onto the line.
#include "geometry/PointHelpers.h"

#include <cmath>

#include "ed/ErrorStatus.h"
#include "ed/UserInput.h"
#include "framework/CommandSequences.h"
#include "ge/GeUtil.h"

ZcGePoint3d PointPlusVector(const ZcGePoint3d& point, const ZcGeVector3d& vector) {
  return ZcGePoint3d(point.x + vector.x, point.y + vector.y, point.z + vector.z);
}

ZcGeVector3d PointDifference(const ZcGePoint3d& p, const ZcGePoint3d& q) {
  return ZcGeVector3d(p.x - q.x, p.y - q.y, p.z - q.z);
}

ZcGePoint3d WcsToUcs(const ZcGePoint3d& point) { return WorldToUser(point); }

ZcGePoint3d UcsToWcs(const ZcGePoint3d& point) { return UserToWorld(point); }

int GetPointFromUser(const CString& prompt, const ZcGePoint3d* base, ZcGePoint3d& point) {
  CString text = L"\n" + prompt + L": ";
  ads_point answer = {0, 0, 0};
  int rc;
  if (base) {
    ZcGePoint3d b = WcsToUcs(*base);
    ads_point from = {b.x, b.y, b.z};
    rc = zcedGetPoint(from, text, answer);
  } else {
    rc = zcedGetPoint(nullptr, text, answer);
  }
  if (rc != RTNORM) return RTERROR;
  point = UcsToWcs(ZcGePoint3d(answer[0], answer[1], answer[2]));
  return RTNORM;
}

double DistancePointToLine(const ZcGePoint3d& p, const ZcGePoint3d& a, const ZcGePoint3d& b) {
  ZcGeVector3d ab = b - a, ap = p - a;
  double c = ab.length();
  if (c == 0.0) return ap.length();
  double h = ab.crossProduct(ap).length() / c;
  return h < 1e-9 ? 0.0 : h;
}

ZcGePoint3d PerpendicularFoot(const ZcGePoint3d& p, const ZcGePoint3d& a, const ZcGePoint3d& b) {
  if (a == b) return a;
  if (DistancePointToLine(p, a, b) <= 1e-7) return p;
  ZcGeVector3d u = (b - a) * (1.0 / (b - a).length());
  return a + u * (p - a).dotProduct(u);
}

ZcGePoint3d PointAtDistanceTowards(const ZcGePoint3d& a, const ZcGePoint3d& b, double x) {
  ZcGeVector3d d = b - a;
  double len = d.length();
  if (x == 0.0 || len == 0.0) return a;
  return a + d * (x / len);
}

double AngleInXYPlane(const ZcGePoint3d& from, const ZcGePoint3d& to) {
  return zcutAngle(ZcGePoint3d(from.x, from.y, 0.0), ZcGePoint3d(to.x, to.y, 0.0));
}

ZcGePoint3d PolarPoint(const ZcGePoint3d& point, double angle, double distance) {
  return ZcGePoint3d(point.x + distance * std::cos(angle), point.y + distance * std::sin(angle), point.z);
}

// The curve wrapper: a handle on one curve of the drawing through which pattern code
// measures, splits, offsets, extends and converts curves. Used by the curve pairs, chains,
// stretchers, the spline wrapper and the construction commands.
#ifndef GEOMETRY_UI_CURVE_H
#define GEOMETRY_UI_CURVE_H

#include "db/ZcDbCurve.h"
#include "mfc/CString.h"

/// Holds one curve closed, as the entity wrapper does: queries read the held object (the
/// database keeps a closed object readable), changes open it for write by its id and close
/// it again on every path. A point entity held here counts as a curve of length 0 at its
/// position. Statuses: 0 success, 374 no curve held, 337 the offset lies on the wrong side,
/// 380 no offset curve, 34 a curve kind that has no polyline copy; host statuses otherwise.
class UI_Curve {
public:
  UI_Curve() = default;
  explicit UI_Curve(ZcDbObjectId id) { Attach(id); }

  /// Holds the id's object when it is a curve (or a point entity); otherwise the wrapper
  /// is unchanged and false is returned.
  bool Attach(ZcDbObjectId id);
  /// Asks the user to pick a curve, again after a pick of nothing or of no curve, until one
  /// is picked: true with it held; false on cancel or Enter, or when the pick does not open.
  bool PickCurve(const CString& prompt);

  ZcDbEntity* Entity() const { return m_entity; }
  /// The held curve; null without one or for a point entity.
  ZcDbCurve* Curve() const;
  ZcDbObjectId Id() const { return m_entity ? m_entity->objectId() : ZcDbObjectId(); }
  int Status() const { return m_status; }

  /// The length along the curve: a circle 2πr, a whole ellipse π(1.5(a + b) − √(ab)), any
  /// other curve (closed and periodic ones included) the distance at its end parameter; a
  /// point 0; -1.0 without curve or when the host cannot measure it.
  double GetLength();
  /// The distance from P to the curve; -1.0 when the closest point cannot be found.
  double DistanceToPoint(const ZcGePoint3d& p);
  /// The curve's closest point to P, not extended (a point entity: its position); 374
  /// without curve.
  int GetClosestPoint(const ZcGePoint3d& p, ZcGePoint3d& closest);
  /// The closest point and the perpendicular of the first derivative there (zero for a
  /// point entity).
  int GetClosestPointAndNormal(const ZcGePoint3d& p, ZcGePoint3d& closest, ZcGeVector3d& normal);
  /// The arc length from the start to the curve's point closest to P; -1.0 without curve
  /// or on failure (printed).
  double DistanceAlongCurveToPoint(const ZcGePoint3d& p);
  /// The point at distance x along the curve, where x beyond L − 1 (L the length) reads
  /// L − 0.01: on a curve of length 100, 99.5 => the point at 99.99, 99 => at 99. 374
  /// without curve; the host's refusal of a negative x.
  int PointAtDistanceOnCurve(double x, ZcGePoint3d& point);
  /// Offsets the curve by sign × d and keeps the offsets when the first lies on the side
  /// asked: for d > 0 nearer to `reference` than the curve, for d < 0 farther. Kept
  /// offsets go into model space (their ids appended to `ids`), 0; otherwise they are
  /// deleted: 337 on the wrong side (also for d = 0), 380 when the host made none or the
  /// first is not a curve; 374 without curve.
  int OffsetTowardsPoint(double d, ZcDbObjectIdArray& ids, const ZcGePoint3d& reference, int sign);
  /// Splits the curve at its point closest to P into pieces appended to model space (ids
  /// appended to `ids`, and to the curve's group when it has one); the curve itself stays.
  /// Nothing (0) when that point lies within 1e-6 of an end. A failing split is printed,
  /// colours the curve 123 and is returned.
  int SplitAtPoint(const ZcGePoint3d& p, ZcDbObjectIdArray& ids);
  /// SplitAtPoint, then with two pieces the shorter is erased (equal lengths keep the
  /// first); the wrapper then holds the remaining piece (with one piece, that one). The
  /// curve before the split is left to the caller.
  int SplitKeepLonger(const ZcGePoint3d& p);
  /// Extends the curve to P on its natural extension: at the end when P's distance along
  /// the curve equals its length within 1e-7, else at the start. The host's status.
  int ExtendToPoint(const ZcGePoint3d& p);
  /// Erases the curve; 374 without curve.
  int Erase();
  int Highlight(bool on);
  /// Makes the curve invisible; 374 without curve.
  int Hide();
  /// The crossing, nearest to `point`, of the curve with the line through `point` along
  /// `direction` (the line extended, the curve not); 551 when there is none, 3 for a zero
  /// direction, 374 without curve.
  int NearestIntersectionWithLine(const ZcGePoint3d& point, const ZcGeVector3d& direction, ZcGePoint3d& crossing);
  /// The start point when strictly nearer to P than the end point, else the end point.
  ZcGePoint3d GetNearerEndPoint(const ZcGePoint3d& p);
  /// The smallest of the four distances between this curve's and the other curve's ends;
  /// -1.0 when either is missing.
  double EndPointGap(ZcDbObjectId other);
  /// A new lightweight polyline in model space with the curve's geometry and properties:
  /// a polyline is copied; a line gives two vertices; an arc its start with bulge
  /// tan(sweep / 4) (negative for an arc about −Z) and its end; a circle (c − r, ±1),
  /// (c + r, ±1), closed; a 3-D polyline every vertex. 34 for other kinds, 374 without
  /// curve, the drawer's status ("ZWDrawer::Add" printed) when it cannot be added.
  int AddCurveToPolyline(ZcDbObjectId& polylineId);

  /// The start and end points (a point entity: its position twice); 374 without curve.
  int GetEndPoints(ZcGePoint3d& start, ZcGePoint3d& end);

private:
  /// Runs `change` on the curve opened for write by its id, closed afterwards.
  template <class F>
  int WriteScope(F change);

  int m_status = 0;
  ZcDbEntity* m_entity = nullptr;
};

/// Gives `target` the curve's layer, colour, linetype, linetype scale and line weight, in
/// that order (each with sub-entities); the first failing setter's status, 374 without curve.
int CopyEntityProperties(UI_Curve& curve, ZcDbEntity* target);

template <class F>
int UI_Curve::WriteScope(F change) {
  if (!m_entity) return 374;
  ZcDbEntity* e = nullptr;
  if (int es = zcdbOpenObject(e, m_entity->objectId(), ZcDb::kForWrite)) return es;
  int status = change(e);
  e->close();
  return status;
}

#endif

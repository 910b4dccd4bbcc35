// The measuring tape: from a picked start point along the curve under the cursor (the
// base curve), or straight when no curve is near; the user drags, types a length or
// picks. Used by the measuring, notch and grade-point tools through its observers.
#ifndef CONSTRUCTION_FASTRELLE_MIARKA_H
#define CONSTRUCTION_FASTRELLE_MIARKA_H

#include "construction/Fastrelle_Miarka_Subject.h"
#include "geometry/UI_Curve.h"

/// Start and end point in world coordinates; the end follows the cursor (snapped to the
/// nearest curve) or a typed length. With a base curve, lengths run along it between
/// the curve points closest to start and end; without one, straight.
class Fastrelle_Miarka : public Fastrelle_Miarka_Subject {
public:
  /// Asks for the start point (string 40005): 0, or 180 when none was given. The end
  /// starts at the start, so a length typed before any motion changes nothing.
  int PickStart() override;
  /// The end goes to the cursor, snapped to the nearest curve ("_nea"); the base curve
  /// is chosen again near it; the observers are told. 0.
  int OnDrag() override;
  /// A typed text that starts with a number moves the end that far from the start,
  /// towards where the cursor last put the end ("12,5" reads 12.5); an emptied text puts
  /// the end back where the cursor put it; any other text changes nothing. 0.
  int OnText() override;
  /// With a base curve: the curve point at s(start) ± x, towards the end (sign 0 when
  /// the end sits at the start's distance), x beyond the length clamped as the curve
  /// wrapper does. Without: x from the start towards the end. The curve's status.
  int PointAtDistance(double distance, ZcGePoint3d& point) override;
  /// The unit normal at the point x along (see UnitNormalAt); the straight normal
  /// without base curve or when that point cannot be found.
  ZcGeVector3d NormalAtDistance(double distance) override;
  /// The base curve's point closest to the end ("_BaseCurve is not initialized yet" and
  /// the raw end when the curve cannot be measured); the end without base curve.
  ZcGePoint3d EndPoint() override;
  ZcGeVector3d NormalAtEnd() override;
  /// |s(end) − s(start)| along the base curve; the straight distance without one.
  double GetLength() override;
  /// The unit normal of the base curve at P, turned to the side of the curve where the
  /// cursor is; the straight normal (perpendicular of start − end) without base curve.
  virtual ZcGeVector3d UnitNormalAt(const ZcGePoint3d& p);
  /// The base curve's id; null without one.
  virtual ZcDbObjectId GetBaseCurveId();

  /// Takes the curve as the base curve and moves the start onto it (its point closest to
  /// the old start); the observers are told again (NotifyBegin). Anything but a curve
  /// changes nothing (false).
  bool SetBaseCurve(ZcDbObjectId id);
  void SetStartPoint(const ZcGePoint3d& p) { m_start = m_end = m_cursorEnd = p; }
  const ZcGePoint3d& StartPoint() const { return m_start; }
  const ZcGePoint3d& RawEndPoint() const { return m_end; }

protected:
  /// Picks the base curve among the curves crossing the square of half side 10 around
  /// the end: the nearest one (the current one stays when none is near).
  void ChooseBaseCurve();
  /// The point x from the start towards `towards` (along the base curve when there is one).
  int PointTowards(double x, const ZcGePoint3d& towards, ZcGePoint3d& point);
  ZcGeVector3d StraightNormal() const;

  ZcGePoint3d m_start;
  ZcGePoint3d m_end;
  ZcGePoint3d m_cursorEnd;  // where the last motion put the end: the direction of typed lengths
  UI_Curve m_baseCurve;
};

#endif

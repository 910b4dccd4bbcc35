// The stretcher that dispatches on the entity's class: lines, block references,
// lightweight and 2-D polylines, arcs and splines. Curve chains stretch curve ends with it;
// the grade-point move stretches every seam through the moved point with it.
#ifndef GEOMETRY_STRETCHBYDATABASE_H
#define GEOMETRY_STRETCHBYDATABASE_H

#include "geometry/Stretch.h"

class ArcCalculator;

/// Owns its arc calculator and spline stretcher (made on first need: a plain
/// ArcCalculator and a SplineStretcher; a user may install others before Apply).
/// Statuses: 0, 1 an entity class it does not handle, 374 no entity, host statuses.
class StretchByDataBase : public Stretch {
public:
  StretchByDataBase() = default;
  StretchByDataBase(const StretchByDataBase&) = delete;
  StretchByDataBase& operator=(const StretchByDataBase&) = delete;
  ~StretchByDataBase() override;

  /// Opens the id (its failure returned), then by class, in this order: line, block
  /// reference, lightweight polyline, arc, spline, sequence end (0, ignored), 2-D polyline.
  /// Any other class: "StretchByDataBase::stretch" and status 1 printed, 1.
  int stretch(ZcDbObjectId id) override;

  /// Takes ownership (the previous one is deleted).
  void SetArcCalculator(ArcCalculator* calculator);
  void SetSplineStretcher(Stretch* stretcher);
  ArcCalculator* GetArcCalculator() const { return m_arcCalculator; }

  /// The near end of a line (the start when both are near).
  virtual int StretchLine(ZcDbObjectId id);
  /// Every near vertex (2-D move: elevation and bulges kept); single failures are skipped.
  virtual int StretchPolyline(ZcDbObjectId id);
  /// Every near vertex, through the polyline's vertex objects.
  virtual int Stretch2dPolyline(ZcDbObjectId id);
  /// The whole reference with its attributes, by the full move wherever it stands.
  virtual int StretchBlockReference(ZcDbObjectId id);
  /// The end nearer to `from` (the start on ties) when it is near: the arc is rebuilt on
  /// the circle through the moved end, the other end and the calculator's mid point, and
  /// runs from the angle of its new start to that of its new end. Unchanged (0) when
  /// neither end is near. A failed computation: "StretchByDataBase::stretch" and its
  /// status printed and returned.
  virtual int StretchArc(ZcDbObjectId id);
  /// Through the spline stretcher, given `from` and `to`.
  virtual int StretchSpline(ZcDbObjectId id);

protected:
  /// 0 for an id that opens as a handled class; the open's failure; 1 (printed) otherwise.
  int CheckId(ZcDbObjectId id) override;

private:
  ArcCalculator* m_arcCalculator = nullptr;
  Stretch* m_splineStretcher = nullptr;
};

#endif

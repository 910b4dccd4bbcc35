// The spline wrapper: control points, fit points and end tangents of one spline, the
// removal of the control point nearest to a pick, and moving an end vertex through the
// host's own spline editing. Used by the spline stretchers and the curve pairs.
#ifndef GEOMETRY_UI_SPLINE_H
#define GEOMETRY_UI_SPLINE_H

#include <functional>

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"

class ZcDbSpline;

/// Holds a spline's id (null when made from anything else) and nothing open: every
/// operation opens the spline and closes it again. Statuses: 0, 20 not a spline, 374 no
/// spline or it cannot be opened, 130 no control points; host statuses otherwise.
class UI_Spline {
public:
  explicit UI_Spline(ZcDbObjectId id);
  virtual ~UI_Spline() = default;

  ZcDbObjectId Id() const { return m_id; }
  /// Appends the control points in order.
  int GetControlPoints(ZcGePoint3dArray& points);
  /// Appends the fit points in order (none for a spline without fit data).
  int GetFitPoints(ZcGePoint3dArray& points);
  int SetControlPointAt(int index, const ZcGePoint3d& point);
  int SetFitPointAt(int index, const ZcGePoint3d& point);
  /// The first derivatives at the start and end parameters; the status of reading the end
  /// parameter.
  int GetEndTangents(ZcGeVector3d& start, ZcGeVector3d& end);
  /// Stores the fit tangents (a spline without fit data keeps its shape).
  int SetEndTangents(const ZcGeVector3d& start, const ZcGeVector3d& end);
  /// Removes the control point nearest to `point` and one knot (index i + 4 for control
  /// point i < 3, else i); nothing is written when that knot does not exist (0). The
  /// host's refusal of the new data (a rational spline's weights) leaves it unchanged.
  int DeleteNearestControlPoint(const ZcGePoint3d& point);
  /// Moves the end nearer to `target` onto it with "_SPLINEDIT" (object snaps off
  /// meanwhile), then regenerates; 0, or 374 without spline.
  int MoveEndVertex(const ZcGePoint3d& target);

private:
  template <class F>
  int Write(F change);
  int Read(const std::function<int(const ZcDbSpline*)>& fn);

  ZcDbObjectId m_id;
};

#endif

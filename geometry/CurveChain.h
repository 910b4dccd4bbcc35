// Puts the curves picked for an outline into a closed chain and closes the gaps between
// neighbours: overshooting ends are trimmed to their crossing, ends apart get a joining
// line. Making a region from curves runs it first.
#ifndef GEOMETRY_CURVECHAIN_H
#define GEOMETRY_CURVECHAIN_H

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"

class CurveChain {
public:
  /// Orders the curves by nearest ends starting from ids[0]; the result runs in reverse
  /// visiting order (ids[0] last). The ids are then rebuilt in that order with each gap
  /// wider than 1e-8 closed, including the one from the last curve back to the first
  /// (for two curves, between the ends the first join left): a joining line between the
  /// nearest ends (standing right after the first of the two) when the curves neither
  /// cross nor touch, else both stretched to their first crossing (coloured 3). A curve
  /// that no longer opens stands as a null id. An empty array stays empty.
  void Order(ZcDbObjectIdArray& ids);

  ZcDbObjectIdArray m_remaining, m_ordered;

private:
  void AddNext(ZcDbObjectId id);
  /// Closes the gap between P's end `pEnd` and Q's end `qEnd` (0 start, 1 end), appending
  /// a joining line's id to `out`.
  void CloseGap(ZcDbObjectId p, ZcDbObjectId q, int pEnd, int qEnd, ZcDbObjectIdArray& out);
};

/// The nearest pair of ends of P and Q: pEnd, qEnd (0 start, 1 end) and their distance;
/// ties go to the first of start-start, start-end, end-start, end-end. False when either
/// does not open as a curve.
bool NearestEnds(ZcDbObjectId p, ZcDbObjectId q, int& pEnd, int& qEnd, double& gap);

/// When T's foot on the curve is not at an end (parameter within 1e-6 of 0 or of the end
/// parameter), moves the end on T's side of half the end parameter to T by a stretch and
/// colours the curve 3; the stretch's status.
int StretchCurveEndToPoint(ZcDbObjectId id, const ZcGePoint3d& t);

#endif

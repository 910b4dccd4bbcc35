// Whether pieces being moved one step now overlap something: the overlap test of the
// piece movers. A pair counts only where outlines really cross, never by boxes alone.
#ifndef LAYOUT_LAYOUT_MOVE_INTERSECTION_H
#define LAYOUT_LAYOUT_MOVE_INTERSECTION_H

#include "ge/ZcGeVector3d.h"
#include "geometry/Intersections.h"

/// The subjects are the moved items; each item's partners are the entities crossing its
/// box, the other moved items left out (they move together and cannot block each other).
/// CheckPair (item a after the step, partner b):
///   1. boxes that share no point in XY (ExtentsOverlap2d): no overlap;
///   2. outlines that do not cross now: no overlap;
///   3. outlines that did not cross before the step either (a put back by the step): the
///      step made them cross, an overlap;
///   4. outlines that already crossed before the step (pieces laid overlapping): an
///      overlap only when the step goes deeper, by the edge the move leads with: moving
///      left, a's left edge within b's X span; down, a's bottom within b's Y span; up, a's
///      top within b's Y span; right, always.
class Layout_Move_Intersection : public IntersectionsDefault {
public:
  /// `items` move together by `step` (direction × step length).
  Layout_Move_Intersection(const ZcDbObjectIdArray& items, const ZcGeVector3d& step);
  /// CheckPair with each partner of the item; true when one overlaps.
  bool CheckEntity(ZcDbObjectId id) override;
  /// Starts from no points; true at the first item with an overlapping partner.
  bool HasAny() override;
  /// CheckEntity for every item; 0.
  int CheckAll() override;
  /// The rules above; the crossing points of an overlapping pair are kept.
  virtual bool CheckPair(ZcDbObjectId a, ZcDbObjectId b);
  /// The step just made (direction × length).
  virtual void SetDirection(const ZcGeVector3d& step);

  /// How many pairs had their outlines intersected (for the benchmark's report).
  int IntersectionCalls() const { return m_intersectionCalls; }

private:
  ZcGeVector3d m_step;
  int m_intersectionCalls = 0;
};

#endif

// Where the entities of one list cross other entities of the drawing: the abstract search
// and its default, which narrows the partners by a crossing window over each entity's box.
// Used by the layout's overlap check and the piece mover.
#ifndef GEOMETRY_INTERSECTIONS_H
#define GEOMETRY_INTERSECTIONS_H

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"

/// The subjects to test, the ids that never count as partners, the markers drawn for the
/// points found, and the points found so far.
class Intersections {
public:
  virtual bool CheckEntity(ZcDbObjectId id) = 0;
  virtual int MarkIntersectionPoints() = 0;
  virtual ~Intersections() = default;
  /// Whether any subject crosses any partner.
  virtual bool HasAny() = 0;
  virtual int CheckAll() = 0;

  ZcDbObjectIdArray m_subjectIds, m_excludedIds, m_markerIds;
  ZcGePoint3dArray m_points;
};

class IntersectionsDefault : public Intersections {
public:
  /// Collects the entity's partners and appends its crossings with each; true when it had
  /// a partner.
  bool CheckEntity(ZcDbObjectId id) override;
  /// Draws a point entity at each point found, their ids appended to the markers; the
  /// drawing's status.
  int MarkIntersectionPoints() override;
  /// Starts from no points and stops at the first crossing found.
  bool HasAny() override;
  /// CheckEntity for every subject in order; 0.
  int CheckAll() override;

  /// The partners: what a crossing window over the entity's box selects, less the entity
  /// itself and the excluded ids. None when the entity does not open.
  void CollectCandidates(ZcDbObjectId id);
  /// Appends the crossings of the two, neither extended; true when there was one.
  bool AddIntersections(ZcDbObjectId id, ZcDbObjectId other);

  ZcDbObjectIdArray m_candidates;
};

#endif

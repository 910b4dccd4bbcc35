// Leaders the system draws from a label to the part it names.
#ifndef FRAMEWORK_UIS_LEADER_H
#define FRAMEWORK_UIS_LEADER_H

#include "db/ZcDbLeader.h"

/// Takes the arrow size and dimension scale of the drawing (its DIMASZ and DIMSCALE
/// settings) when built.
class UIS_Leader {
public:
  /// Holds the leader of `id` when it is one.
  explicit UIS_Leader(ZcDbObjectId id = ZcDbObjectId());
  virtual ~UIS_Leader() = default;
  /// A leader from `to` (the arrow) to `from` in model space, or the held one reshaped:
  /// 2 when the points are closer than 1e-5. Points off the XY plane are taken as flat.
  int Create(const ZcGePoint3d& from, const ZcGePoint3d& to);
  /// Start point minus end point; the zero vector when the leader cannot be read.
  ZcGeVector3d GetDirection();
  ZcDbLeader* Leader() const { return m_leader; }

private:
  ZcDbLeader* m_leader = nullptr;
  double m_arrowSize = 2.5, m_dimScale = 1.0;
};

#endif

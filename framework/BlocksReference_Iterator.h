// A walk over block references only, with the nearest reference to a point and the block
// names nearest to it. Grade points and symbols are block references.
#ifndef FRAMEWORK_BLOCKSREFERENCE_ITERATOR_H
#define FRAMEWORK_BLOCKSREFERENCE_ITERATOR_H

#include "framework/Iterator.h"
#include "ge/ZcGePoint3d.h"
#include "mfc/CString.h"

class BlocksReference_Iterator : public ZW_Iterator {
public:
  bool IsDone() override { return m_index >= m_ids.length(); }
  /// Appends only the ids that open as block references, in order.
  void SetIds(ZcDbObjectIdArray ids) override;
  /// The reference nearest to `point` (the first of equally near ones; null when there are
  /// none): 16 when an item does not open as a reference.
  int FindNearest(const ZcGePoint3d& point, ZcDbObjectId& nearest);
  /// Removes every item whose block is not `blockName` (Polish order ignoring case), and
  /// every item that no longer opens as a block reference. Nothing for an empty iterator.
  void KeepBlockName(const CString& blockName);
  /// Appends the block names of the references nearest to `point`: those within
  /// `tolerance` of the nearest distance found so far, each name once. 374 when an item
  /// does not open as a reference (nothing appended).
  int GetNearestBlockNames(const ZcGePoint3d& point, CStringArray& names, double tolerance);
};

#endif

// The draw-order table of a block: which of its entities are drawn first (bottom) and last
// (top). Kept in the block record's extension dictionary.
#ifndef PLATFORM_DB_ZCDBSORTENTSTABLE_H
#define PLATFORM_DB_ZCDBSORTENTSTABLE_H

#include <vector>

#include "db/ZcDbObject.h"

/// Without changes the draw order is the record order.
class ZcDbSortentsTable : public ZcDbObject {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbSortentsTable)
  ZcDbObjectId blockId() const { return block_; }
  void setBlockId(ZcDbObjectId id) { block_ = id; }
  /// Draws `ids` first (in their given order), before every other entity.
  Zcad::ErrorStatus moveToBottom(const ZcDbObjectIdArray& ids);
  /// Draws `ids` last (in their given order).
  Zcad::ErrorStatus moveToTop(const ZcDbObjectIdArray& ids);
  /// The block's live entities in draw order.
  Zcad::ErrorStatus getFullDrawOrder(ZcDbObjectIdArray& ids) const;

  ZcDbObject* cloneObject() const override { return nullptr; }
  const char* dxfName() const override { return "SORTENTSTABLE"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

private:
  std::vector<ZcDbObjectId> currentOrder() const;
  ZcDbObjectId block_;
  std::vector<ZcDbObjectId> order_;  // empty: record order
};

#endif

// The attribute definitions of a block, for the property grids built from them.
#ifndef FRAMEWORK_UI_ATTDEFLIST_H
#define FRAMEWORK_UI_ATTDEFLIST_H

#include <vector>

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbText.h"

/// The definitions are held closed (their memory is the database's) in record order.
class UI_AttDefList {
public:
  virtual ~UI_AttDefList() = default;
  /// 20 for no record, 600 for a record without valid id, 130 when it has no attribute
  /// definitions; else the record's close status.
  int LoadFromBlock(ZcDbBlockTableRecord* record);
  const std::vector<ZcDbAttributeDefinition*>& Definitions() const { return m_defs; }

private:
  std::vector<ZcDbAttributeDefinition*> m_defs;
};

#endif

// A part-set description: what the part-set dialog inserts into the drawing, filled in by
// the dialog and placed at one point. PartSetDescriptionDefault is the one kind there is.
#ifndef CONSTRUCTION_PARTSETDESCRIPTION_H
#define CONSTRUCTION_PARTSETDESCRIPTION_H

#include "db/ZcDbObjectId.h"
#include "framework/NameValueList.h"
#include "ge/ZcGePoint3d.h"

/// The values of a set description: the template drawing and the (tag, text) pairs of its
/// attributes, the scale (block scale and text height), the free text, the block record
/// the items go to (null: the current space) and, once inserted, the items' ids in
/// insertion order.
class PartSetDescription {
public:
  virtual ~PartSetDescription() = default;
  /// Inserts the description's items at `point`: 0, or the first failure's status.
  virtual int Insert(const ZcGePoint3d& point) = 0;

  NameValueList m_attributes;
  double m_scale = 1.0;
  CString m_text;
  CString m_templatePath;
  ZcDbObjectId m_owner;
  ZcDbObjectIdArray m_inserted;
  ZcDbObjectId m_descriptionId, m_tableId, m_textId;
};

#endif

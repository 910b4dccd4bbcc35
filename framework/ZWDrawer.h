// The one road by which new entities reach the drawing: model space (or a given block
// record) opened for write, the entity appended. Also the model-space helpers and the
// small drawing functions (MText, points) built on it.
#ifndef FRAMEWORK_ZWDRAWER_H
#define FRAMEWORK_ZWDRAWER_H

#include "db/ZcDbEntity.h"
#include "mfc/CString.h"

class ZcDbBlockTableRecord;

class ZWDrawer {
public:
  /// Appends `entity` to `record` (model space when null; reopened for write by its id
  /// when not write-enabled) and closes the record, also a record the caller gave. A null
  /// entity prints "ZWDrawer::Add" and gives 20; 221 without model space. The entity is
  /// left open for the caller to close; on failure it is not in the drawing and stays
  /// the caller's to delete.
  static int Add(ZcDbEntity* entity, ZcDbBlockTableRecord* record = nullptr);
};

/// "*Model_Space" of the working database, open for write (the caller closes it); null
/// without a database or when the lookup fails.
ZcDbBlockTableRecord* OpenModelSpace();
/// The id of "*Model_Space" of the working database; null without one.
ZcDbObjectId GetModelSpaceId();
/// Appends `entity` to the block record `owner` (model space when null): 20 for no entity,
/// the owner's open failure, 34 when the owner is no block record; else the append's
/// status. The entity is left open for write on success.
int AppendToModelSpace(ZcDbEntity* entity, ZcDbObjectId owner);
/// A new MText in model space with the current settings: 15 when it cannot be made; an
/// add failure is returned and the MText deleted.
int AddMText(const CString& contents, const ZcGePoint3d& location, double height, ZcDbObjectId& id);
/// One point entity per point, in order, their ids appended to `ids`; stops at the first
/// failure (20 / 221 / the append status), points drawn so far stay.
int DrawPoints(const ZcGePoint3dArray& points, ZcDbObjectIdArray& ids);

#endif

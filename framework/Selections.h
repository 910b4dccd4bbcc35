// The system's selections: the user's selection, block references by name, crossing
// boxes, the pick-first set and single entity picks. Each interactive one holds
// "PICKSTYLE" at 0 while the user selects and puts it back on every path. Used by the
// commands that act on what the user chose.
#ifndef FRAMEWORK_SELECTIONS_H
#define FRAMEWORK_SELECTIONS_H

#include "db/ZcDbObjectId.h"
#include "framework/UI_StringArray.h"
#include "ge/ZcGePoint3d.h"
#include "mfc/CString.h"

/// The user's selection (no filter); empty when nothing was chosen or the user cancelled.
ZcDbObjectIdArray SelectEntities();
/// The user's selection of block references of the named blocks: the filter (0 "INSERT"),
/// (-4 "<OR"), (2 name) per name, (-4 "OR>"). No names select nothing.
ZcDbObjectIdArray SelectBlockReferences(const CStringArray& blockNames);
/// The entities crossing the square of half side `d` around the point: corners
/// (x + d, y - d, z) and (x - d, y + d, z).
ZcDbObjectIdArray SelectCrossingAtPoint(const ZcGePoint3d& point, double d);
/// The entities crossing the box of two corners.
ZcDbObjectIdArray SelectCrossing(const ZcGePoint3d& corner1, const ZcGePoint3d& corner2);
/// The pick-first set's ids; empty when there is none. The host's set is freed.
ZcDbObjectIdArray SelectPickFirst();
/// Makes the ids the pick-first set.
void SetPickFirst(ZcDbObjectIdArray ids);
/// Asks for one entity until one is picked (its id), asking again after a pick that found
/// nothing; Enter, a cancel, an exhausted script or any other host answer give the null id.
ZcDbObjectId PickEntity(const CString& prompt);
/// The references of the named block of the working drawing; empty when it has no such
/// block.
ZcDbObjectIdArray GetBlockReferenceIdsByName(const CString& blockName);

#endif

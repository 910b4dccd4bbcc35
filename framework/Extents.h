// Boxes of entities for placement and zooming: the box of a list of ids, growing a box,
// the overlap test of the piece mover, and the closed rectangle of a layout border.
#ifndef FRAMEWORK_EXTENTS_H
#define FRAMEWORK_EXTENTS_H

#include "db/ZcDbExtents.h"
#include "db/ZcDbObjectId.h"

/// Adds the box of every entity of `ids` that opens for read: 374 for an empty list and
/// when no entity could be measured.
int GetExtentsOfIds(ZcDbExtents& extents, const ZcDbObjectIdArray& ids);
/// The box becomes (min - v, max + v).
void InflateExtents(ZcDbExtents& extents, const ZcGeVector3d& v);
/// True when the boxes share a point in XY: their X intervals and their Y intervals both
/// meet, edges included. Boxes crossing like a plus sign overlap.
///   (0,0)-(10,2) and (4,-5)-(6,5) => true;  (0,0)-(1,1) and (1,1)-(2,2) => true
bool ExtentsOverlap2d(const ZcDbExtents& a, const ZcDbExtents& b);
/// A closed polyline through c, c + (w, 0), c + (w, h), c + (0, h) in the block record
/// `owner` (model space when null); `id` is its id.
int CreateRectangle(ZcDbObjectId& id, double width, double height, const ZcGePoint3d& corner,
                    ZcDbObjectId owner = ZcDbObjectId());

#endif

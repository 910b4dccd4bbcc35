// The region holder and the region-from-curves routine: a pattern outline becomes a host
// region when the system needs its area or its inside. Used by the region makers here, the
// quick-form command and the layout pieces.
#ifndef GEOMETRY_UI_REGION_H
#define GEOMETRY_UI_REGION_H

#include "db/ZcDbRegion.h"

/// The entity when its class derives from ZcDbRegion, else null (also for null).
ZcDbRegion* CastToRegion(ZcDbEntity* entity);

/// Holds one region of the drawing by its id. Every operation closes what it opened before
/// it returns; `m_region` keeps the pointer last opened (the database keeps a closed object
/// readable). Statuses: 0 success, 16 the host made no region, 20 an object that should be a
/// region is not, 374 cannot open; host statuses otherwise.
class UI_Region {
public:
  /// Turns the curve entities into regions and puts them into `owner` (a block record) as
  /// one: the first region is appended and held, every further one appended and united into
  /// it. The host's failure is returned unchanged; 16 when it makes no region. A region
  /// that could not be appended is deleted and its failure returned (the first region's
  /// failure at once); a failed union leaves the further region in the drawing beside the
  /// held one and returns its status. 0 when all went in.
  int CreateFromCurves(const ZcDbVoidPtrArray& curves, ZcDbObjectId owner);
  /// Opens the held id: a region is remembered in `m_region` (the caller closes it); any
  /// other object is closed again, the held id nulled, and 20 returned. The open status
  /// otherwise.
  int Open(ZcDb::OpenMode mode);
  /// Unites `other` into the held region and erases it. Without a held region the holder
  /// takes the other's id (when valid). When the union fails both stay as they were and
  /// its status is returned.
  int Unite(UI_Region& other);
  /// Erases the held region; 374 when it cannot be opened.
  int Erase();
  /// Appends a curve per boundary edge of the held region to model space (the region
  /// stays), their ids to `ids`. A piece that cannot be appended is deleted and the first
  /// such failure returned after the rest went in.
  int ExplodeToCurves(ZcDbObjectIdArray& ids);

  ZcDbRegion* m_region = nullptr;
  int m_status = Zcad::eWrongObjectType;
  ZcDbObjectId m_id;
};

/// Orders a copy of `ids` into a closed chain (which may trim curve ends and add joining
/// lines to the drawing), then makes the region of the curves that open, in `owner`, through
/// the holder. 3 when no curve opens; else CreateFromCurves' status. Kept in the holder.
int MakeRegionFromCurves(UI_Region& holder, const ZcDbObjectIdArray& ids, ZcDbObjectId owner);

#endif

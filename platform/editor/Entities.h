// The editor's view of the drawing: the top-level entities of the working database, which
// of them are visible, their paths as kernel curves, and what lies under a picked point.
// Used by selections, object snaps, boundary tracing, zooming and the editing commands.
// Private to the editor.
#ifndef PLATFORM_EDITOR_ENTITIES_H
#define PLATFORM_EDITOR_ENTITIES_H

#include <memory>
#include <vector>

#include "db/SpatialIndex.h"
#include "db/ZcDbObjectId.h"
#include "editor/Filter.h"
#include "ge/ZcGeCurve3d.h"

class ZcDbDatabase;
class ZcDbEntity;

namespace editor {

/// The working database, or null.
ZcDbDatabase* Drawing();
/// The entities of model space that are not erased, in drawing order; with `paperSpace`
/// those of paper space follow.
std::vector<ZcDbObjectId> TopLevelEntities(bool paperSpace = false);
/// The entities of model space that are not erased and whose extents may meet the box, in
/// drawing order: the database's spatial index gives them without looking at the others.
/// A superset of those that lie in or cross the box; callers test each.
std::vector<zcdb::NearEntity> EntitiesNear(const Box& box);
/// A window test decided by the extents the index holds for the entity, where they decide
/// it: 1 in (wholly inside the window, which also crosses it), 0 out (a window test only:
/// not wholly inside), -1 undecided: test the entity's path.
int DecidedByExtents(const zcdb::NearEntity& entity, const Box& box, bool crossing);
/// The box of every entity of model space; false for an empty drawing.
bool ModelBounds(Box& box);
/// True when the entity's layer is on and thawed (and the entity itself visible).
bool IsVisible(const ZcDbEntity* entity);

/// The paths of an entity as kernel curves: one for a curve entity, one per loop for a
/// region; empty for entities without a path (texts, points, references), which the
/// tests below treat by their box.
std::vector<std::unique_ptr<ZcGeCurve3d>> PathsOf(const ZcDbEntity* entity);

/// Whole entity inside the window.
bool EntityInWindow(const ZcDbEntity* entity, const Box& box);
/// Entity inside the window or crossing its edge, on its real path (a block reference's
/// contents and visible attributes, not its box).
bool EntityCrossesWindow(const ZcDbEntity* entity, const Box& box);

/// Half the side of the pick box in drawing units: "PICKBOX" pixels at the current zoom
/// (the view's height spans 900 pixels).
double PickBoxHalfSize();
/// The visible entity of model space under a world point: of those whose path passes
/// through the pick box around it, the one nearest to the point (the last drawn wins a
/// tie, as it lies on top). The null id when the pick misses.
ZcDbObjectId EntityAt(const ZcGePoint3d& wcs);
/// Distance from the point to the entity's path (or box; a reference's nearest content); a
/// large number when unknown.
double DistanceTo(const ZcDbEntity* entity, const ZcGePoint3d& wcs);

}  // namespace editor

#endif

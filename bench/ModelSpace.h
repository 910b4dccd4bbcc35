// Appending entities to a drawing's model space, for the benchmarks that build their
// drawings entity by entity (the parts and grading benchmarks).
#ifndef BENCH_MODELSPACE_H
#define BENCH_MODELSPACE_H

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"

/// Appends the new entity to model space and closes it; its id.
inline ZcDbObjectId Append(ZcDbDatabase* db, ZcDbEntity* entity) {
  ZcDbBlockTableRecord* space = nullptr;
  zcdbOpenObject(space, db->modelSpaceId(), ZcDb::kForWrite);
  ZcDbObjectId id;
  space->appendZcDbEntity(id, entity);
  entity->close();
  space->close();
  return id;
}

#endif

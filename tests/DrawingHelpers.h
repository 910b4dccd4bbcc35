// Small builders of drawing content for the database and drawing-file tests: appending an
// entity to model space or a block, a text result-buffer item, a registered application,
// a table record.
#ifndef TESTS_DRAWINGHELPERS_H
#define TESTS_DRAWINGHELPERS_H

#include <cstdlib>
#include <cwchar>

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbSymbolTable.h"
#include "db/ZcResBuf.h"

/// Appends `e` to `owner` (model space when null) and closes both; the new entity's id.
inline ZcDbObjectId AppendEntity(ZcDbDatabase& db, ZcDbEntity* e, ZcDbObjectId owner = ZcDbObjectId()) {
  ZcDbBlockTableRecord* btr = nullptr;
  zcdbOpenObject(btr, owner.isNull() ? db.modelSpaceId() : owner, ZcDb::kForWrite);
  ZcDbObjectId id;
  btr->appendZcDbEntity(id, e);
  e->close();
  btr->close();
  return id;
}

/// A result-buffer item holding a copy of `s`, linked before `next`.
inline resbuf* TextItem(int code, const wchar_t* s, resbuf* next = nullptr) {
  resbuf* rb = zcutNewRb(code);
  std::size_t n = std::wcslen(s) + 1;
  rb->resval.rstring = static_cast<wchar_t*>(std::malloc(n * sizeof(wchar_t)));
  std::wmemcpy(rb->resval.rstring, s, n);
  rb->rbnext = next;
  return rb;
}

/// Registers application `app` in `db` (nothing when it is there already).
inline void RegisterApp(ZcDbDatabase& db, const wchar_t* app) {
  ZcDbRegAppTable* t = nullptr;
  db.getRegAppTable(t, ZcDb::kForWrite);
  auto* r = new ZcDbRegAppTableRecord;
  r->setName(app);
  if (t->add(r) == Zcad::eOk) r->close();
  else delete r;
  t->close();
}

/// Adds a new `Record` named `name` to the table of `db` that `getTable` opens
/// (&ZcDbDatabase::getLayerTable, ...); the record's id.
template <class Record, class Table>
ZcDbObjectId AddRecord(ZcDbDatabase& db, Zcad::ErrorStatus (ZcDbDatabase::*getTable)(Table*&, ZcDb::OpenMode) const,
                       const wchar_t* name) {
  Table* table = nullptr;
  (db.*getTable)(table, ZcDb::kForWrite);
  auto* record = new Record;
  record->setName(name);
  ZcDbObjectId id;
  table->add(id, record);
  record->close();
  table->close();
  return id;
}

#endif

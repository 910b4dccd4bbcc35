// Block definitions: the block table and its records. "*Model_Space" holds the drawing;
// other records are blocks that references place. Wrappers append every new entity here.
#ifndef PLATFORM_DB_ZCDBBLOCKTABLERECORD_H
#define PLATFORM_DB_ZCDBBLOCKTABLERECORD_H

#include <vector>

#include "db/ZcDbSymbolTable.h"

class ZcDbBlockTableRecordIterator;
class ZcDbSortentsTable;

/// A block definition: an origin and its entities in append order.
class ZcDbBlockTableRecord : public ZcDbSymbolTableRecord {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbBlockTableRecord)
  ZcGePoint3d origin() const { return origin_; }
  Zcad::ErrorStatus setOrigin(const ZcGePoint3d& p);
  /// A block that stands for another drawing (an external reference, read from a file):
  /// its flags (4 external, 8 overlay; 0 for an ordinary block) and that drawing's path.
  int xrefFlags() const { return xrefFlags_; }
  const std::wstring& xrefPath() const { return xrefPath_; }
  Zcad::ErrorStatus setXref(int flags, const std::wstring& path);
  /// Appends a new entity: the record must be resident and open for write (else
  /// eWasNotOpenForWrite / eNotInDatabase); eNullEntityPointer for null, eAlreadyInDb for a
  /// resident entity. The entity becomes resident, owned by the record, open for write
  /// for the caller to close.
  Zcad::ErrorStatus appendZcDbEntity(ZcDbEntity* entity);
  Zcad::ErrorStatus appendZcDbEntity(ZcDbObjectId& id, ZcDbEntity* entity);
  /// An iterator over the live entities in record order (the caller deletes it).
  Zcad::ErrorStatus newIterator(ZcDbBlockTableRecordIterator*& it, bool atBeginning = true,
                                bool skipDeleted = true) const;
  /// The live entities' ids in record order.
  ZcDbObjectIdArray entityIds() const;
  bool hasAttributeDefinitions() const;
  /// The ids of the live references to this block, wherever they lie.
  Zcad::ErrorStatus getBlockReferenceIds(ZcDbObjectIdArray& ids, bool directOnly = true,
                                         bool forceValidity = false) const;
  /// True for the model and paper space records.
  bool isLayout() const;
  bool isAnonymous() const { return !name().empty() && name()[0] == L'*' && !isLayout(); }
  /// The record's draw-order table (kept in its extension dictionary under
  /// "ACAD_SORTENTS"), created when missing and `create` is true; opened in `mode`.
  Zcad::ErrorStatus getSortentsTable(ZcDbSortentsTable*& table, ZcDb::OpenMode mode,
                                     bool create = false);
  /// Erases the record and its entities; eObjectInUse when live references use it or it
  /// is a layout record.
  Zcad::ErrorStatus eraseBlock();

  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "BLOCK_RECORD"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  /// Internal: adds a resident entity to the record (reading files, cloning).
  void adoptEntity(ZcDbObjectId id);
  void forgetEntity(ZcDbObjectId id);
  const std::vector<ZcDbObjectId>& rawEntities() const { return entities_; }

protected:
  const char* recordMarker() const override { return "AcDbBlockTableRecord"; }

private:
  ZcGePoint3d origin_;
  int xrefFlags_ = 0;
  std::wstring xrefPath_;
  std::vector<ZcDbObjectId> entities_;
};

/// Walks a block's entities in record order.
class ZcDbBlockTableRecordIterator {
public:
  explicit ZcDbBlockTableRecordIterator(const ZcDbObjectIdArray& ids) : ids_(ids) {}
  void start(bool atBeginning = true) { index_ = atBeginning ? 0 : ids_.length() - 1; }
  bool done() const { return index_ < 0 || index_ >= ids_.length(); }
  void step(bool forward = true) { index_ += forward ? 1 : -1; }
  Zcad::ErrorStatus getEntityId(ZcDbObjectId& id) const;
  Zcad::ErrorStatus getEntity(ZcDbEntity*& entity, ZcDb::OpenMode mode, bool openErased = false) const;

private:
  ZcDbObjectIdArray ids_;
  int index_ = 0;
};

class ZcDbBlockTable : public ZcDbSymbolTable {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbBlockTable)
  const char* tableName() const override { return "BLOCK_RECORD"; }
  bool accepts(const ZcDbSymbolTableRecord* r) const override;
  ZcDbObject* cloneObject() const override { return nullptr; }
};

#define ZCDB_MODEL_SPACE L"*Model_Space"
#define ZCDB_PAPER_SPACE L"*Paper_Space"

#endif

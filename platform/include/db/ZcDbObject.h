// The base of every database-resident object: identity (id, handle, owner), the open and
// close protocol, erasure, XData of registered applications, persistent reactors (groups)
// and the extension dictionary. Every object class of the database derives from it.
#ifndef PLATFORM_DB_ZCDBOBJECT_H
#define PLATFORM_DB_ZCDBOBJECT_H

#include <memory>
#include <string>
#include <vector>

#include "db/ZcDbObjectId.h"
#include "db/ZcResBuf.h"
#include "rx/ZcRxObject.h"

class ZcDbDxfFiler;
class ZcGeMatrix3d;
struct ZcDbObjectState;
class ZcDbIdTranslator;

namespace ZcDb {
enum OpenMode { kNotOpen = -1, kForRead = 0, kForWrite = 1, kForNotify = 2 };
enum DuplicateRecordCloning {
  kDrcNotApplicable = 0,
  kDrcIgnore = 1,
  kDrcReplace = 2,
  kDrcXrefMangleName = 3,
  kDrcMangleName = 4,
  kDrcUnmangleName = 5
};
}  // namespace ZcDb

/// XData of one object may hold at most this many bytes, counted as a real host does:
/// two bytes per item for its code, plus the value: a string's UTF-8 bytes + 2, 8 for a
/// real or a handle, 24 for a point, 2 / 4 for 16 / 32-bit integers, a chunk's bytes + 1.
constexpr int kZcDbMaxXDataBytes = 16383;

/// A database object. Created with `new` (then "new", not in a database, and writable);
/// made resident by adding it to a database or to an owner (block table record,
/// dictionary, symbol table), after which its memory belongs to the database and lives as
/// long as the database does. Resident objects follow the open protocol:
///   1. closed -> open for read (any number of readers) by zcdbOpenObject(kForRead);
///   2. closed -> open for write by zcdbOpenObject(kForWrite); a second open for write, or
///      an open for read while open for write, fails with eWasOpenForWrite;
///   3. open for read -> open for write by zcdbOpenObject(kForWrite) or upgradeOpen: the
///      object is upgraded in place and one close() closes it;
///   4. close() of an object that is not open returns eWasNotOpen and changes nothing;
///   5. setters of an object that is neither new nor open for write return
///      eWasNotOpenForWrite (and change nothing); getters work in any state, also closed.
class ZcDbObject : public ZcRxObject {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbObject)
  ZcDbObject();
  ~ZcDbObject() override;
  ZcDbObject(const ZcDbObject&) = delete;
  ZcDbObject& operator=(const ZcDbObject&) = delete;

  // --- Identity ------------------------------------------------------------------------
  ZcDbObjectId objectId() const;
  ZcDbObjectId id() const { return objectId(); }
  ZcDbObjectId ownerId() const;
  Zcad::ErrorStatus setOwnerId(ZcDbObjectId owner);
  /// The database the object lives in; null for a new object.
  ZcDbDatabase* database() const;
  void getZcDbHandle(ZcDbHandle& handle) const;
  ZcDbHandle handle() const;

  // --- Open state ----------------------------------------------------------------------
  /// Closes one open of the object (see the rules above). For a new object: eOk, nothing.
  Zcad::ErrorStatus close();
  /// Open for read -> open for write in place.
  Zcad::ErrorStatus upgradeOpen();
  /// Open for write -> open for read.
  Zcad::ErrorStatus downgradeOpen();
  bool isReadEnabled() const;
  /// True when the object may be changed: open for write, or new.
  bool isWriteEnabled() const;
  bool isNotifyEnabled() const { return false; }
  bool isNewObject() const;
  /// The object's current open mode (kNotOpen when closed or new).
  ZcDb::OpenMode openMode() const;
  int numReaders() const;

  // --- Erasure -------------------------------------------------------------------------
  /// Erases (true) or restores (false) a resident object open for write. The id stays valid.
  /// A class may refuse the change (subErase): its status is returned and nothing changes.
  Zcad::ErrorStatus erase(bool erasing = true);
  bool isErased() const;

  // --- XData ---------------------------------------------------------------------------
  /// A new list (the caller frees it with zcutRelRb) of the XData of `app` - its 1001 item
  /// followed by its items - or of every application when `app` is null; null when none.
  resbuf* xData(const wchar_t* app = nullptr) const;
  /// Replaces the XData of each application named by a 1001 item of `list` with the items
  /// that follow it; an application with no items loses its XData. Other applications
  /// keep theirs. eRegappIdNotFound when an application is not registered in the
  /// database, eXdataSizeExceeded past kZcDbMaxXDataBytes, eInvalidInput for a list that
  /// does not start with 1001, holds a code outside 1000-1071 or a number that is not
  /// finite; nothing changes then.
  Zcad::ErrorStatus setXData(const resbuf* list);
  /// The bytes the object's XData counts against the limit.
  int xDataSize() const;

  // --- Reactors and extension dictionary ------------------------------------------------
  void addPersistentReactor(ZcDbObjectId reactor);
  Zcad::ErrorStatus removePersistentReactor(ZcDbObjectId reactor);
  /// The persistent reactors (groups among them), erased ones left out.
  ZcDbObjectIdArray getPersistentReactors() const;
  ZcDbObjectId extensionDictionary() const;
  /// Creates the extension dictionary when missing; eAlreadyInDb when present.
  Zcad::ErrorStatus createExtensionDictionary();

  // --- Copies and transforms ------------------------------------------------------------
  /// A new, non-resident copy of the object's own data and XData (no id, owner, reactors
  /// or extension dictionary). Block references copy their attributes with them.
  virtual ZcDbObject* cloneObject() const;
  ZcRxObject* clone() const { return cloneObject(); }

  // --- Filing ----------------------------------------------------------------------------
  /// The record type name in a DXF file ("LINE", "DICTIONARY", ...).
  virtual const char* dxfName() const;
  /// Writes the object's groups (this class's part, after the parent's).
  virtual void dxfOutFields(ZcDbDxfFiler* filer) const;
  /// Reads what dxfOutFields wrote.
  virtual Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer);
  /// Writes the XData groups (the last of a record).
  void dxfOutXData(ZcDbDxfFiler* filer) const;

  // --- Database internals (used by the database and its cloning) ------------------------
  ZcDbObjectState& state() const { return *state_; }
  /// Rewrites the ids the object refers to (layers, styles, owned objects) while it is
  /// copied into another database.
  virtual void translateIds(ZcDbIdTranslator& translator);
  /// Called when the object has become resident (it may add owned objects then).
  virtual void onAddedToDatabase() {}

protected:
  /// Asked by erase before the object is erased or restored: a status other than eOk
  /// refuses the change. Every object may by default.
  virtual Zcad::ErrorStatus subErase(bool erasing) { return Zcad::eOk; }
  /// eOk when the object may be changed, else eWasNotOpenForWrite (and a diagnostic count).
  Zcad::ErrorStatus assertWrite() const;
  /// Copies XData into a clone.
  void copyXDataTo(ZcDbObject* other) const;

private:
  std::unique_ptr<ZcDbObjectState> state_;
};

/// Maps ids of a source database to ids in a destination while objects are cloned.
class ZcDbIdTranslator {
public:
  virtual ~ZcDbIdTranslator() = default;
  /// The destination id for a referenced source id (cloning what it needs).
  virtual ZcDbObjectId translate(ZcDbObjectId source) = 0;
};

/// Opens the object of `id` into `obj`. eNullObjectId for the null id, eInvalidObjectId for
/// an id whose database is gone, eWasErased for an erased object unless `openErased`, and
/// the open rules of ZcDbObject otherwise. On failure `obj` is null.
Zcad::ErrorStatus zcdbOpenObject(ZcDbObject*& obj, ZcDbObjectId id, ZcDb::OpenMode mode,
                                 bool openErased = false);

/// The typed form: eNotThatKindOfClass (nothing left open) when the object is not a T.
template <class T>
Zcad::ErrorStatus zcdbOpenObject(T*& obj, ZcDbObjectId id, ZcDb::OpenMode mode,
                                 bool openErased = false) {
  ZcDbObject* o = nullptr;
  obj = nullptr;
  Zcad::ErrorStatus es = zcdbOpenObject(o, id, mode, openErased);
  if (es != Zcad::eOk) return es;
  if (!o->isKindOf(T::desc())) {
    o->close();
    return Zcad::eNotThatKindOfClass;
  }
  obj = static_cast<T*>(o);
  return Zcad::eOk;
}

#endif

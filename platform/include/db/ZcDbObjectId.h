// Object ids and handles of the drawing database, and the entity names of the editor's
// list interface. Every caller that keeps a reference to a database object keeps one of
// these; none keeps a raw pointer across a database's life.
#ifndef PLATFORM_DB_ZCDBOBJECTID_H
#define PLATFORM_DB_ZCDBOBJECTID_H

#include <cstdint>
#include <cstddef>

#include "db/ZcArray.h"
#include "ed/ErrorStatus.h"

class ZcDbDatabase;
class ZcDbObject;
class ZcRxClass;

/// A database handle: a persistent 64-bit number, unique within one drawing and kept in the
/// drawing file. Written and read as upper-case hexadecimal text without leading zeros.
class ZcDbHandle {
public:
  ZcDbHandle() = default;
  explicit ZcDbHandle(std::uint64_t value) : value_(value) {}
  /// Parses hexadecimal text ("2F", "2f"); the null handle for empty or non-hex text.
  explicit ZcDbHandle(const wchar_t* hex);
  bool isNull() const { return value_ == 0; }
  std::uint64_t value() const { return value_; }
  /// Writes the hexadecimal text into `buffer` (at least 17 characters for any handle).
  /// False, and an empty buffer when it has room for one, when the text does not fit.
  bool getIntoAsciiBuffer(wchar_t* buffer, std::size_t size = 17) const;
  bool operator==(const ZcDbHandle& o) const { return value_ == o.value_; }
  bool operator!=(const ZcDbHandle& o) const { return value_ != o.value_; }

private:
  std::uint64_t value_ = 0;
};

/// The id of an object in a database: the database's serial number and the object's slot.
/// Ids stay valid as long as the database lives (also for erased objects); the ids of a
/// deleted database are detectably invalid, as no database has its serial number again.
class ZcDbObjectId {
public:
  static const ZcDbObjectId kNull;

  ZcDbObjectId() = default;
  ZcDbObjectId(std::uint32_t databaseSerial, std::uint32_t slot) : db_(databaseSerial), slot_(slot) {}

  bool isNull() const { return slot_ == 0; }
  /// True when the database lives and holds the slot (erased objects included).
  bool isValid() const;
  /// True for a valid id whose object is erased.
  bool isErased() const;
  /// The database, or null when the id is null or its database is gone.
  ZcDbDatabase* database() const;
  /// The object's handle; null for an invalid id.
  ZcDbHandle handle() const;
  /// The class of the object; null for an invalid id.
  const ZcRxClass* objectClass() const;
  void setNull() { db_ = slot_ = 0; }

  std::uint32_t databaseSerial() const { return db_; }
  std::uint32_t slot() const { return slot_; }

  bool operator==(const ZcDbObjectId& o) const { return db_ == o.db_ && slot_ == o.slot_; }
  bool operator!=(const ZcDbObjectId& o) const { return !(*this == o); }
  bool operator<(const ZcDbObjectId& o) const {
    return db_ != o.db_ ? db_ < o.db_ : slot_ < o.slot_;
  }

private:
  std::uint32_t db_ = 0;
  std::uint32_t slot_ = 0;
};

using ZcDbObjectIdArray = ZcArray<ZcDbObjectId>;

/// The editor's name of an entity: the two words of an object id.
typedef std::int64_t ads_name[2];
typedef double ads_point[3];

/// The entity name of an id (both words 0 for the null id).
Zcad::ErrorStatus zcdbGetAdsName(ads_name name, ZcDbObjectId id);
/// The id of an entity name; eInvalidAdsName when the name names no live object.
Zcad::ErrorStatus zcdbGetObjectId(ZcDbObjectId& id, const ads_name name);

#endif

// What the database's sources share and no caller sees: the per-object state, the
// database's insides, the registry of live databases and the diagnostic counters.
// Private to platform/db and platform/dxf.
#ifndef PLATFORM_DB_DBINTERNAL_H
#define PLATFORM_DB_DBINTERNAL_H

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "db/ZcCmColor.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbEntity.h"
#include "db/OpaqueGroups.h"
#include "db/ZcDbObject.h"
#include "ge/ZcGePoint2d.h"
#include "db/SpatialIndex.h"
#include "db/ExtentsCache.h"
#include "db/ReferenceIndex.h"

/// One XData item: its code and the value in the member its kind uses. Integers keep the
/// bits they were given: a 1071 value is stored as the 32-bit word it came in.
struct ZcDbXDataItem {
  int code = 0;
  std::wstring text;        // strings and 1005 handles (as hex text)
  double v[3] = {0, 0, 0};  // reals and points
  std::int64_t i = 0;       // integers
  std::string bytes;        // 1004 chunks
};
struct ZcDbXDataApp {
  std::wstring app;
  std::vector<ZcDbXDataItem> items;
};

/// The state every object carries; see the open rules in ZcDbObject.h.
struct ZcDbObjectState {
  ZcDbDatabase* db = nullptr;
  ZcDbObjectId id, owner, xdict;
  std::uint64_t handle = 0;
  int readers = 0;
  bool writer = false;
  bool erased = false;
  std::vector<ZcDbXDataApp> xdata;
  std::vector<ZcDbObjectId> reactors;
  // Measures kept while the object stays unchanged (see ExtentsCache).
  bool boxKept = false;
  Zcad::ErrorStatus boxStatus = Zcad::eOk;
  std::uint64_t boxEpoch = 0, contentsEpoch = 0, posedEpoch = 0;
  ZcDbExtents box;
  std::shared_ptr<const zcdb::PlacedContents> contents;
  std::shared_ptr<const zcdb::PosedContents> posed;  // a reference's, kept while it moves
};

/// The database's insides. Invariants:
///   1. slots[i] holds the object of slot i+1 for the database's whole life; nothing is
///      removed or moved (erasure only marks), so pointers and ids stay good;
///   2. byHandle maps every resident object's handle to its slot; handseed is above all;
///   3. openCount is the number of objects with readers > 0 or writer set.
struct ZcDbDatabaseImpl {
  std::uint32_t serial = 0;
  ZcDbDatabase* self = nullptr;
  std::vector<std::unique_ptr<ZcDbObject>> slots;
  std::unordered_map<std::uint64_t, std::uint32_t> byHandle;
  std::uint64_t handseed = 1;
  int openCount = 0;

  ZcDbObjectId blockTable, layerTable, linetypeTable, textStyleTable, regAppTable, viewTable;
  ZcDbObjectId nod, groupDict, modelSpace, paperSpace;
  ZcDbObjectId byLayer, byBlock, continuous, layer0, standardStyle;

  ZcDbObjectId clayer, celtype, textstyle;
  ZcCmColor cecolor;
  double celtscale = 1.0, textsize = 2.5, dimasz = 2.5, dimscale = 1.0, ltscale = 1.0;
  ZcDb::LineWeight celweight = ZcDb::kLnWtByLayer;
  ZcGePoint3d insbase;
  ZcGePoint3d ucsorg;  // the user coordinate system's origin, in world coordinates

  zcdb::SpatialIndex spatial;  // the layouts' entity extents, for windows and picks
  zcdb::ExtentsCache extents;  // entities' boxes, and blocks' boxes under each pose
  zcdb::ReferenceIndex references;  // the references of each block

  /// `obj` is opened for write, closed after it or made resident: the caches and indexes
  /// that hold what it was drop it.
  void changing(const ZcDbObject* obj) {
    extents.Changing(obj);
    references.Note(obj);
  }

  std::wstring fileName, readError;
  std::vector<unsigned char> preview;  // saved as the THUMBNAILIMAGE section
  int codePage = 1250;  // of the file being read
  /// The CLASS records of the file read (the classes of objects kept as read), written back.
  std::vector<zcdb::OpaqueGroups> classes;
  /// The tables of kinds the database does not model (VPORT, UCS, DIMSTYLE and others the
  /// file held): each head and its records kept as read (ZcDbOpaqueObject), written back
  /// in the TABLES section in file order.
  struct KeptTable {
    std::string name;
    ZcDbObjectId head;
    std::vector<ZcDbObjectId> records;
  };
  std::vector<KeptTable> keptTables;

  /// Makes `obj` resident with `owner` (a fresh handle unless `handle` is given); the object
  /// is left closed. Returns its id.
  ZcDbObjectId adopt(ZcDbObject* obj, ZcDbObjectId owner, std::uint64_t handle = 0);
  ZcDbObject* object(std::uint32_t slot) const {
    return slot >= 1 && slot <= slots.size() ? slots[slot - 1].get() : nullptr;
  }
  template <class T>
  T* objectAs(ZcDbObjectId id) const { return static_cast<T*>(object(id.slot())); }
  /// Builds the minimum drawing around what exists: completeTables (the tables with their
  /// required records, model and paper space) then completeObjects (the named-objects and
  /// group dictionaries, the current settings).
  void completeDrawing();
  void completeTables();
  void completeObjects();
};

namespace zcdb {
/// The live database with `serial`, or null.
ZcDbDatabase* DatabaseBySerial(std::uint32_t serial);
/// The object of a valid id, whatever its state; null for an invalid id.
ZcDbObject* ObjectOf(ZcDbObjectId id);
/// Opens without class test; see zcdbOpenObject.
Zcad::ErrorStatus Open(ZcDbObject* obj, ZcDb::OpenMode mode, bool openErased);
/// Makes a new object resident in `db` owned by `owner`, open for write for the caller.
/// eAlreadyInDb for a resident object.
Zcad::ErrorStatus AddOpenForWrite(ZcDbDatabase* db, ZcDbObject* obj, ZcDbObjectId owner,
                                  ZcDbObjectId& id);
void CountWriteViolation();
void CountStrayClose();
/// The key symbol names and dictionary keys are compared by (Unicode upper case).
std::wstring FoldKey(const std::wstring& name);
/// The database a new entity takes names from: its own, else the working database.
ZcDbDatabase* DatabaseFor(const ZcDbObject* obj);
/// A record id of a table by name; null when absent.
ZcDbObjectId RecordByName(ZcDbDatabase* db, ZcDbObjectId table, const std::wstring& name);
/// The name of a symbol table record; empty for a null or foreign id.
std::wstring RecordName(ZcDbObjectId id);

/// Whether every number given is finite: setters refuse others with eInvalidInput, so that
/// no infinite or NaN coordinate enters a drawing.
inline bool Finite(double v) { return std::isfinite(v); }
inline bool Finite(const ZcGePoint3d& p) { return Finite(p.x) && Finite(p.y) && Finite(p.z); }
inline bool Finite(const ZcGeVector3d& v) { return Finite(v.x) && Finite(v.y) && Finite(v.z); }
inline bool Finite(const ZcGePoint2d& p) { return Finite(p.x) && Finite(p.y); }
template <class T>
bool Finite(const ZcArray<T>& values) {
  for (const T& v : values)
    if (!Finite(v)) return false;
  return true;
}
template <class A, class B, class... Rest>
bool Finite(const A& a, const B& b, const Rest&... rest) {
  return Finite(a) && Finite(b, rest...);
}

/// Marks a block as being walked (its contents' extents, intersections, copies) for the
/// life of the object. A walk that meets a block already on the current path has met a
/// cycle: `entered()` is false and the walk must not go into it again.
class BlockWalk {
public:
  explicit BlockWalk(ZcDbObjectId block);
  ~BlockWalk();
  BlockWalk(const BlockWalk&) = delete;
  BlockWalk& operator=(const BlockWalk&) = delete;
  bool entered() const { return entered_; }
  /// Whether `block` is on the current path.
  static bool onPath(ZcDbObjectId block);

private:
  bool entered_;
};
}  // namespace zcdb

#endif

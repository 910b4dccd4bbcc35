// The drawing database: the working drawing of the host and side databases read from
// drawing files. Owns every object it holds for its whole life; gives out ids, opens
// tables and dictionaries, keeps the current settings, reads and writes drawing files,
// and copies objects between databases.
#ifndef PLATFORM_DB_ZCDBDATABASE_H
#define PLATFORM_DB_ZCDBDATABASE_H

#include <memory>
#include <string>
#include <vector>

#include "db/ZcCmColor.h"
#include "db/ZcDbEntity.h"
#include "db/ZcDbObject.h"

class ZcDbBlockTable;
class ZcDbLayerTable;
class ZcDbLinetypeTable;
class ZcDbTextStyleTable;
class ZcDbRegAppTable;
class ZcDbViewTable;
class ZcDbDictionary;
class ZcDbSymbolTable;
struct ZcDbDatabaseImpl;

/// Pairs of (source id, clone id) made by a deep clone.
class ZcDbIdMapping {
public:
  struct Pair {
    ZcDbObjectId key, value;
    bool isCloned = true;
  };
  /// The clone of `key`; false when it has none.
  bool compute(ZcDbObjectId key, ZcDbObjectId& value) const;
  void assign(const Pair& pair) { pairs_.push_back(pair); }
  const std::vector<Pair>& pairs() const { return pairs_; }
  ZcDbDatabase* destDb() const { return dest_; }
  void setDestDb(ZcDbDatabase* db) { dest_ = db; }

private:
  std::vector<Pair> pairs_;
  ZcDbDatabase* dest_ = nullptr;
};

/// A drawing. A database built with the default drawing has: the block table with
/// "*Model_Space" and "*Paper_Space", layer "0", linetypes "ByBlock", "ByLayer" and
/// "Continuous", text style "Standard", application "ACAD", the named-objects dictionary
/// with the group dictionary "ACAD_GROUP", and the current settings layer "0", colour
/// ByLayer, linetype ByLayer, scale 1, weight ByLayer, style "Standard", text size 2.5,
/// arrow size 2.5, dimension scale 1. Without it the database is empty until a file is
/// read into it (reading always completes a drawing to that minimum).
class ZcDbDatabase : public ZcRxObject {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbDatabase)
  explicit ZcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
  ~ZcDbDatabase() override;
  ZcDbDatabase(const ZcDbDatabase&) = delete;
  ZcDbDatabase& operator=(const ZcDbDatabase&) = delete;

  // --- Tables and dictionaries ---------------------------------------------------------
  ZcDbObjectId blockTableId() const;
  ZcDbObjectId layerTableId() const;
  ZcDbObjectId linetypeTableId() const;
  ZcDbObjectId textStyleTableId() const;
  ZcDbObjectId regAppTableId() const;
  ZcDbObjectId viewTableId() const;
  ZcDbObjectId namedObjectsDictionaryId() const;
  ZcDbObjectId groupDictionaryId() const;
  ZcDbObjectId modelSpaceId() const;
  ZcDbObjectId paperSpaceId() const;
  /// The block table record new entities go to: the host works in model space only, so
  /// this is modelSpaceId() (null for a database built without its default drawing).
  ZcDbObjectId currentSpaceId() const;
  Zcad::ErrorStatus getBlockTable(ZcDbBlockTable*& table, ZcDb::OpenMode mode) const;
  Zcad::ErrorStatus getLayerTable(ZcDbLayerTable*& table, ZcDb::OpenMode mode) const;
  Zcad::ErrorStatus getLinetypeTable(ZcDbLinetypeTable*& table, ZcDb::OpenMode mode) const;
  Zcad::ErrorStatus getTextStyleTable(ZcDbTextStyleTable*& table, ZcDb::OpenMode mode) const;
  Zcad::ErrorStatus getRegAppTable(ZcDbRegAppTable*& table, ZcDb::OpenMode mode) const;
  Zcad::ErrorStatus getViewTable(ZcDbViewTable*& table, ZcDb::OpenMode mode) const;
  Zcad::ErrorStatus getNamedObjectsDictionary(ZcDbDictionary*& dict, ZcDb::OpenMode mode) const;
  Zcad::ErrorStatus getGroupDictionary(ZcDbDictionary*& dict, ZcDb::OpenMode mode) const;

  // --- Current settings (the drawing's system variables) --------------------------------
  ZcDbObjectId clayer() const;
  Zcad::ErrorStatus setClayer(ZcDbObjectId layer);
  ZcCmColor cecolor() const;
  Zcad::ErrorStatus setCecolor(const ZcCmColor& c);
  ZcDbObjectId celtype() const;
  Zcad::ErrorStatus setCeltype(ZcDbObjectId linetype);
  double celtscale() const;
  Zcad::ErrorStatus setCeltscale(double s);
  ZcDb::LineWeight celweight() const;
  Zcad::ErrorStatus setCelweight(ZcDb::LineWeight w);
  ZcDbObjectId textstyle() const;
  Zcad::ErrorStatus setTextstyle(ZcDbObjectId style);
  double textsize() const;
  Zcad::ErrorStatus setTextsize(double h);
  double dimasz() const;
  Zcad::ErrorStatus setDimasz(double s);
  double dimscale() const;
  Zcad::ErrorStatus setDimscale(double s);
  double ltscale() const;
  ZcGePoint3d insbase() const;
  Zcad::ErrorStatus setInsbase(const ZcGePoint3d& p);
  /// The origin of the current user coordinate system, in world coordinates (saved with the
  /// drawing; the world origin in a new one).
  ZcGePoint3d ucsorg() const;
  Zcad::ErrorStatus setUcsorg(const ZcGePoint3d& origin);
  /// Well-known linetype records.
  ZcDbObjectId byLayerLinetype() const;
  ZcDbObjectId byBlockLinetype() const;
  ZcDbObjectId continuousLinetype() const;
  ZcDbObjectId layerZero() const;

  // --- Objects -------------------------------------------------------------------------
  /// Adds a new object without owner (the caller sets one); it is left open for write.
  Zcad::ErrorStatus addZcDbObject(ZcDbObjectId& id, ZcDbObject* obj);
  Zcad::ErrorStatus addZcDbObject(ZcDbObject* obj);
  /// The id of the object with `handle`; eUnknownHandle when there is none.
  Zcad::ErrorStatus getZcDbObjectId(ZcDbObjectId& id, bool createIfNotFound,
                                    const ZcDbHandle& handle) const;
  /// The objects now open, for leak checks.
  int numOpenObjects() const;
  /// The number of slots (objects ever made resident, erased ones included).
  int numObjects() const;
  std::uint32_t serial() const;

  // --- Files -----------------------------------------------------------------------------
  /// Reads a drawing file (DXF whatever its extension; Windows paths are mapped) into this
  /// database, replacing what it held. eFileNotFound for a missing file, eFileAccessErr for
  /// one that cannot be read or is not a regular file (a folder, a pipe, a device: refused
  /// before it is opened, so nothing waits), eBadDxfFile for a malformed one; the database
  /// is then unchanged and readError() says why (naming the line of a malformed file).
  Zcad::ErrorStatus readDwgFile(const wchar_t* fileName, int shareMode = 0x20,
                                bool allowCPConversion = false, const wchar_t* password = nullptr);
  /// Writes the drawing as DXF (AC1015), whole or not at all: into a fresh file beside
  /// `fileName`, synced to the disk, then renamed over it. eInvalidInput for an empty name;
  /// eFileWriteError when any step fails, with `fileName` left as it was and readError()
  /// saying what failed. Objects still open are written as they stand.
  Zcad::ErrorStatus saveAs(const wchar_t* fileName);
  /// The drawing as DXF text.
  std::string dxfText() const;
  /// Reads DXF text; as readDwgFile.
  Zcad::ErrorStatus readDxfText(const std::string& text);
  /// Why the last read or save failed ("line N: what was wrong" for a malformed file), or
  /// empty after a success.
  std::wstring readError() const;
  /// The file last read or saved, as it was given.
  const wchar_t* originalFileName() const;

  // --- Copying between databases ----------------------------------------------------------
  /// Copies `ids` of this database into `owner` of another database (a block record or a
  /// dictionary), with what they refer to (layers, linetypes, text styles, blocks).
  /// Records whose name the destination has already are not copied: the destination's
  /// record is used (kDrcIgnore), or replaced by the copy's content (kDrcReplace). A block
  /// reference that would make a block hold itself is not copied: eInvalidInput then.
  Zcad::ErrorStatus wblockCloneObjects(const ZcDbObjectIdArray& ids, ZcDbObjectId owner,
                                       ZcDbIdMapping& mapping,
                                       ZcDb::DuplicateRecordCloning drc = ZcDb::kDrcIgnore,
                                       bool deferXlation = false);
  /// Copies the model space of `source` into a new block `blockName` of this database
  /// (origin = the source's insertion base), with the records it uses. eDuplicateRecordName
  /// when the block exists, eInvalidSymbolTableName for a bad name. A block of the source
  /// named `blockName` comes as "blockName$1" (the first free suffix), never as the new block.
  Zcad::ErrorStatus insert(ZcDbObjectId& blockId, const wchar_t* blockName, ZcDbDatabase* source,
                           bool preserveSourceDatabase = true);
  /// Loads `linetypeName` ("*" for all) from a linetype-definition file (".lin" text:
  /// "*NAME,description" then "A,dash,dash,..."): eFileNotFound for a missing file,
  /// eKeyNotFound when it has no such linetype, eDuplicateRecordName when the linetype is
  /// loaded already (for "*": those are skipped).
  Zcad::ErrorStatus loadLineTypeFile(const wchar_t* linetypeName, const wchar_t* fileName);

  ZcDbDatabaseImpl& impl() const { return *impl_; }

private:
  std::unique_ptr<ZcDbDatabaseImpl> impl_;
};

/// The host's services: the working database (the current drawing). The headless host
/// makes one with the default drawing at first use; null after setWorkingDatabase(nullptr).
class ZcDbHostApplicationServices {
public:
  ZcDbDatabase* workingDatabase() const;
  /// Makes `db` the working database (not owned; null is allowed).
  void setWorkingDatabase(ZcDbDatabase* db);
};

ZcDbHostApplicationServices* zcdbHostApplicationServices();

/// The entity with the handle `handle` (hex text) of the working database, as an entity
/// name. RTNORM; RTERROR for bad text, an unknown handle or an erased object.
int zcdbHandEnt(const wchar_t* handle, ads_name entity);

/// The data list of an entity (or any object) as its DXF groups: -1 its name, 0 its type,
/// 5 its handle, 102/330 its reactors (groups) and owner as names, 100 class markers, then
/// its fields; null for a name of no live object. The caller frees it with zcutRelRb.
resbuf* zcdbEntGet(const ads_name entity);

#endif

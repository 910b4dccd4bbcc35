// Symbol tables and their records: layers, linetypes, text styles, registered
// applications and named views (block records have their own header). Names compare
// without regard to case and keep the case they were given; tables keep insertion order.
#ifndef PLATFORM_DB_ZCDBSYMBOLTABLE_H
#define PLATFORM_DB_ZCDBSYMBOLTABLE_H

#include <string>
#include <unordered_map>
#include <vector>

#include "db/ZcCmColor.h"
#include "db/ZcDbEntity.h"
#include "db/ZcDbObject.h"
#include "ge/ZcGePoint2d.h"

class ZcDbSymbolTableIterator;

/// A named record of a table. Names are validated by setName: not empty, at most 255
/// characters, none of < > / \ " : ; ? * = , ` and no control characters ("|" is allowed).
/// Layer "0" keeps its name (eInvalidInput).
class ZcDbSymbolTableRecord : public ZcDbObject {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbSymbolTableRecord)
  Zcad::ErrorStatus getName(const wchar_t*& name) const;
  Zcad::ErrorStatus getName(std::wstring& name) const;
  const std::wstring& name() const { return name_; }
  /// eInvalidSymbolTableName for a name the rules refuse; eDuplicateRecordName when the
  /// record is in a table that has another record of that name.
  Zcad::ErrorStatus setName(const wchar_t* name);
  /// True when `name` passes the rules above.
  static bool isValidName(const wchar_t* name);

  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

protected:
  void copyRecordTo(ZcDbSymbolTableRecord* other) const;
  /// Gives the record its name, telling the table that holds it (its name index follows).
  void assignName(const std::wstring& name);
  /// The subclass marker of the record ("AcDbLayerTableRecord", ...).
  virtual const char* recordMarker() const = 0;
  int flags_ = 0;

private:
  std::wstring name_;  // changed only through assignName, so that the table's index follows
};

/// A table of records. Erased records are left out of lookups and iteration.
class ZcDbSymbolTable : public ZcDbObject {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbSymbolTable)
  Zcad::ErrorStatus getAt(const wchar_t* name, ZcDbObjectId& id, bool getErased = false) const;
  /// Opens the record of `name`: eKeyNotFound when there is none.
  Zcad::ErrorStatus getAt(const wchar_t* name, ZcDbSymbolTableRecord*& record,
                          ZcDb::OpenMode mode, bool openErased = false) const;
  bool has(const wchar_t* name) const;
  bool has(ZcDbObjectId id) const;
  /// Adds a new record (the table open for write): eDuplicateRecordName when the name is
  /// taken, eInvalidSymbolTableName for an empty name, eWrongObjectType for a record of
  /// another table, eAlreadyInDb for a resident record. The record is then resident and
  /// open for write for the caller to close.
  Zcad::ErrorStatus add(ZcDbSymbolTableRecord* record);
  Zcad::ErrorStatus add(ZcDbObjectId& id, ZcDbSymbolTableRecord* record);
  /// An iterator in table order (the caller deletes it).
  Zcad::ErrorStatus newIterator(ZcDbSymbolTableIterator*& it, bool atBeginning = true,
                                bool skipDeleted = true) const;
  /// The live records' ids in table order.
  ZcDbObjectIdArray recordIds() const;

  const char* dxfName() const override { return "TABLE"; }
  /// The DXF name of the table ("LAYER", ...).
  virtual const char* tableName() const = 0;
  /// True when `record` belongs in this table.
  virtual bool accepts(const ZcDbSymbolTableRecord* record) const = 0;
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  /// Internal: makes `id` a record of the table (reading files, cloning).
  void adoptRecord(ZcDbObjectId id);
  void forgetRecord(ZcDbObjectId id);
  /// Internal: a record of the table was renamed from `oldName`.
  void recordRenamed(ZcDbObjectId id, const std::wstring& oldName);

private:
  void indexRecord(ZcDbObjectId id, const std::wstring& name);
  /// False when the record was not indexed under `name`.
  bool unindexRecord(ZcDbObjectId id, const std::wstring& name);

  std::vector<ZcDbObjectId> records_;  // table order, erased records included
  /// The records by folded name (see zcdb::FoldKey), each list in table order: lookups
  /// cost the same whatever the table's size.
  std::unordered_map<std::wstring, std::vector<ZcDbObjectId>> byName_;
};

/// Walks a table's records in table order.
class ZcDbSymbolTableIterator {
public:
  explicit ZcDbSymbolTableIterator(const ZcDbObjectIdArray& ids) : ids_(ids) {}
  void start(bool atBeginning = true) { index_ = atBeginning ? 0 : ids_.length() - 1; }
  bool done() const { return index_ < 0 || index_ >= ids_.length(); }
  void step(bool forward = true) { index_ += forward ? 1 : -1; }
  Zcad::ErrorStatus getRecordId(ZcDbObjectId& id) const;
  /// Opens the current record into `record`.
  Zcad::ErrorStatus getRecord(ZcDbSymbolTableRecord*& record, ZcDb::OpenMode mode,
                              bool openErased = false) const;
  template <class T>
  Zcad::ErrorStatus getRecord(T*& record, ZcDb::OpenMode mode, bool openErased = false) const {
    ZcDbSymbolTableRecord* r = nullptr;
    Zcad::ErrorStatus es = getRecord(r, mode, openErased);
    record = static_cast<T*>(r);
    return es;
  }

private:
  ZcDbObjectIdArray ids_;
  int index_ = 0;
};

// --- Layers ---------------------------------------------------------------------------------
class ZcDbLayerTableRecord : public ZcDbSymbolTableRecord {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbLayerTableRecord)
  ZcDbLayerTableRecord();
  ZcCmColor color() const { return color_; }
  Zcad::ErrorStatus setColor(const ZcCmColor& c);
  bool isOff() const { return off_; }
  Zcad::ErrorStatus setIsOff(bool off);
  bool isFrozen() const { return flags_ & 1; }
  Zcad::ErrorStatus setIsFrozen(bool frozen);
  bool isLocked() const { return flags_ & 4; }
  Zcad::ErrorStatus setIsLocked(bool locked);
  bool isHidden() const { return hidden_; }
  Zcad::ErrorStatus setIsHidden(bool hidden);
  bool isPlottable() const { return plot_; }
  Zcad::ErrorStatus setIsPlottable(bool plot);
  ZcDbObjectId linetypeObjectId() const { return linetype_; }
  Zcad::ErrorStatus setLinetypeObjectId(ZcDbObjectId id);
  ZcDb::LineWeight lineWeight() const { return lineWeight_; }
  Zcad::ErrorStatus setLineWeight(ZcDb::LineWeight w);
  /// True when a live entity of the database lies on the layer, or it is layer "0" or the
  /// current layer.
  bool isInUse() const;
  /// True for layer "0" and for "DEFPOINTS" (any case), which the drawing keeps.
  bool isReserved() const;

  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "LAYER"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;
  void translateIds(ZcDbIdTranslator& translator) override;

protected:
  const char* recordMarker() const override { return "AcDbLayerTableRecord"; }
  /// Layer "0", "DEFPOINTS", the current layer and a layer in use (isInUse) cannot be
  /// erased: eObjectInUse, and the layer stays.
  Zcad::ErrorStatus subErase(bool erasing) override;

private:
  ZcCmColor color_;
  bool off_ = false, hidden_ = false, plot_ = true;
  ZcDbObjectId linetype_;
  ZcDb::LineWeight lineWeight_ = ZcDb::kLnWtByLwDefault;
};

class ZcDbLayerTable : public ZcDbSymbolTable {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbLayerTable)
  const char* tableName() const override { return "LAYER"; }
  bool accepts(const ZcDbSymbolTableRecord* r) const override;
  ZcDbObject* cloneObject() const override { return nullptr; }
  /// Brings the layers' usage up to date before layers are erased. Usage (isInUse) is
  /// always current here, so this only succeeds.
  Zcad::ErrorStatus generateUsageData() { return Zcad::eOk; }
};

// --- Linetypes ------------------------------------------------------------------------------
/// A dash pattern: positive lengths draw, negative lengths are gaps, 0 is a dot.
class ZcDbLinetypeTableRecord : public ZcDbSymbolTableRecord {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbLinetypeTableRecord)
  std::wstring comments() const { return comments_; }
  Zcad::ErrorStatus setComments(const wchar_t* text);
  int numDashes() const { return static_cast<int>(dashes_.size()); }
  double dashLengthAt(int i) const;
  Zcad::ErrorStatus setDashes(const std::vector<double>& dashes);
  double patternLength() const;

  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "LTYPE"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;
  void translateIds(ZcDbIdTranslator& translator) override;

protected:
  const char* recordMarker() const override { return "AcDbLinetypeTableRecord"; }

private:
  // A shape or a text a complex line type draws after a dash, kept as read (74 flags: 2
  // text, 4 shape; 75 shape number, 340 style, 46 scale, 50 rotation, 44/45 offset, 9 text).
  struct Element {
    long long flags = 0, shape = 0;
    ZcDbObjectId style;
    double scale = 1.0, rotation = 0.0, x = 0.0, y = 0.0;
    std::wstring text;
  };
  std::wstring comments_;
  std::vector<double> dashes_;
  std::vector<Element> elements_;  // one per dash as read; none once the dashes are set
};

class ZcDbLinetypeTable : public ZcDbSymbolTable {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbLinetypeTable)
  const char* tableName() const override { return "LTYPE"; }
  bool accepts(const ZcDbSymbolTableRecord* r) const override;
  ZcDbObject* cloneObject() const override { return nullptr; }
};

// --- Text styles ----------------------------------------------------------------------------
class ZcDbTextStyleTableRecord : public ZcDbSymbolTableRecord {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbTextStyleTableRecord)
  /// The fixed height of the style; 0 for a style of variable height.
  double textSize() const { return size_; }
  Zcad::ErrorStatus setTextSize(double size);
  double xScale() const { return xScale_; }
  Zcad::ErrorStatus setXScale(double s);
  std::wstring fileName() const { return font_; }
  Zcad::ErrorStatus setFileName(const wchar_t* font);

  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "STYLE"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

protected:
  const char* recordMarker() const override { return "AcDbTextStyleTableRecord"; }

private:
  double size_ = 0.0, xScale_ = 1.0, oblique_ = 0.0, lastHeight_ = 2.5;
  std::wstring font_ = L"txt", bigFont_;
};

class ZcDbTextStyleTable : public ZcDbSymbolTable {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbTextStyleTable)
  const char* tableName() const override { return "STYLE"; }
  bool accepts(const ZcDbSymbolTableRecord* r) const override;
  ZcDbObject* cloneObject() const override { return nullptr; }
};

// --- Registered applications ----------------------------------------------------------------
class ZcDbRegAppTableRecord : public ZcDbSymbolTableRecord {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbRegAppTableRecord)
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "APPID"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;

protected:
  const char* recordMarker() const override { return "AcDbRegAppTableRecord"; }
};

class ZcDbRegAppTable : public ZcDbSymbolTable {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbRegAppTable)
  const char* tableName() const override { return "APPID"; }
  bool accepts(const ZcDbSymbolTableRecord* r) const override;
  ZcDbObject* cloneObject() const override { return nullptr; }
};

// --- Named views ----------------------------------------------------------------------------
class ZcDbViewTableRecord : public ZcDbSymbolTableRecord {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbViewTableRecord)
  ZcGePoint2d centerPoint() const { return center_; }
  Zcad::ErrorStatus setCenterPoint(const ZcGePoint2d& c);
  double height() const { return height_; }
  Zcad::ErrorStatus setHeight(double h);
  double width() const { return width_; }
  Zcad::ErrorStatus setWidth(double w);
  ZcGePoint3d target() const { return target_; }
  ZcGeVector3d viewDirection() const { return direction_; }

  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "VIEW"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

protected:
  const char* recordMarker() const override { return "AcDbViewTableRecord"; }

private:
  ZcGePoint2d center_;
  double height_ = 1.0, width_ = 1.0;
  ZcGePoint3d target_;
  ZcGeVector3d direction_ = ZcGeVector3d::kZAxis;
};

class ZcDbViewTable : public ZcDbSymbolTable {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbViewTable)
  const char* tableName() const override { return "VIEW"; }
  bool accepts(const ZcDbSymbolTableRecord* r) const override;
  ZcDbObject* cloneObject() const override { return nullptr; }
};

/// Registers `app` in the working database's application table. RTNORM, also when it was
/// registered already; RTERROR for an empty or invalid name or without a database.
int zcdbRegApp(const wchar_t* app);

#endif

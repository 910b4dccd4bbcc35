// Symbol tables and their records (layers, linetypes, text styles, applications, views):
// name rules, lookups and their DXF records.
#include "db/ZcDbSymbolTable.h"

#include <algorithm>
#include <cwchar>

#include "db/DbInternal.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbSymbolTableRecord, ZcDbObject)
ZCRX_DEFINE_MEMBERS(ZcDbSymbolTable, ZcDbObject)
ZCRX_DEFINE_MEMBERS(ZcDbLayerTableRecord, ZcDbSymbolTableRecord)
ZCRX_DEFINE_MEMBERS(ZcDbLayerTable, ZcDbSymbolTable)
ZCRX_DEFINE_MEMBERS(ZcDbLinetypeTableRecord, ZcDbSymbolTableRecord)
ZCRX_DEFINE_MEMBERS(ZcDbLinetypeTable, ZcDbSymbolTable)
ZCRX_DEFINE_MEMBERS(ZcDbTextStyleTableRecord, ZcDbSymbolTableRecord)
ZCRX_DEFINE_MEMBERS(ZcDbTextStyleTable, ZcDbSymbolTable)
ZCRX_DEFINE_MEMBERS(ZcDbRegAppTableRecord, ZcDbSymbolTableRecord)
ZCRX_DEFINE_MEMBERS(ZcDbRegAppTable, ZcDbSymbolTable)
ZCRX_DEFINE_MEMBERS(ZcDbViewTableRecord, ZcDbSymbolTableRecord)
ZCRX_DEFINE_MEMBERS(ZcDbViewTable, ZcDbSymbolTable)

// --- Records -----------------------------------------------------------------------------------

bool ZcDbSymbolTableRecord::isValidName(const wchar_t* name) {
  if (!name || !*name || std::wcslen(name) > 255) return false;
  for (const wchar_t* p = name; *p; ++p)
    if (*p < 0x20 || std::wcschr(L"<>/\\\":;?*=,`", *p)) return false;
  return true;
}

Zcad::ErrorStatus ZcDbSymbolTableRecord::getName(const wchar_t*& name) const {
  name = name_.c_str();
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbSymbolTableRecord::getName(std::wstring& name) const {
  name = name_;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSymbolTableRecord::setName(const wchar_t* name) {
  // The model and paper space records keep their reserved names.
  bool reserved = name && (zcdb::FoldKey(name) == L"*MODEL_SPACE" || zcdb::FoldKey(name) == L"*PAPER_SPACE");
  if (!reserved && !isValidName(name)) return Zcad::eInvalidSymbolTableName;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  // Layer "0" is the layer every drawing has under that name.
  if (database() && objectId() == database()->layerZero() && name_ != name) return Zcad::eInvalidInput;
  if (auto* table = dynamic_cast<ZcDbSymbolTable*>(zcdb::ObjectOf(ownerId()))) {
    ZcDbObjectId other;
    if (table->getAt(name, other) == Zcad::eOk && other != objectId()) return Zcad::eDuplicateRecordName;
  }
  assignName(name);
  return Zcad::eOk;
}

void ZcDbSymbolTableRecord::assignName(const std::wstring& name) {
  std::wstring old = std::move(name_);
  name_ = name;
  if (auto* table = dynamic_cast<ZcDbSymbolTable*>(zcdb::ObjectOf(ownerId()))) table->recordRenamed(objectId(), old);
}

void ZcDbSymbolTableRecord::copyRecordTo(ZcDbSymbolTableRecord* o) const {
  o->assignName(name_);
  o->flags_ = flags_;
  copyXDataTo(o);
}

// Every record: 100 AcDbSymbolTableRecord, 100 its own marker, 2 name, 70 flags; then its
// own groups.
void ZcDbSymbolTableRecord::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbObject::dxfOutFields(f);
  f->writeRaw(100, "AcDbSymbolTableRecord");
  f->writeRaw(100, recordMarker());
  f->writeString(2, name_);
  f->writeInt(70, flags_);
}

Zcad::ErrorStatus ZcDbSymbolTableRecord::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbObject::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker(recordMarker());
  ZcDbDxfPair p;
  while (f->next(p)) {
    if (p.code == 2) assignName(f->toString(p));
    else if (p.code == 70) flags_ = static_cast<int>(f->toInt(p));
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

// --- Tables ------------------------------------------------------------------------------------

Zcad::ErrorStatus ZcDbSymbolTable::getAt(const wchar_t* name, ZcDbObjectId& id, bool getErased) const {
  id.setNull();
  if (!name) return Zcad::eInvalidInput;
  auto it = byName_.find(zcdb::FoldKey(name));
  if (it == byName_.end()) return Zcad::eKeyNotFound;
  for (ZcDbObjectId r : it->second) {
    ZcDbObject* rec = zcdb::ObjectOf(r);
    if (!rec || (rec->isErased() && !getErased)) continue;
    id = r;
    return Zcad::eOk;
  }
  return Zcad::eKeyNotFound;
}

Zcad::ErrorStatus ZcDbSymbolTable::getAt(const wchar_t* name, ZcDbSymbolTableRecord*& record,
                                         ZcDb::OpenMode mode, bool openErased) const {
  record = nullptr;
  ZcDbObjectId id;
  Zcad::ErrorStatus es = getAt(name, id, openErased);
  if (es != Zcad::eOk) return es;
  return zcdbOpenObject(record, id, mode, openErased);
}

bool ZcDbSymbolTable::has(const wchar_t* name) const {
  ZcDbObjectId id;
  return getAt(name, id) == Zcad::eOk;
}

bool ZcDbSymbolTable::has(ZcDbObjectId id) const {
  auto* rec = dynamic_cast<ZcDbSymbolTableRecord*>(zcdb::ObjectOf(id));
  if (!rec || rec->isErased() || rec->ownerId() != objectId()) return false;
  auto it = byName_.find(zcdb::FoldKey(rec->name()));
  return it != byName_.end() && std::find(it->second.begin(), it->second.end(), id) != it->second.end();
}

Zcad::ErrorStatus ZcDbSymbolTable::add(ZcDbSymbolTableRecord* record) {
  ZcDbObjectId id;
  return add(id, record);
}

Zcad::ErrorStatus ZcDbSymbolTable::add(ZcDbObjectId& id, ZcDbSymbolTableRecord* record) {
  if (!record) return Zcad::eNullObjectPointer;
  if (record->database()) return Zcad::eAlreadyInDb;
  if (!database()) return Zcad::eNotInDatabase;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  if (!accepts(record)) return Zcad::eWrongObjectType;
  if (record->name().empty()) return Zcad::eInvalidSymbolTableName;
  if (has(record->name().c_str())) return Zcad::eDuplicateRecordName;
  Zcad::ErrorStatus es = zcdb::AddOpenForWrite(database(), record, objectId(), id);
  if (es == Zcad::eOk) adoptRecord(id);
  return es;
}

Zcad::ErrorStatus ZcDbSymbolTable::newIterator(ZcDbSymbolTableIterator*& it, bool atBeginning,
                                               bool skipDeleted) const {
  ZcDbObjectIdArray ids;
  for (ZcDbObjectId r : records_)
    if (!skipDeleted || !r.isErased()) ids.append(r);
  it = new ZcDbSymbolTableIterator(ids);
  it->start(atBeginning);
  return Zcad::eOk;
}

ZcDbObjectIdArray ZcDbSymbolTable::recordIds() const {
  ZcDbObjectIdArray ids;
  for (ZcDbObjectId r : records_)
    if (!r.isErased()) ids.append(r);
  return ids;
}

void ZcDbSymbolTable::adoptRecord(ZcDbObjectId id) {
  records_.push_back(id);
  if (auto* rec = dynamic_cast<ZcDbSymbolTableRecord*>(zcdb::ObjectOf(id))) indexRecord(id, rec->name());
}

void ZcDbSymbolTable::forgetRecord(ZcDbObjectId id) {
  for (auto it = records_.begin(); it != records_.end(); ++it)
    if (*it == id) {
      records_.erase(it);
      if (auto* rec = dynamic_cast<ZcDbSymbolTableRecord*>(zcdb::ObjectOf(id))) unindexRecord(id, rec->name());
      return;
    }
}

void ZcDbSymbolTable::recordRenamed(ZcDbObjectId id, const std::wstring& oldName) {
  auto* rec = dynamic_cast<ZcDbSymbolTableRecord*>(zcdb::ObjectOf(id));
  // A record read from a file is adopted before its name is read: it had no name yet.
  bool member = oldName.empty() ? rec && rec->ownerId() == objectId() : unindexRecord(id, oldName);
  if (member && rec) indexRecord(id, rec->name());
}

// Records of one name are rare (an erased record and its successor, or a file's doubles):
// a list longer than one is put back in table order. A record without a name (not read
// yet) is not indexed.
void ZcDbSymbolTable::indexRecord(ZcDbObjectId id, const std::wstring& name) {
  if (name.empty()) return;
  std::vector<ZcDbObjectId>& list = byName_[zcdb::FoldKey(name)];
  list.push_back(id);
  if (list.size() < 2 || records_.back() == id) return;
  auto position = [&](ZcDbObjectId r) { return std::find(records_.begin(), records_.end(), r) - records_.begin(); };
  std::sort(list.begin(), list.end(), [&](ZcDbObjectId a, ZcDbObjectId b) { return position(a) < position(b); });
}

bool ZcDbSymbolTable::unindexRecord(ZcDbObjectId id, const std::wstring& name) {
  auto it = byName_.find(zcdb::FoldKey(name));
  if (it == byName_.end()) return false;
  auto& list = it->second;
  auto kept = std::remove(list.begin(), list.end(), id);
  bool found = kept != list.end();
  list.erase(kept, list.end());
  if (list.empty()) byName_.erase(it);
  return found;
}

// TABLE: 2 the table's name, then the common groups, 100 AcDbSymbolTable, 70 record count.
// Its records follow, and an ENDTAB record closes it.
void ZcDbSymbolTable::dxfOutFields(ZcDbDxfFiler* f) const {
  f->writeRaw(2, tableName());
  ZcDbObject::dxfOutFields(f);
  f->writeRaw(100, "AcDbSymbolTable");
  f->writeInt(70, recordIds().length());
}

Zcad::ErrorStatus ZcDbSymbolTableIterator::getRecordId(ZcDbObjectId& id) const {
  if (done()) return Zcad::eInvalidIndex;
  id = ids_.at(index_);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSymbolTableIterator::getRecord(ZcDbSymbolTableRecord*& record,
                                                     ZcDb::OpenMode mode, bool openErased) const {
  record = nullptr;
  if (done()) return Zcad::eInvalidIndex;
  return zcdbOpenObject(record, ids_.at(index_), mode, openErased);
}

bool ZcDbLayerTable::accepts(const ZcDbSymbolTableRecord* r) const { return r->isKindOf(ZcDbLayerTableRecord::desc()); }
bool ZcDbLinetypeTable::accepts(const ZcDbSymbolTableRecord* r) const { return r->isKindOf(ZcDbLinetypeTableRecord::desc()); }
bool ZcDbTextStyleTable::accepts(const ZcDbSymbolTableRecord* r) const { return r->isKindOf(ZcDbTextStyleTableRecord::desc()); }
bool ZcDbRegAppTable::accepts(const ZcDbSymbolTableRecord* r) const { return r->isKindOf(ZcDbRegAppTableRecord::desc()); }
bool ZcDbViewTable::accepts(const ZcDbSymbolTableRecord* r) const { return r->isKindOf(ZcDbViewTableRecord::desc()); }

// --- Layers ------------------------------------------------------------------------------------

ZcDbLayerTableRecord::ZcDbLayerTableRecord() { color_.setColorIndex(7); }

#define ZC_RECORD_SETTER(Class, Name, Type, Body)                      \
  Zcad::ErrorStatus Class::Name(Type v) {                              \
    if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es; \
    Body;                                                              \
    return Zcad::eOk;                                                  \
  }
ZC_RECORD_SETTER(ZcDbLayerTableRecord, setColor, const ZcCmColor&, color_ = v)
ZC_RECORD_SETTER(ZcDbLayerTableRecord, setIsOff, bool, off_ = v)
ZC_RECORD_SETTER(ZcDbLayerTableRecord, setIsFrozen, bool, flags_ = v ? flags_ | 1 : flags_ & ~1)
ZC_RECORD_SETTER(ZcDbLayerTableRecord, setIsLocked, bool, flags_ = v ? flags_ | 4 : flags_ & ~4)
ZC_RECORD_SETTER(ZcDbLayerTableRecord, setIsHidden, bool, hidden_ = v)
ZC_RECORD_SETTER(ZcDbLayerTableRecord, setIsPlottable, bool, plot_ = v)
ZC_RECORD_SETTER(ZcDbLayerTableRecord, setLinetypeObjectId, ZcDbObjectId, linetype_ = v)
ZC_RECORD_SETTER(ZcDbLayerTableRecord, setLineWeight, ZcDb::LineWeight, lineWeight_ = v)
ZC_RECORD_SETTER(ZcDbLinetypeTableRecord, setComments, const wchar_t*, comments_ = v ? v : L"")
ZC_RECORD_SETTER(ZcDbLinetypeTableRecord, setDashes, const std::vector<double>&, (dashes_ = v, elements_.clear()))
ZC_RECORD_SETTER(ZcDbTextStyleTableRecord, setFileName, const wchar_t*, font_ = v ? v : L"")
ZC_RECORD_SETTER(ZcDbViewTableRecord, setCenterPoint, const ZcGePoint2d&, center_ = v)
#undef ZC_RECORD_SETTER

bool ZcDbLayerTableRecord::isInUse() const {
  ZcDbDatabase* db = database();
  if (!db) return false;
  if (objectId() == db->layerZero() || objectId() == db->clayer()) return true;
  for (const auto& o : db->impl().slots) {
    auto* e = dynamic_cast<ZcDbEntity*>(o.get());
    // An attribute goes with its block reference: one of an erased reference is no use.
    if (e && !e->isErased() && e->layerId() == objectId() && !e->ownerId().isErased()) return true;
  }
  return false;
}

bool ZcDbLayerTableRecord::isReserved() const {
  ZcDbDatabase* db = database();
  return (db && objectId() == db->layerZero()) || zcdb::FoldKey(name()) == zcdb::FoldKey(L"DEFPOINTS");
}

Zcad::ErrorStatus ZcDbLayerTableRecord::subErase(bool erasing) {
  // An erased layer would leave its entities, or the drawing's current layer, on a layer
  // the saved file no longer has.
  if (erasing && (isReserved() || isInUse())) return Zcad::eObjectInUse;
  return Zcad::eOk;
}

ZcDbObject* ZcDbLayerTableRecord::cloneObject() const {
  auto* c = new ZcDbLayerTableRecord;
  copyRecordTo(c);
  c->color_ = color_;
  c->off_ = off_;
  c->hidden_ = hidden_;
  c->plot_ = plot_;
  c->linetype_ = linetype_;
  c->lineWeight_ = lineWeight_;
  return c;
}

void ZcDbLayerTableRecord::translateIds(ZcDbIdTranslator& t) { linetype_ = t.translate(linetype_); }

// LAYER: 62 colour (negative when the layer is off), 420 true colour, 6 linetype name,
// 290 0 when not plotted, 370 line weight, 390 plot style (the null handle).
void ZcDbLayerTableRecord::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbSymbolTableRecord::dxfOutFields(f);
  int c = color_.colorIndex() >= 1 && color_.colorIndex() <= 255 ? color_.colorIndex() : 7;
  f->writeInt(62, off_ ? -c : c);
  if (color_.hasTrueColor()) f->writeInt(420, color_.rgb());
  std::wstring lt = zcdb::RecordName(linetype_);
  f->writeString(6, lt.empty() ? L"Continuous" : lt);
  if (!plot_) f->writeInt(290, 0);
  f->writeInt(370, lineWeight_);
  f->writeHandle(390, 0);
}

Zcad::ErrorStatus ZcDbLayerTableRecord::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbSymbolTableRecord::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker(recordMarker());
  ZcDbDxfPair p;
  ZcDbDatabase* db = f->database();
  while (f->next(p)) {
    switch (p.code) {
      case 62: {
        long long c = f->toInt(p);
        off_ = c < 0;
        color_.setColorIndex(static_cast<std::uint16_t>(std::min<long long>(c < 0 ? -c : c, 255)));
        break;
      }
      case 420: {
        auto rgb = static_cast<std::uint32_t>(f->toInt(p));
        color_.setRGB(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
        break;
      }
      case 6: linetype_ = zcdb::RecordByName(db, db->linetypeTableId(), f->toString(p)); break;
      case 290: plot_ = f->toInt(p) != 0; break;
      case 370: {
        long long w = f->toInt(p);
        lineWeight_ = ZcDb::isValidLineWeight(w) ? static_cast<ZcDb::LineWeight>(w) : ZcDb::kLnWtByLwDefault;
        break;
      }
      default: break;
    }
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

// --- Linetypes ---------------------------------------------------------------------------------

double ZcDbLinetypeTableRecord::dashLengthAt(int i) const {
  return i >= 0 && i < numDashes() ? dashes_[i] : 0.0;
}

double ZcDbLinetypeTableRecord::patternLength() const {
  double n = 0;
  for (double d : dashes_) n += d < 0 ? -d : d;
  return n;
}

ZcDbObject* ZcDbLinetypeTableRecord::cloneObject() const {
  auto* c = new ZcDbLinetypeTableRecord;
  copyRecordTo(c);
  c->comments_ = comments_;
  c->dashes_ = dashes_;
  c->elements_ = elements_;
  return c;
}

void ZcDbLinetypeTableRecord::translateIds(ZcDbIdTranslator& t) {
  ZcDbSymbolTableRecord::translateIds(t);
  for (Element& e : elements_) e.style = t.translate(e.style);
}

// LTYPE: 3 description, 72 65 (alignment "A"), 73 dash count, 40 pattern length, then per
// dash 49 its length and 74 its element flags (0 a plain dash); a shape or a text after the
// dash (flags 2 or 4) with 75 shape number, 340 style, 46 scale, 50 rotation, 44/45 offset
// and, for a text, 9 the text.
void ZcDbLinetypeTableRecord::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbSymbolTableRecord::dxfOutFields(f);
  f->writeString(3, comments_);
  f->writeInt(72, 65);
  f->writeInt(73, numDashes());
  f->writeDouble(40, patternLength());
  for (std::size_t i = 0; i < dashes_.size(); ++i) {
    f->writeDouble(49, dashes_[i]);
    const Element* e = i < elements_.size() && (elements_[i].flags & 6) ? &elements_[i] : nullptr;
    f->writeInt(74, e ? e->flags : 0);
    if (!e) continue;
    f->writeInt(75, e->shape);
    f->writeObjectId(340, e->style);
    f->writeDouble(46, e->scale);
    f->writeDouble(50, e->rotation);
    f->writeDouble(44, e->x);
    f->writeDouble(45, e->y);
    if (e->flags & 2) f->writeString(9, e->text);
  }
}

Zcad::ErrorStatus ZcDbLinetypeTableRecord::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbSymbolTableRecord::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker(recordMarker());
  ZcDbDxfPair p;
  while (f->next(p)) {
    if (p.code == 3) comments_ = f->toString(p);
    else if (p.code == 49) dashes_.push_back(f->toDouble(p)), elements_.emplace_back();
    if (elements_.empty()) continue;
    Element& e = elements_.back();
    switch (p.code) {
      case 74: e.flags = f->toInt(p); break;
      case 75: e.shape = f->toInt(p); break;
      case 340: e.style = f->toObjectId(p); break;
      case 46: e.scale = f->toDouble(p); break;
      case 50: e.rotation = f->toDouble(p); break;
      case 44: e.x = f->toDouble(p); break;
      case 45: e.y = f->toDouble(p); break;
      case 9: e.text = f->toString(p); break;
      default: break;
    }
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

// --- Text styles -------------------------------------------------------------------------------

Zcad::ErrorStatus ZcDbTextStyleTableRecord::setTextSize(double size) {
  if (size < 0) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  size_ = size;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbTextStyleTableRecord::setXScale(double s) {
  if (!(s > 0)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  xScale_ = s;
  return Zcad::eOk;
}

ZcDbObject* ZcDbTextStyleTableRecord::cloneObject() const {
  auto* c = new ZcDbTextStyleTableRecord;
  copyRecordTo(c);
  c->size_ = size_;
  c->xScale_ = xScale_;
  c->oblique_ = oblique_;
  c->lastHeight_ = lastHeight_;
  c->font_ = font_;
  c->bigFont_ = bigFont_;
  return c;
}

// STYLE: 40 fixed height (0: variable), 41 width factor, 50 oblique angle, 71 0, 42 last
// height used, 3 font file, 4 big font file.
void ZcDbTextStyleTableRecord::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbSymbolTableRecord::dxfOutFields(f);
  f->writeDouble(40, size_);
  f->writeDouble(41, xScale_);
  f->writeDouble(50, oblique_);
  f->writeInt(71, 0);
  f->writeDouble(42, lastHeight_);
  f->writeString(3, font_);
  f->writeString(4, bigFont_);
}

Zcad::ErrorStatus ZcDbTextStyleTableRecord::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbSymbolTableRecord::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker(recordMarker());
  ZcDbDxfPair p;
  while (f->next(p)) {
    switch (p.code) {
      case 40: size_ = f->toDouble(p); break;
      case 41: xScale_ = f->toDouble(p); break;
      case 50: oblique_ = f->toDouble(p); break;
      case 42: lastHeight_ = f->toDouble(p); break;
      case 3: font_ = f->toString(p); break;
      case 4: bigFont_ = f->toString(p); break;
      default: break;
    }
  }
  if (size_ < 0) size_ = 0;
  if (!(xScale_ > 0)) xScale_ = 1;
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

// --- Applications ------------------------------------------------------------------------------

ZcDbObject* ZcDbRegAppTableRecord::cloneObject() const {
  auto* c = new ZcDbRegAppTableRecord;
  copyRecordTo(c);
  return c;
}

// APPID: the common record groups only.
void ZcDbRegAppTableRecord::dxfOutFields(ZcDbDxfFiler* f) const { ZcDbSymbolTableRecord::dxfOutFields(f); }

int zcdbRegApp(const wchar_t* app) {
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  if (!db || !ZcDbSymbolTableRecord::isValidName(app)) return RTERROR;
  auto* table = db->impl().objectAs<ZcDbSymbolTable>(db->regAppTableId());
  if (table->has(app)) return RTNORM;
  auto* r = new ZcDbRegAppTableRecord;
  r->setName(app);
  ZcDbObjectId id = db->impl().adopt(r, table->objectId());
  table->adoptRecord(id);
  return RTNORM;
}

// --- Views -------------------------------------------------------------------------------------

Zcad::ErrorStatus ZcDbViewTableRecord::setHeight(double h) {
  if (!(h > 0)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  height_ = h;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbViewTableRecord::setWidth(double w) {
  if (!(w > 0)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  width_ = w;
  return Zcad::eOk;
}

ZcDbObject* ZcDbViewTableRecord::cloneObject() const {
  auto* c = new ZcDbViewTableRecord;
  copyRecordTo(c);
  c->center_ = center_;
  c->height_ = height_;
  c->width_ = width_;
  c->target_ = target_;
  c->direction_ = direction_;
  return c;
}

// VIEW: 40 height, 10/20 centre, 41 width, 11/21/31 view direction, 12/22/32 target,
// 42 lens length, 43/44 clipping planes, 50 twist, 71 view mode.
void ZcDbViewTableRecord::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbSymbolTableRecord::dxfOutFields(f);
  f->writeDouble(40, height_);
  f->writePoint2d(10, center_);
  f->writeDouble(41, width_);
  f->writeVector3d(11, direction_);
  f->writePoint3d(12, target_);
  f->writeDouble(42, 50.0);
  f->writeDouble(43, 0.0);
  f->writeDouble(44, 0.0);
  f->writeDouble(50, 0.0);
  f->writeInt(71, 0);
}

Zcad::ErrorStatus ZcDbViewTableRecord::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbSymbolTableRecord::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker(recordMarker());
  ZcDbDxfPair p;
  while (f->next(p)) {
    switch (p.code) {
      case 40: height_ = f->toDouble(p); break;
      case 41: width_ = f->toDouble(p); break;
      case 10: {
        ZcGePoint3d c = f->toPoint3d(p);
        center_.set(c.x, c.y);
        break;
      }
      case 11: direction_ = f->toVector3d(p); break;
      case 12: target_ = f->toPoint3d(p); break;
      default: break;
    }
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

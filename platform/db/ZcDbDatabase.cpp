// The database object: its tables and dictionaries, current settings, the working
// database of the host, entity names and data lists.
#include "db/ZcDbDatabase.h"

#include <cstring>
#include <functional>

#include "db/DbInternal.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbDxfFiler.h"
#include "db/ZcDbSymbolTable.h"
#include "headless/Database.h"

namespace zcdb {
std::uint32_t RegisterDatabase(ZcDbDatabase* db);
void UnregisterDatabase(std::uint32_t serial);

ZcDbObjectId RecordByName(ZcDbDatabase* db, ZcDbObjectId table, const std::wstring& name) {
  if (!db || table.isNull() || table.databaseSerial() != db->serial()) return ZcDbObjectId();
  auto* t = db->impl().objectAs<ZcDbSymbolTable>(table);
  ZcDbObjectId id;
  return t && t->getAt(name.c_str(), id) == Zcad::eOk ? id : ZcDbObjectId();
}

std::wstring RecordName(ZcDbObjectId id) {
  ZcDbObject* o = ObjectOf(id);
  return o && o->isKindOf(ZcDbSymbolTableRecord::desc())
             ? static_cast<ZcDbSymbolTableRecord*>(o)->name()
             : std::wstring();
}
}  // namespace zcdb

ZCRX_DEFINE_MEMBERS(ZcDbDatabase, ZcRxObject)

ZcDbObjectId ZcDbDatabaseImpl::adopt(ZcDbObject* obj, ZcDbObjectId owner, std::uint64_t handle) {
  slots.emplace_back(obj);
  auto slot = static_cast<std::uint32_t>(slots.size());
  ZcDbObjectState& s = obj->state();
  s.db = self;
  s.id = ZcDbObjectId(serial, slot);
  s.owner = owner;
  s.handle = handle ? handle : handseed++;
  if (s.handle >= handseed) handseed = s.handle + 1;
  byHandle[s.handle] = slot;
  changing(obj);
  return s.id;
}

namespace {
template <class T>
ZcDbObjectId MakeTable(ZcDbDatabaseImpl& d, ZcDbObjectId& slot) {
  if (slot.isNull()) slot = d.adopt(new T, ZcDbObjectId());
  return slot;
}

template <class R>
ZcDbObjectId EnsureRecord(ZcDbDatabaseImpl& d, ZcDbObjectId tableId, const wchar_t* name,
                          const std::function<void(R*)>& init = nullptr) {
  auto* table = d.objectAs<ZcDbSymbolTable>(tableId);
  ZcDbObjectId id;
  if (table->getAt(name, id) == Zcad::eOk) return id;
  auto* r = new R;
  r->setName(name);
  if (init) init(r);
  id = d.adopt(r, tableId);
  table->adoptRecord(id);
  return id;
}

ZcDbObjectId EnsureDictionary(ZcDbDatabaseImpl& d, ZcDbObjectId parent, const wchar_t* key) {
  auto* dict = d.objectAs<ZcDbDictionary>(parent);
  ZcDbObjectId id;
  if (dict->getAt(key, id) == Zcad::eOk && id.objectClass()->isDerivedFrom(ZcDbDictionary::desc()))
    return id;
  id = d.adopt(new ZcDbDictionary, parent);
  dict->adoptEntry(key, id);
  return id;
}
}  // namespace

void ZcDbDatabaseImpl::completeDrawing() {
  completeTables();
  completeObjects();
}

void ZcDbDatabaseImpl::completeTables() {
  MakeTable<ZcDbBlockTable>(*this, blockTable);
  MakeTable<ZcDbLayerTable>(*this, layerTable);
  MakeTable<ZcDbLinetypeTable>(*this, linetypeTable);
  MakeTable<ZcDbTextStyleTable>(*this, textStyleTable);
  MakeTable<ZcDbRegAppTable>(*this, regAppTable);
  MakeTable<ZcDbViewTable>(*this, viewTable);
  modelSpace = EnsureRecord<ZcDbBlockTableRecord>(*this, blockTable, ZCDB_MODEL_SPACE);
  paperSpace = EnsureRecord<ZcDbBlockTableRecord>(*this, blockTable, ZCDB_PAPER_SPACE);
  byBlock = EnsureRecord<ZcDbLinetypeTableRecord>(*this, linetypeTable, L"ByBlock");
  byLayer = EnsureRecord<ZcDbLinetypeTableRecord>(*this, linetypeTable, L"ByLayer");
  continuous = EnsureRecord<ZcDbLinetypeTableRecord>(*this, linetypeTable, L"Continuous",
      [](ZcDbLinetypeTableRecord* r) { r->setComments(L"Solid line"); });
  ZcDbObjectId cont = continuous;
  layer0 = EnsureRecord<ZcDbLayerTableRecord>(*this, layerTable, L"0",
      [cont](ZcDbLayerTableRecord* r) {
        ZcCmColor white;
        white.setColorIndex(7);
        r->setColor(white);
        r->setLinetypeObjectId(cont);
      });
  standardStyle = EnsureRecord<ZcDbTextStyleTableRecord>(*this, textStyleTable, L"Standard");
  EnsureRecord<ZcDbRegAppTableRecord>(*this, regAppTable, L"ACAD");
}

void ZcDbDatabaseImpl::completeObjects() {
  if (nod.isNull()) nod = adopt(new ZcDbDictionary, ZcDbObjectId());
  groupDict = EnsureDictionary(*this, nod, L"ACAD_GROUP");
  if (clayer.isNull() || !clayer.isValid()) clayer = layer0;
  if (celtype.isNull() || !celtype.isValid()) celtype = byLayer;
  if (textstyle.isNull() || !textstyle.isValid()) textstyle = standardStyle;
}

ZcDbDatabase::ZcDbDatabase(bool buildDefaultDrawing, bool) : impl_(std::make_unique<ZcDbDatabaseImpl>()) {
  impl_->self = this;
  impl_->serial = zcdb::RegisterDatabase(this);
  if (buildDefaultDrawing) impl_->completeDrawing();
}

ZcDbDatabase::~ZcDbDatabase() {
  zcdb::UnregisterDatabase(impl_->serial);
  if (zcdbHostApplicationServices()->workingDatabase() == this)
    zcdbHostApplicationServices()->setWorkingDatabase(nullptr);
}

std::uint32_t ZcDbDatabase::serial() const { return impl_->serial; }
ZcDbObjectId ZcDbDatabase::blockTableId() const { return impl_->blockTable; }
ZcDbObjectId ZcDbDatabase::layerTableId() const { return impl_->layerTable; }
ZcDbObjectId ZcDbDatabase::linetypeTableId() const { return impl_->linetypeTable; }
ZcDbObjectId ZcDbDatabase::textStyleTableId() const { return impl_->textStyleTable; }
ZcDbObjectId ZcDbDatabase::regAppTableId() const { return impl_->regAppTable; }
ZcDbObjectId ZcDbDatabase::viewTableId() const { return impl_->viewTable; }
ZcDbObjectId ZcDbDatabase::namedObjectsDictionaryId() const { return impl_->nod; }
ZcDbObjectId ZcDbDatabase::groupDictionaryId() const { return impl_->groupDict; }
ZcDbObjectId ZcDbDatabase::modelSpaceId() const { return impl_->modelSpace; }
ZcDbObjectId ZcDbDatabase::paperSpaceId() const { return impl_->paperSpace; }
ZcDbObjectId ZcDbDatabase::currentSpaceId() const { return impl_->modelSpace; }
ZcDbObjectId ZcDbDatabase::byLayerLinetype() const { return impl_->byLayer; }
ZcDbObjectId ZcDbDatabase::byBlockLinetype() const { return impl_->byBlock; }
ZcDbObjectId ZcDbDatabase::continuousLinetype() const { return impl_->continuous; }
ZcDbObjectId ZcDbDatabase::layerZero() const { return impl_->layer0; }

namespace {
template <class T>
Zcad::ErrorStatus OpenAs(T*& out, ZcDbObjectId id, ZcDb::OpenMode mode) {
  out = nullptr;
  if (id.isNull()) return Zcad::eNullObjectId;
  return zcdbOpenObject(out, id, mode);
}
}  // namespace

Zcad::ErrorStatus ZcDbDatabase::getBlockTable(ZcDbBlockTable*& t, ZcDb::OpenMode m) const { return OpenAs(t, impl_->blockTable, m); }
Zcad::ErrorStatus ZcDbDatabase::getLayerTable(ZcDbLayerTable*& t, ZcDb::OpenMode m) const { return OpenAs(t, impl_->layerTable, m); }
Zcad::ErrorStatus ZcDbDatabase::getLinetypeTable(ZcDbLinetypeTable*& t, ZcDb::OpenMode m) const { return OpenAs(t, impl_->linetypeTable, m); }
Zcad::ErrorStatus ZcDbDatabase::getTextStyleTable(ZcDbTextStyleTable*& t, ZcDb::OpenMode m) const { return OpenAs(t, impl_->textStyleTable, m); }
Zcad::ErrorStatus ZcDbDatabase::getRegAppTable(ZcDbRegAppTable*& t, ZcDb::OpenMode m) const { return OpenAs(t, impl_->regAppTable, m); }
Zcad::ErrorStatus ZcDbDatabase::getViewTable(ZcDbViewTable*& t, ZcDb::OpenMode m) const { return OpenAs(t, impl_->viewTable, m); }
Zcad::ErrorStatus ZcDbDatabase::getNamedObjectsDictionary(ZcDbDictionary*& d, ZcDb::OpenMode m) const { return OpenAs(d, impl_->nod, m); }
Zcad::ErrorStatus ZcDbDatabase::getGroupDictionary(ZcDbDictionary*& d, ZcDb::OpenMode m) const { return OpenAs(d, impl_->groupDict, m); }

namespace {
template <class T>
Zcad::ErrorStatus SetRecord(ZcDbDatabase* db, ZcDbObjectId& slot, ZcDbObjectId id) {
  if (id.database() != db || !id.objectClass() || !id.objectClass()->isDerivedFrom(T::desc()))
    return Zcad::eInvalidInput;
  slot = id;
  return Zcad::eOk;
}
}  // namespace

ZcDbObjectId ZcDbDatabase::clayer() const { return impl_->clayer; }
Zcad::ErrorStatus ZcDbDatabase::setClayer(ZcDbObjectId id) { return SetRecord<ZcDbLayerTableRecord>(this, impl_->clayer, id); }
ZcCmColor ZcDbDatabase::cecolor() const { return impl_->cecolor; }
Zcad::ErrorStatus ZcDbDatabase::setCecolor(const ZcCmColor& c) { impl_->cecolor = c; return Zcad::eOk; }
ZcDbObjectId ZcDbDatabase::celtype() const { return impl_->celtype; }
Zcad::ErrorStatus ZcDbDatabase::setCeltype(ZcDbObjectId id) { return SetRecord<ZcDbLinetypeTableRecord>(this, impl_->celtype, id); }
double ZcDbDatabase::celtscale() const { return impl_->celtscale; }
ZcDb::LineWeight ZcDbDatabase::celweight() const { return impl_->celweight; }
Zcad::ErrorStatus ZcDbDatabase::setCelweight(ZcDb::LineWeight w) { impl_->celweight = w; return Zcad::eOk; }
ZcDbObjectId ZcDbDatabase::textstyle() const { return impl_->textstyle; }
Zcad::ErrorStatus ZcDbDatabase::setTextstyle(ZcDbObjectId id) { return SetRecord<ZcDbTextStyleTableRecord>(this, impl_->textstyle, id); }
double ZcDbDatabase::textsize() const { return impl_->textsize; }
double ZcDbDatabase::dimasz() const { return impl_->dimasz; }
double ZcDbDatabase::dimscale() const { return impl_->dimscale; }
double ZcDbDatabase::ltscale() const { return impl_->ltscale; }
ZcGePoint3d ZcDbDatabase::insbase() const { return impl_->insbase; }
Zcad::ErrorStatus ZcDbDatabase::setInsbase(const ZcGePoint3d& p) { impl_->insbase = p; return Zcad::eOk; }
ZcGePoint3d ZcDbDatabase::ucsorg() const { return impl_->ucsorg; }
Zcad::ErrorStatus ZcDbDatabase::setUcsorg(const ZcGePoint3d& origin) { impl_->ucsorg = origin; return Zcad::eOk; }

namespace {
Zcad::ErrorStatus SetPositive(double& slot, double v) {
  if (!(v > 0.0)) return Zcad::eInvalidInput;
  slot = v;
  return Zcad::eOk;
}
}  // namespace
Zcad::ErrorStatus ZcDbDatabase::setCeltscale(double s) { return SetPositive(impl_->celtscale, s); }
Zcad::ErrorStatus ZcDbDatabase::setTextsize(double h) { return SetPositive(impl_->textsize, h); }
Zcad::ErrorStatus ZcDbDatabase::setDimasz(double s) {
  if (s < 0.0) return Zcad::eInvalidInput;
  impl_->dimasz = s;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbDatabase::setDimscale(double s) {
  if (s < 0.0) return Zcad::eInvalidInput;
  impl_->dimscale = s;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDatabase::addZcDbObject(ZcDbObjectId& id, ZcDbObject* obj) {
  return zcdb::AddOpenForWrite(this, obj, ZcDbObjectId(), id);
}
Zcad::ErrorStatus ZcDbDatabase::addZcDbObject(ZcDbObject* obj) {
  ZcDbObjectId id;
  return addZcDbObject(id, obj);
}

Zcad::ErrorStatus ZcDbDatabase::getZcDbObjectId(ZcDbObjectId& id, bool, const ZcDbHandle& h) const {
  auto it = impl_->byHandle.find(h.value());
  if (h.isNull() || it == impl_->byHandle.end()) {
    id.setNull();
    return Zcad::eUnknownHandle;
  }
  id = ZcDbObjectId(impl_->serial, it->second);
  return Zcad::eOk;
}

int ZcDbDatabase::numOpenObjects() const { return impl_->openCount; }
int ZcDbDatabase::numObjects() const { return static_cast<int>(impl_->slots.size()); }
std::wstring ZcDbDatabase::readError() const { return impl_->readError; }
const wchar_t* ZcDbDatabase::originalFileName() const { return impl_->fileName.c_str(); }

// --- The working database ---------------------------------------------------------------------

namespace {
struct Working {
  ZcDbDatabase* db = nullptr;
  bool made = false;       // the host made one at first use
  bool cleared = false;    // set to null on purpose
  std::unique_ptr<ZcDbDatabase> owned;
};
Working& Work() {
  static Working w;
  return w;
}
}  // namespace

ZcDbDatabase* ZcDbHostApplicationServices::workingDatabase() const {
  Working& w = Work();
  if (!w.db && !w.made && !w.cleared) {
    w.made = true;
    w.owned = std::make_unique<ZcDbDatabase>(true, false);
    w.db = w.owned.get();
  }
  return w.db;
}

void ZcDbHostApplicationServices::setWorkingDatabase(ZcDbDatabase* db) {
  Working& w = Work();
  w.db = db;
  w.cleared = db == nullptr;
}

ZcDbHostApplicationServices* zcdbHostApplicationServices() {
  static ZcDbHostApplicationServices services;
  return &services;
}

namespace headless {
ZcDbDatabase* NewDrawing() {
  Working& w = Work();
  auto fresh = std::make_unique<ZcDbDatabase>(true, false);
  w.db = fresh.get();
  w.cleared = false;
  w.made = true;
  w.owned = std::move(fresh);  // deletes the drawing the host made before
  ResetDiagnostics();
  return w.db;
}

void SetDrawingPreview(ZcDbDatabase& db, std::vector<unsigned char> dib) { db.impl().preview = std::move(dib); }
}  // namespace headless

// --- Entity names and data lists ---------------------------------------------------------------

int zcdbHandEnt(const wchar_t* handle, ads_name entity) {
  entity[0] = entity[1] = 0;
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  ZcDbHandle h(handle);
  ZcDbObjectId id;
  if (!db || h.isNull() || db->getZcDbObjectId(id, false, h) != Zcad::eOk || id.isErased())
    return RTERROR;
  zcdbGetAdsName(entity, id);
  return RTNORM;
}

namespace {
// Splits DXF text made by a filer into groups.
std::vector<std::pair<int, std::string>> SplitGroups(const std::string& text) {
  std::vector<std::pair<int, std::string>> out;
  std::size_t pos = 0;
  auto line = [&](std::string& s) {
    std::size_t e = text.find('\n', pos);
    if (e == std::string::npos) return false;
    s.assign(text, pos, e - pos);
    pos = e + 1;
    return true;
  };
  std::string code, value;
  while (line(code) && line(value)) out.emplace_back(std::stoi(code), value);
  return out;
}

wchar_t* Dup(const std::wstring& s) {
  auto* p = static_cast<wchar_t*>(std::malloc((s.size() + 1) * sizeof(wchar_t)));
  std::memcpy(p, s.c_str(), (s.size() + 1) * sizeof(wchar_t));
  return p;
}
}  // namespace

resbuf* zcdbEntGet(const ads_name entity) {
  ZcDbObjectId id;
  if (zcdbGetObjectId(id, entity) != Zcad::eOk || id.isErased()) return nullptr;
  ZcDbObject* obj = zcdb::ObjectOf(id);
  std::string text;
  ZcDbDxfFiler out(text);
  obj->dxfOutFields(&out);
  obj->dxfOutXData(&out);
  ZcDbDatabase* db = id.database();

  resbuf* head = zcutNewRb(-1);
  zcdbGetAdsName(head->resval.rlname, id);
  resbuf* tail = head;
  auto push = [&](resbuf* rb) {
    tail->rbnext = rb;
    tail = rb;
  };
  resbuf* type = zcutNewRb(0);
  std::string name = obj->dxfName();
  type->resval.rstring = Dup(std::wstring(name.begin(), name.end()));
  push(type);

  auto groups = SplitGroups(text);
  for (std::size_t i = 0; i < groups.size(); ++i) {
    auto& [code, value] = groups[i];
    resbuf* rb = zcutNewRb(code);
    ZcDbDxfPair pair{code, value, 0};
    std::vector<ZcDbDxfPair> one{pair};
    ZcDbDxfFiler in(one, db);
    switch (zcResKind(code)) {
      case ZcResKind::Name: {
        ZcDbDxfPair p{code, value, 0};
        zcdbGetAdsName(rb->resval.rlname, in.toObjectId(p));
        break;
      }
      case ZcResKind::Real: rb->resval.rreal = in.toDouble(pair); break;
      case ZcResKind::Point: {
        for (int k = 0; k < 3 && i < groups.size() && groups[i].first == code + 10 * k; ++k, ++i) {
          ZcDbDxfPair p{groups[i].first, groups[i].second, 0};
          rb->resval.rpoint[k] = in.toDouble(p);
        }
        --i;
        break;
      }
      case ZcResKind::Int16: rb->resval.rint = static_cast<short>(in.toInt(pair)); break;
      case ZcResKind::Int32: rb->resval.rlong = static_cast<std::int32_t>(in.toInt(pair)); break;
      case ZcResKind::Int64: rb->resval.mnInt64 = in.toInt(pair); break;
      case ZcResKind::Binary: break;
      default: rb->resval.rstring = Dup(ZcDbDxfFiler::decodeText(value)); break;
    }
    push(rb);
  }
  return head;
}

// The core of the database: the registry of live databases, ids, handles, entity names,
// and the base object with its open protocol, XData and reactors.
//
// Open states of a resident object (ZcDbObjectState), with the function making each move:
//   closed --Open(kForRead)--> read(1) --Open(kForRead)--> read(n+1)
//   closed --Open(kForWrite)--> write;  read(n) --Open(kForWrite)/upgradeOpen--> write
//   read(n) --close--> read(n-1) or closed;  write --close--> closed
//   write --downgradeOpen--> read(1);  closed --close--> closed (eWasNotOpen, counted)
// openCount of the database follows the closed <-> open edges.
#include <cassert>
#include <cstring>
#include <map>

#include "db/DbInternal.h"
#include "db/ZcDbDxfFiler.h"
#include "headless/Database.h"
#include "mfc/TextFold.h"
#include "win32/FilePaths.h"

namespace {
struct Registry {
  std::map<std::uint32_t, ZcDbDatabase*> live;
  /// The database found last (serial 0: none): nearly every id asked about is of the one
  /// drawing at work. Forgotten whenever `live` changes.
  std::uint32_t lastSerial = 0;
  ZcDbDatabase* lastDb = nullptr;
  std::uint32_t nextSerial = 1;
  int writeViolations = 0;
  int strayCloses = 0;
};
// Never destroyed: databases owned by other statics (the working drawing) unregister
// themselves during exit, whatever the order statics go in.
Registry& Reg() {
  static Registry* r = new Registry;
  return *r;
}
}  // namespace

namespace zcdb {
std::uint32_t RegisterDatabase(ZcDbDatabase* db) {
  std::uint32_t serial = Reg().nextSerial++;
  Reg().live[serial] = db;
  Reg().lastSerial = 0;
  return serial;
}
void UnregisterDatabase(std::uint32_t serial) {
  Reg().live.erase(serial);
  Reg().lastSerial = 0;
}
void RebindDatabase(std::uint32_t serial, ZcDbDatabase* db) {
  Reg().live[serial] = db;
  Reg().lastSerial = 0;
}

ZcDbDatabase* DatabaseBySerial(std::uint32_t serial) {
  Registry& r = Reg();
  if (serial != 0 && serial == r.lastSerial) return r.lastDb;
  auto it = r.live.find(serial);
  if (it == r.live.end()) return nullptr;
  r.lastSerial = serial;
  r.lastDb = it->second;
  return it->second;
}

ZcDbObject* ObjectOf(ZcDbObjectId id) {
  if (id.isNull()) return nullptr;
  ZcDbDatabase* db = DatabaseBySerial(id.databaseSerial());
  return db ? db->impl().object(id.slot()) : nullptr;
}

void CountWriteViolation() { ++Reg().writeViolations; }
void CountStrayClose() { ++Reg().strayCloses; }

std::wstring FoldKey(const std::wstring& name) {
  bool ascii = true;
  for (wchar_t c : name)
    if (c >= 0x80) { ascii = false; break; }
  if (!ascii) return platform::ToUpper(name);
  std::wstring out(name);
  for (wchar_t& c : out)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
  return out;
}

Zcad::ErrorStatus Open(ZcDbObject* obj, ZcDb::OpenMode mode, bool openErased) {
  ZcDbObjectState& s = obj->state();
  if (s.erased && !openErased) return Zcad::eWasErased;
  if (s.writer) return Zcad::eWasOpenForWrite;
  if (mode == ZcDb::kForWrite) {
    if (s.readers == 0) ++s.db->impl().openCount;
    s.readers = 0;  // an upgrade in place: one close closes it
    s.writer = true;
    s.db->impl().spatial.Opened(obj);
    s.db->impl().changing(obj);
    return Zcad::eOk;
  }
  if (s.readers == 0) ++s.db->impl().openCount;
  ++s.readers;
  return Zcad::eOk;
}

Zcad::ErrorStatus AddOpenForWrite(ZcDbDatabase* db, ZcDbObject* obj, ZcDbObjectId owner,
                                  ZcDbObjectId& id) {
  if (!db) return Zcad::eNoDatabase;
  if (!obj) return Zcad::eNullObjectPointer;
  if (obj->state().db) return Zcad::eAlreadyInDb;
  id = db->impl().adopt(obj, owner);
  obj->state().writer = true;
  ++db->impl().openCount;
  db->impl().spatial.Opened(obj);
  obj->onAddedToDatabase();
  return Zcad::eOk;
}

ZcDbDatabase* DatabaseFor(const ZcDbObject* obj) {
  return obj->database() ? obj->database() : zcdbHostApplicationServices()->workingDatabase();
}
}  // namespace zcdb

namespace headless {
int OpenObjectCount(const ZcDbDatabase* db) {
  if (db) return db->numOpenObjects();
  int n = 0;
  for (auto& [serial, d] : Reg().live) n += d->numOpenObjects();
  return n;
}
int WriteViolations() { return Reg().writeViolations; }
int StrayCloses() { return Reg().strayCloses; }
void ResetDiagnostics() { Reg().writeViolations = Reg().strayCloses = 0; }
}  // namespace headless

// --- Handles, ids and names ---------------------------------------------------------------

ZcDbHandle::ZcDbHandle(const wchar_t* hex) {
  if (!hex || !*hex) return;
  std::uint64_t v = 0;
  int digits = 0;
  for (const wchar_t* p = hex; *p; ++p) {
    int d = (*p >= L'0' && *p <= L'9') ? *p - L'0'
            : (*p >= L'a' && *p <= L'f') ? *p - L'a' + 10
            : (*p >= L'A' && *p <= L'F') ? *p - L'A' + 10
                                         : -1;
    if (d < 0 || ++digits > 16) return;
    v = v * 16 + d;
  }
  value_ = v;
}

bool ZcDbHandle::getIntoAsciiBuffer(wchar_t* buffer, std::size_t size) const {
  wchar_t tmp[17];
  int n = 0;
  std::uint64_t v = value_;
  do {
    int d = static_cast<int>(v & 15);
    tmp[n++] = static_cast<wchar_t>(d < 10 ? L'0' + d : L'A' + d - 10);
    v >>= 4;
  } while (v);
  if (!buffer || size < static_cast<std::size_t>(n) + 1) {
    if (buffer && size) buffer[0] = 0;
    return false;
  }
  for (int i = 0; i < n; ++i) buffer[i] = tmp[n - 1 - i];
  buffer[n] = 0;
  return true;
}

const ZcDbObjectId ZcDbObjectId::kNull;

bool ZcDbObjectId::isValid() const { return zcdb::ObjectOf(*this) != nullptr; }
bool ZcDbObjectId::isErased() const {
  ZcDbObject* o = zcdb::ObjectOf(*this);
  return o && o->state().erased;
}
ZcDbDatabase* ZcDbObjectId::database() const {
  return isNull() ? nullptr : zcdb::DatabaseBySerial(db_);
}
ZcDbHandle ZcDbObjectId::handle() const {
  ZcDbObject* o = zcdb::ObjectOf(*this);
  return o ? ZcDbHandle(o->state().handle) : ZcDbHandle();
}
const ZcRxClass* ZcDbObjectId::objectClass() const {
  ZcDbObject* o = zcdb::ObjectOf(*this);
  return o ? o->isA() : nullptr;
}

Zcad::ErrorStatus zcdbGetAdsName(ads_name name, ZcDbObjectId id) {
  name[0] = id.databaseSerial();
  name[1] = id.slot();
  return Zcad::eOk;
}

Zcad::ErrorStatus zcdbGetObjectId(ZcDbObjectId& id, const ads_name name) {
  id.setNull();
  if (!name || name[0] <= 0 || name[1] <= 0 || name[0] > UINT32_MAX || name[1] > UINT32_MAX)
    return Zcad::eInvalidAdsName;
  ZcDbObjectId candidate(static_cast<std::uint32_t>(name[0]), static_cast<std::uint32_t>(name[1]));
  if (!candidate.isValid()) return Zcad::eInvalidAdsName;
  id = candidate;
  return Zcad::eOk;
}

// --- Opening -------------------------------------------------------------------------------

Zcad::ErrorStatus zcdbOpenObject(ZcDbObject*& obj, ZcDbObjectId id, ZcDb::OpenMode mode,
                                 bool openErased) {
  obj = nullptr;
  if (id.isNull()) return Zcad::eNullObjectId;
  ZcDbObject* o = zcdb::ObjectOf(id);
  if (!o) return Zcad::eInvalidObjectId;
  if (mode != ZcDb::kForRead && mode != ZcDb::kForWrite) return Zcad::eInvalidOpenState;
  Zcad::ErrorStatus es = zcdb::Open(o, mode, openErased);
  if (es == Zcad::eOk) obj = o;
  return es;
}

// --- The base object -----------------------------------------------------------------------

ZcRxClass* ZcDbObject::desc() {
  static ZcRxClass cls(L"ZcDbObject", ZcRxObject::desc());
  return &cls;
}
const ZcRxClass* ZcDbObject::isA() const { return ZcDbObject::desc(); }

ZcDbObject::ZcDbObject() : state_(std::make_unique<ZcDbObjectState>()) {}
ZcDbObject::~ZcDbObject() = default;

ZcDbObjectId ZcDbObject::objectId() const { return state_->id; }
ZcDbObjectId ZcDbObject::ownerId() const { return state_->owner; }
Zcad::ErrorStatus ZcDbObject::setOwnerId(ZcDbObjectId owner) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  state_->owner = owner;
  return Zcad::eOk;
}
ZcDbDatabase* ZcDbObject::database() const { return state_->db; }
void ZcDbObject::getZcDbHandle(ZcDbHandle& handle) const { handle = ZcDbHandle(state_->handle); }
ZcDbHandle ZcDbObject::handle() const { return ZcDbHandle(state_->handle); }

Zcad::ErrorStatus ZcDbObject::close() {
  ZcDbObjectState& s = *state_;
  if (!s.db) return Zcad::eOk;
  if (s.writer) {
    s.writer = false;
    --s.db->impl().openCount;
    s.db->impl().spatial.Closed(this);
    s.db->impl().changing(this);
    return Zcad::eOk;
  }
  if (s.readers > 0) {
    if (--s.readers == 0) --s.db->impl().openCount;
    return Zcad::eOk;
  }
  zcdb::CountStrayClose();
  return Zcad::eWasNotOpen;
}

Zcad::ErrorStatus ZcDbObject::upgradeOpen() {
  if (!state_->db || state_->writer) return state_->db ? Zcad::eWasOpenForWrite : Zcad::eOk;
  if (state_->readers == 0) return Zcad::eWasNotOpen;
  state_->readers = 0;
  state_->writer = true;
  state_->db->impl().spatial.Opened(this);
  state_->db->impl().changing(this);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbObject::downgradeOpen() {
  if (!state_->db) return Zcad::eOk;
  if (!state_->writer) return Zcad::eWasNotOpenForWrite;
  state_->writer = false;
  state_->readers = 1;
  state_->db->impl().spatial.Closed(this);
  state_->db->impl().changing(this);
  return Zcad::eOk;
}

bool ZcDbObject::isReadEnabled() const { return !state_->db || state_->readers > 0 || state_->writer; }
bool ZcDbObject::isWriteEnabled() const { return !state_->db || state_->writer; }
bool ZcDbObject::isNewObject() const { return state_->db == nullptr; }
ZcDb::OpenMode ZcDbObject::openMode() const {
  if (!state_->db) return ZcDb::kNotOpen;
  return state_->writer ? ZcDb::kForWrite : state_->readers ? ZcDb::kForRead : ZcDb::kNotOpen;
}
int ZcDbObject::numReaders() const { return state_->readers; }

Zcad::ErrorStatus ZcDbObject::assertWrite() const {
  if (isWriteEnabled()) return Zcad::eOk;
  zcdb::CountWriteViolation();
  return Zcad::eWasNotOpenForWrite;
}

Zcad::ErrorStatus ZcDbObject::erase(bool erasing) {
  if (!state_->db) return Zcad::eNotInDatabase;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  if (state_->erased == erasing) return erasing ? Zcad::eWasErased : Zcad::eOk;
  if (Zcad::ErrorStatus es = subErase(erasing); es != Zcad::eOk) return es;
  state_->erased = erasing;
  return Zcad::eOk;
}
bool ZcDbObject::isErased() const { return state_->erased; }

void ZcDbObject::addPersistentReactor(ZcDbObjectId reactor) {
  for (ZcDbObjectId r : state_->reactors)
    if (r == reactor) return;
  state_->reactors.push_back(reactor);
}
Zcad::ErrorStatus ZcDbObject::removePersistentReactor(ZcDbObjectId reactor) {
  auto& v = state_->reactors;
  for (auto it = v.begin(); it != v.end(); ++it)
    if (*it == reactor) {
      v.erase(it);
      return Zcad::eOk;
    }
  return Zcad::eKeyNotFound;
}
ZcDbObjectIdArray ZcDbObject::getPersistentReactors() const {
  ZcDbObjectIdArray ids;
  for (ZcDbObjectId r : state_->reactors)
    if (r.isValid() && !r.isErased()) ids.append(r);
  return ids;
}

ZcDbObjectId ZcDbObject::extensionDictionary() const { return state_->xdict; }

ZcDbObject* ZcDbObject::cloneObject() const { return nullptr; }
const char* ZcDbObject::dxfName() const { return ""; }
void ZcDbObject::translateIds(ZcDbIdTranslator&) {}

void ZcDbObject::copyXDataTo(ZcDbObject* other) const { other->state_->xdata = state_->xdata; }

// --- XData -----------------------------------------------------------------------------------
// An object's XData is a list of applications, each with its items, kept in the order the
// applications were first given. In a data list and in a file each application is a 1001
// item (the name) followed by its items (codes 1000-1071).

namespace {
void ItemToResbuf(const ZcDbXDataItem& item, resbuf* rb) {
  switch (zcResKind(item.code)) {
    case ZcResKind::String:
    case ZcResKind::Handle: {
      std::size_t n = item.text.size() + 1;
      rb->resval.rstring = static_cast<wchar_t*>(std::malloc(n * sizeof(wchar_t)));
      std::memcpy(rb->resval.rstring, item.text.c_str(), n * sizeof(wchar_t));
      break;
    }
    case ZcResKind::Real: rb->resval.rreal = item.v[0]; break;
    case ZcResKind::Point:
      for (int k = 0; k < 3; ++k) rb->resval.rpoint[k] = item.v[k];
      break;
    case ZcResKind::Int16: rb->resval.rint = static_cast<short>(item.i); break;
    case ZcResKind::Int32: rb->resval.rlong = static_cast<std::int32_t>(item.i); break;
    case ZcResKind::Binary:
      rb->resval.rbinary.clen = static_cast<short>(item.bytes.size());
      rb->resval.rbinary.buf = static_cast<char*>(std::malloc(item.bytes.size() + 1));
      std::memcpy(rb->resval.rbinary.buf, item.bytes.data(), item.bytes.size());
      break;
    default: rb->resval.mnInt64 = item.i; break;
  }
}

bool ItemFromResbuf(const resbuf* rb, ZcDbXDataItem& item) {
  item.code = rb->restype;
  switch (zcResKind(rb->restype)) {
    case ZcResKind::String:
    case ZcResKind::Handle:
      item.text = rb->resval.rstring ? rb->resval.rstring : L"";
      return true;
    case ZcResKind::Real: item.v[0] = rb->resval.rreal; return zcdb::Finite(item.v[0]);
    case ZcResKind::Point:
      for (int k = 0; k < 3; ++k) item.v[k] = rb->resval.rpoint[k];
      return zcdb::Finite(item.v[0], item.v[1], item.v[2]);
    case ZcResKind::Int16: item.i = rb->resval.rint; return true;
    case ZcResKind::Int32: item.i = rb->resval.rlong; return true;
    case ZcResKind::Binary:
      if (rb->resval.rbinary.clen < 0) return false;
      item.bytes.assign(rb->resval.rbinary.buf ? rb->resval.rbinary.buf : "",
                        rb->resval.rbinary.buf ? rb->resval.rbinary.clen : 0);
      return true;
    default: return false;
  }
}

int ItemSize(const ZcDbXDataItem& item) {
  switch (zcResKind(item.code)) {
    case ZcResKind::String: return 2 + static_cast<int>(platform::ToUtf8(item.text).size()) + 2;
    case ZcResKind::Handle: return 2 + 8;
    case ZcResKind::Real: return 2 + 8;
    case ZcResKind::Point: return 2 + 24;
    case ZcResKind::Int16: return 2 + 2;
    case ZcResKind::Int32: return 2 + 4;
    case ZcResKind::Binary: return 2 + static_cast<int>(item.bytes.size()) + 1;
    default: return 2;
  }
}

int XDataSize(const std::vector<ZcDbXDataApp>& apps) {
  int n = 0;
  for (const auto& a : apps) {
    n += 2 + 8;  // the application item: its code and the application's handle
    for (const auto& item : a.items) n += ItemSize(item);
  }
  return n;
}

bool IsRegistered(ZcDbDatabase* db, const std::wstring& app) {
  return db && !zcdb::RecordByName(db, db->regAppTableId(), app).isNull();
}
}  // namespace

resbuf* ZcDbObject::xData(const wchar_t* app) const {
  resbuf* head = nullptr;
  resbuf** tail = &head;
  std::wstring want = app ? zcdb::FoldKey(app) : L"";
  for (const auto& a : state_->xdata) {
    if (app && zcdb::FoldKey(a.app) != want) continue;
    resbuf* rb = zcutNewRb(1001);
    std::size_t n = a.app.size() + 1;
    rb->resval.rstring = static_cast<wchar_t*>(std::malloc(n * sizeof(wchar_t)));
    std::memcpy(rb->resval.rstring, a.app.c_str(), n * sizeof(wchar_t));
    *tail = rb;
    tail = &rb->rbnext;
    for (const auto& item : a.items) {
      resbuf* r = zcutNewRb(item.code);
      ItemToResbuf(item, r);
      *tail = r;
      tail = &r->rbnext;
    }
  }
  return head;
}

namespace {
int xDataWritesUntilFault = 0;  // the countdown of headless::FailXDataWrite; 0: none pending
}  // namespace

namespace headless {
void FailXDataWrite(int nth) { xDataWritesUntilFault = nth > 0 ? nth : 0; }
}  // namespace headless

Zcad::ErrorStatus ZcDbObject::setXData(const resbuf* list) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  if (xDataWritesUntilFault > 0 && --xDataWritesUntilFault == 0) return Zcad::eOutOfMemory;
  if (!list || list->restype != 1001) return Zcad::eInvalidInput;
  ZcDbDatabase* db = zcdb::DatabaseFor(this);
  std::vector<ZcDbXDataApp> given;
  for (const resbuf* rb = list; rb; rb = rb->rbnext) {
    if (rb->restype == 1001) {
      if (!rb->resval.rstring || !*rb->resval.rstring) return Zcad::eInvalidInput;
      given.push_back({rb->resval.rstring, {}});
      continue;
    }
    if (rb->restype < 1000 || rb->restype > 1071) return Zcad::eInvalidInput;
    ZcDbXDataItem item;
    if (!ItemFromResbuf(rb, item)) return Zcad::eInvalidInput;
    given.back().items.push_back(std::move(item));
  }
  std::vector<ZcDbXDataApp> merged = state_->xdata;
  for (auto& g : given) {
    if (!IsRegistered(db, g.app)) return Zcad::eRegappIdNotFound;
    std::wstring key = zcdb::FoldKey(g.app);
    auto it = merged.begin();
    while (it != merged.end() && zcdb::FoldKey(it->app) != key) ++it;
    if (g.items.empty()) {
      if (it != merged.end()) merged.erase(it);
    } else if (it != merged.end()) {
      it->items = std::move(g.items);
    } else {
      merged.push_back(std::move(g));
    }
  }
  if (XDataSize(merged) > kZcDbMaxXDataBytes) return Zcad::eXdataSizeExceeded;
  state_->xdata = std::move(merged);
  return Zcad::eOk;
}

int ZcDbObject::xDataSize() const { return XDataSize(state_->xdata); }

// --- Filing of the common part -----------------------------------------------------------------
// Every record starts:   5 handle
//                        102 {ACAD_REACTORS  330 reactor ...  102 }   (when it has reactors)
//                        102 {ACAD_XDICTIONARY  360 dictionary  102 } (when it has one)
//                        330 owner
// and ends with its XData: per application 1001 name, then the items with their codes
// (1010-1013 points as three groups; 1004 chunks as hex text).

void ZcDbObject::dxfOutFields(ZcDbDxfFiler* f) const {
  f->writeHandle(5, state_->handle);
  ZcDbObjectIdArray reactors = getPersistentReactors();
  if (!reactors.isEmpty()) {
    f->writeRaw(102, "{ACAD_REACTORS");
    for (ZcDbObjectId r : reactors) f->writeObjectId(330, r);
    f->writeRaw(102, "}");
  }
  if (!state_->xdict.isNull() && !state_->xdict.isErased()) {
    f->writeRaw(102, "{ACAD_XDICTIONARY");
    f->writeObjectId(360, state_->xdict);
    f->writeRaw(102, "}");
  }
  f->writeObjectId(330, state_->owner);
}

void ZcDbObject::dxfOutXData(ZcDbDxfFiler* f) const {
  static const char kHex[] = "0123456789ABCDEF";
  for (const auto& a : state_->xdata) {
    f->writeString(1001, a.app);
    for (const auto& item : a.items) {
      switch (zcResKind(item.code)) {
        case ZcResKind::String:
        case ZcResKind::Handle: f->writeString(item.code, item.text); break;
        case ZcResKind::Real: f->writeDouble(item.code, item.v[0]); break;
        case ZcResKind::Point:
          f->writePoint3d(item.code, ZcGePoint3d(item.v[0], item.v[1], item.v[2]));
          break;
        case ZcResKind::Binary: {
          std::string hex;
          for (unsigned char c : item.bytes) {
            hex.push_back(kHex[c >> 4]);
            hex.push_back(kHex[c & 15]);
          }
          f->writeRaw(item.code, hex);
          break;
        }
        default: f->writeInt(item.code, item.i); break;
      }
    }
  }
}

namespace {
// One XData item at the filer's cursor; false (and the filer's error) for a code outside XData.
bool ReadXDataItem(ZcDbDxfFiler* f, const ZcDbDxfPair& p, ZcDbXDataItem& item) {
  if (p.code < 1000 || p.code > 1071) {
    f->setError(p.line, L"group code " + std::to_wstring(p.code) + L" inside XData");
    return false;
  }
  item.code = p.code;
  switch (zcResKind(p.code)) {
    case ZcResKind::String:
    case ZcResKind::Handle: item.text = f->toString(p); break;
    case ZcResKind::Real: item.v[0] = f->toDouble(p); break;
    case ZcResKind::Point: {
      ZcGePoint3d pt = f->toPoint3d(p);
      item.v[0] = pt.x, item.v[1] = pt.y, item.v[2] = pt.z;
      break;
    }
    case ZcResKind::Binary: {
      auto nib = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
      for (std::size_t k = 0; k + 1 < p.value.size(); k += 2)
        item.bytes.push_back(static_cast<char>(nib(p.value[k]) * 16 + nib(p.value[k + 1])));
      break;
    }
    default: item.i = f->toInt(p); break;
  }
  return true;
}
}  // namespace

Zcad::ErrorStatus ZcDbObject::dxfInFields(ZcDbDxfFiler* f) {
  f->rewind();
  ZcDbDxfPair p{0, {}, 0};
  std::string_view group;
  bool more = false;
  while ((more = f->nextAny(p))) {  // the common part, up to the first subclass marker
    if (p.code == 100 || p.code == 1001) break;
    if (p.code == 102) {
      group = p.value == "}" ? std::string_view() : p.value;
    } else if (p.code == 330 && group == "{ACAD_REACTORS") {
      ZcDbObjectId r = f->toObjectId(p);
      if (!r.isNull()) addPersistentReactor(r);
    } else if (p.code == 360 && group == "{ACAD_XDICTIONARY") {
      state_->xdict = f->toObjectId(p);
    }
  }
  while (more && p.code != 1001) more = f->nextAny(p);  // skip the subclass groups
  while (more) {
    if (p.code == 1001) {
      state_->xdata.push_back({f->toString(p), {}});
    } else {
      ZcDbXDataItem item;
      if (!ReadXDataItem(f, p, item)) return Zcad::eBadDxfFile;
      state_->xdata.back().items.push_back(std::move(item));
    }
    more = f->nextAny(p);
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

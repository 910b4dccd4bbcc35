// Writes a database as a DXF file (AC1015, ASCII): the layout a reader of this format
// expects, in this order -
//   HEADER   $ACADVER AC1015, $DWGCODEPAGE ANSI_1250, $INSBASE, $UCSORG, $CLAYER, $CELTYPE, $CECOLOR,
//            $CELTSCALE, $CELWEIGHT, $TEXTSTYLE, $TEXTSIZE, $DIMASZ, $DIMSCALE, $LTSCALE,
//            $HANDSEED (above every handle of the file)
//   CLASSES  the CLASS records of the file read, as read
//   TABLES   VPORT, LTYPE, LAYER, STYLE, VIEW, UCS, APPID, DIMSTYLE, BLOCK_RECORD; each a
//            TABLE record, its records, ENDTAB (VPORT, UCS and DIMSTYLE empty unless the file
//            read held them: tables of kinds not modelled are written back as read, the
//            others after APPID)
//   BLOCKS   per block record: BLOCK, its entities (none for the two spaces), ENDBLK
//   ENTITIES the entities of model space, then of paper space
//   OBJECTS  the named-objects dictionary first, then every other live object
// Each entity or object writes its own groups (see its dxfOutFields). Records the database
// does not keep as objects (empty tables, BLOCK/ENDBLK, VERTEX, SEQEND) get handles above
// the database's own, given afresh at each save. A save goes through a file that replaces
// the target only once all of it is on the disk.
#include <algorithm>
#include <set>
#include <vector>

#include "db/DbInternal.h"
#include "db/ZcDb2dPolyline.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbDxfFiler.h"
#include "db/ZcDbOpaqueEntity.h"
#include "db/ZcDbText.h"
#include "win32/ReplacingFile.h"

namespace {

class DxfWriter {
public:
  // The whole text in one string, or (given a file) written through a buffer of kChunk.
  explicit DxfWriter(const ZcDbDatabase& db, platform::ReplacingFile* file = nullptr) : d_(db.impl()), f_(out_), file_(file) {
    out_.reserve(file ? kChunk + (1 << 16) : std::max<std::size_t>(1 << 16, d_.slots.size() * 256));
    next_ = d_.handseed;
  }

  // Writes the text to the file; false when the file refused a part of it, or when the
  // drawing held a number no file can (the file would not read back).
  bool runToFile() {
    write();
    return drain() && !f_.hasError();
  }

  // Why the drawing could not be written as held ("" when the file refused the text).
  const std::wstring& refusal() const { return f_.error(); }

  std::string run() {
    write();
    return std::move(out_);
  }

private:
  void write() {
    header();
    section("CLASSES");
    for (const zcdb::OpaqueGroups& c : d_.classes) {
      f_.writeRaw(0, "CLASS");
      c.writeBody(&f_);
    }
    endsec();
    tables();
    blocks();
    entities();
    objects();
    preview();
    f_.writeRaw(0, "EOF");
  }

  // The preview, its byte count in 90 and its bytes as hex text, 127 to a 310 group.
  void preview() {
    const std::vector<unsigned char>& dib = d_.preview;
    if (dib.empty()) return;
    section("THUMBNAILIMAGE");
    f_.writeInt(90, static_cast<long long>(dib.size()));
    static const char hex[] = "0123456789ABCDEF";
    std::string line;
    for (std::size_t i = 0; i < dib.size(); i += 127) {
      line.clear();
      for (std::size_t k = i; k < std::min(dib.size(), i + 127); ++k) {
        line += hex[dib[k] >> 4];
        line += hex[dib[k] & 15];
      }
      f_.writeRaw(310, line);
    }
    endsec();
  }

  static constexpr std::size_t kChunk = 1 << 20;

  bool drain() {
    if (!file_ || out_.empty()) return ok_;
    if (!file_->Write(out_.data(), out_.size())) ok_ = false;
    out_.clear();
    return ok_;
  }
  void spill() {
    if (file_ && out_.size() >= kChunk) drain();
  }

  void section(const char* name) {
    f_.writeRaw(0, "SECTION");
    f_.writeRaw(2, name);
  }
  void endsec() { f_.writeRaw(0, "ENDSEC"); }

  void header() {
    section("HEADER");
    auto var = [&](const char* name) { f_.writeRaw(9, name); };
    var("$ACADVER");
    f_.writeRaw(1, "AC1015");
    var("$DWGCODEPAGE");
    f_.writeRaw(3, "ANSI_1250");
    var("$INSBASE");
    f_.writePoint3d(10, d_.insbase);
    var("$UCSORG");
    f_.writePoint3d(10, d_.ucsorg);
    var("$CLAYER");
    f_.writeString(8, zcdb::RecordName(d_.clayer));
    var("$CELTYPE");
    f_.writeString(6, zcdb::RecordName(d_.celtype));
    var("$CECOLOR");
    f_.writeInt(62, d_.cecolor.colorIndex());
    var("$CELTSCALE");
    f_.writeDouble(40, d_.celtscale);
    var("$CELWEIGHT");
    f_.writeInt(370, d_.celweight);
    var("$TEXTSTYLE");
    f_.writeString(7, zcdb::RecordName(d_.textstyle));
    var("$TEXTSIZE");
    f_.writeDouble(40, d_.textsize);
    var("$DIMASZ");
    f_.writeDouble(40, d_.dimasz);
    var("$DIMSCALE");
    f_.writeDouble(40, d_.dimscale);
    var("$LTSCALE");
    f_.writeDouble(40, d_.ltscale);
    // The records given handles at this save are counted before the seed is written.
    var("$HANDSEED");
    f_.writeHandle(5, d_.handseed + syntheticCount());
    endsec();
  }

  // VPORT, UCS, DIMSTYLE tables; BLOCK and ENDBLK per block; VERTEX and SEQEND records.
  // The same walk notes the objects of the OBJECTS section, in slot order.
  std::uint64_t syntheticCount() {
    std::uint64_t n = 0;
    for (const char* name : {"VPORT", "UCS", "DIMSTYLE"}) n += keptTable(name) ? 0 : 1;
    std::set<const ZcDbObject*> inTables;  // written in the TABLES section, not as objects
    for (const auto& t : d_.keptTables) {
      inTables.insert(d_.object(t.head.slot()));
      for (ZcDbObjectId r : t.records) inTables.insert(d_.object(r.slot()));
    }
    for (const auto& o : d_.slots) {
      if (o->isErased() || inTables.count(o.get())) continue;
      if (o->isKindOf(ZcDbEntity::desc())) {
        if (auto* p = dynamic_cast<const ZcDbVertexPolyline*>(o.get())) n += p->numVerts() + 1;
        if (auto* k = dynamic_cast<const ZcDbOpaqueEntity*>(o.get())) n += k->numFollowers();
        if (auto* r = dynamic_cast<const ZcDbBlockReference*>(o.get()))
          n += r->attributeIds().isEmpty() ? 0 : 1;
        continue;
      }
      if (o->isKindOf(ZcDbBlockTableRecord::desc())) n += 2;
      if (o->objectId() == d_.nod || o->isKindOf(ZcDbSymbolTable::desc()) ||
          o->isKindOf(ZcDbSymbolTableRecord::desc()) || !*o->dxfName())
        continue;
      objects_.push_back(o.get());
    }
    return n;
  }

  void emptyTable(const char* name) {
    f_.writeRaw(0, "TABLE");
    f_.writeRaw(2, name);
    f_.writeHandle(5, next_++);
    f_.writeHandle(330, 0);
    f_.writeRaw(100, "AcDbSymbolTable");
    f_.writeInt(70, 0);
    f_.writeRaw(0, "ENDTAB");
  }

  // The first table of kind `name` kept as read; null when there is none.
  const ZcDbDatabaseImpl::KeptTable* keptTable(const char* name) const {
    for (const auto& t : d_.keptTables)
      if (t.name == name) return &t;
    return nullptr;
  }

  // Writes the kept tables of kind `name` (all those of kinds not modelled when null), or an
  // empty one of that kind when the file read held none.
  void keptTables(const char* name) {
    if (name && !keptTable(name)) return emptyTable(name);
    for (const auto& t : d_.keptTables) {
      bool placed = t.name == "VPORT" || t.name == "UCS" || t.name == "DIMSTYLE";
      if (name ? t.name != name : placed) continue;
      const ZcDbObject* head = d_.object(t.head.slot());
      if (!head || head->isErased()) continue;
      f_.writeRaw(0, "TABLE");
      f_.writeRaw(2, t.name);
      head->dxfOutFields(&f_);
      head->dxfOutXData(&f_);
      for (ZcDbObjectId id : t.records) {
        const ZcDbObject* o = d_.object(id.slot());
        if (!o || o->isErased()) continue;
        spill();
        f_.writeRaw(0, o->dxfName());
        std::size_t at = out_.size();
        o->dxfOutFields(&f_);
        // a dimension style gives its handle in group 105 (5 is one of its own settings)
        if (t.name == "DIMSTYLE") {
          std::size_t code = out_.find_first_not_of(' ', at);
          if (out_.compare(code, 2, "5\n") == 0) out_.replace(at, code + 1 - at, "105");
        }
        o->dxfOutXData(&f_);
      }
      f_.writeRaw(0, "ENDTAB");
    }
  }

  void table(ZcDbObjectId id) {
    auto* t = d_.objectAs<ZcDbSymbolTable>(id);
    f_.writeRaw(0, "TABLE");
    t->dxfOutFields(&f_);
    t->dxfOutXData(&f_);
    for (ZcDbObjectId r : t->recordIds()) record(d_.object(r.slot()));
    f_.writeRaw(0, "ENDTAB");
  }

  void record(const ZcDbObject* o) {
    spill();
    f_.writeRaw(0, o->dxfName());
    o->dxfOutFields(&f_);
    o->dxfOutXData(&f_);
  }

  void tables() {
    section("TABLES");
    keptTables("VPORT");
    table(d_.linetypeTable);
    table(d_.layerTable);
    table(d_.textStyleTable);
    table(d_.viewTable);
    keptTables("UCS");
    table(d_.regAppTable);
    keptTables("DIMSTYLE");
    keptTables(nullptr);
    table(d_.blockTable);
    endsec();
  }

  void entity(ZcDbObjectId id) {
    const ZcDbObject* o = d_.object(id.slot());
    if (!o || o->isErased()) return;
    record(o);
    if (auto* p = dynamic_cast<const ZcDbVertexPolyline*>(o)) p->dxfOutVertices(&f_, next_);
    if (auto* k = dynamic_cast<const ZcDbOpaqueEntity*>(o)) k->dxfOutFollowers(&f_, next_);
    if (auto* r = dynamic_cast<const ZcDbBlockReference*>(o)) {
      ZcDbObjectIdArray attrs = r->attributeIds();
      if (attrs.isEmpty()) return;
      for (ZcDbObjectId a : attrs) record(d_.object(a.slot()));
      f_.writeRaw(0, "SEQEND");
      f_.writeHandle(5, next_++);
      f_.writeObjectId(330, r->objectId());
      f_.writeRaw(100, "AcDbEntity");
      f_.writeString(8, r->layer());
    }
  }

  void blocks() {
    section("BLOCKS");
    auto* bt = d_.objectAs<ZcDbSymbolTable>(d_.blockTable);
    for (ZcDbObjectId id : bt->recordIds()) {
      auto* btr = d_.objectAs<ZcDbBlockTableRecord>(id);
      bool paper = id == d_.paperSpace;
      f_.writeRaw(0, "BLOCK");
      f_.writeHandle(5, next_++);
      f_.writeObjectId(330, id);
      f_.writeRaw(100, "AcDbEntity");
      if (paper) f_.writeInt(67, 1);
      f_.writeRaw(8, "0");
      f_.writeRaw(100, "AcDbBlockBegin");
      f_.writeString(2, btr->name());
      f_.writeInt(70, (btr->hasAttributeDefinitions() ? 2 : 0) | btr->xrefFlags());
      f_.writePoint3d(10, btr->origin());
      f_.writeString(3, btr->name());
      f_.writeString(1, btr->xrefPath());
      // the two spaces' entities go in ENTITIES; a further layout's (*Paper_Space0...) here
      if (id != d_.modelSpace && !paper)
        for (ZcDbObjectId e : btr->rawEntities()) entity(e);
      f_.writeRaw(0, "ENDBLK");
      f_.writeHandle(5, next_++);
      f_.writeObjectId(330, id);
      f_.writeRaw(100, "AcDbEntity");
      if (paper) f_.writeInt(67, 1);
      f_.writeRaw(8, "0");
      f_.writeRaw(100, "AcDbBlockEnd");
    }
    endsec();
  }

  void entities() {
    section("ENTITIES");
    for (ZcDbObjectId space : {d_.modelSpace, d_.paperSpace})
      if (auto* btr = d_.objectAs<ZcDbBlockTableRecord>(space))
        for (ZcDbObjectId e : btr->rawEntities()) entity(e);
    endsec();
  }

  void objects() {
    section("OBJECTS");
    record(d_.object(d_.nod.slot()));
    for (const ZcDbObject* o : objects_) record(o);
    endsec();
  }

  const ZcDbDatabaseImpl& d_;
  std::string out_;
  ZcDbDxfFiler f_;
  platform::ReplacingFile* file_;
  bool ok_ = true;
  std::vector<const ZcDbObject*> objects_;  // of the OBJECTS section, but the root dictionary
  std::uint64_t next_;
};

}  // namespace

std::string ZcDbDatabase::dxfText() const { return DxfWriter(*this).run(); }

Zcad::ErrorStatus ZcDbDatabase::saveAs(const wchar_t* fileName) {
  if (!fileName || !*fileName) {
    impl_->readError = L"the file has no name";
    return Zcad::eInvalidInput;
  }
  auto file = platform::ReplacingFile::Begin(fileName, impl_->readError);
  if (!file) return Zcad::eFileWriteError;
  DxfWriter writer(*this, file.get());
  if (!writer.runToFile() && !writer.refusal().empty()) {
    impl_->readError = writer.refusal();  // the fresh file goes; the target stays as it was
    return Zcad::eFileWriteError;
  }
  if (!file->Commit(impl_->readError)) return Zcad::eFileWriteError;
  impl_->fileName = fileName;
  impl_->readError.clear();
  return Zcad::eOk;
}

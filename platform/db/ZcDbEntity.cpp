// The entity base: common properties and their filing, extents boxes and colours.
#include "db/ZcDbEntity.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "db/DbInternal.h"
#include "db/ZcDbDxfFiler.h"
#include "db/ZcDbSymbolTable.h"

// --- Colours ---------------------------------------------------------------------------------

Zcad::ErrorStatus ZcCmColor::setColorIndex(std::uint16_t index) {
  if (index > 256) return Zcad::eOutOfRange;
  index_ = index;
  hasRgb_ = false;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcCmColor::setRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  rgb_ = (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b;
  hasRgb_ = true;
  int best = 7;
  long bestD = -1;
  for (int i = 1; i < 256; ++i) {
    std::uint32_t c = paletteRgb(i);
    long dr = long(c >> 16) - r, dg = long((c >> 8) & 255) - g, db = long(c & 255) - b;
    long d = dr * dr + dg * dg + db * db;
    if (bestD < 0 || d < bestD) bestD = d, best = i;
  }
  index_ = static_cast<std::uint16_t>(best);
  return Zcad::eOk;
}

ZcCmColor::ColorMethod ZcCmColor::colorMethod() const {
  if (hasRgb_) return kByColor;
  return index_ == 256 ? kByLayer : index_ == 0 ? kByBlock : kByACI;
}

std::uint32_t ZcCmColor::rgb() const {
  if (hasRgb_) return rgb_;
  return index_ >= 1 && index_ <= 255 ? paletteRgb(index_) : 0;
}

std::uint32_t ZcCmColor::paletteRgb(int index) {
  // 1-9 are the named colours; 10-249 run through 24 hues in 10 shades; 250-255 are greys.
  static const std::uint32_t kNamed[10] = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF,
                                           0x0000FF, 0xFF00FF, 0xFFFFFF, 0x808080, 0xC0C0C0};
  if (index <= 0 || index > 255) return 0;
  if (index < 10) return kNamed[index];
  if (index >= 250) {
    static const int kGrey[6] = {0x33, 0x50, 0x69, 0x82, 0xBE, 0xFF};
    int g = kGrey[index - 250];
    return (std::uint32_t(g) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(g);
  }
  int hue = (index - 10) / 10, shade = (index - 10) % 10;
  double h = hue * 15.0 / 60.0;
  double v = 1.0 - (shade / 2) * 0.2;
  double s = (shade % 2) ? 0.5 : 1.0;
  double c = v * s, x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1)), m = v - c;
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(h)) {
    case 0: r = c, g = x; break;
    case 1: r = x, g = c; break;
    case 2: g = c, b = x; break;
    case 3: g = x, b = c; break;
    case 4: r = x, b = c; break;
    default: r = c, b = x; break;
  }
  auto to8 = [](double u) { return static_cast<std::uint32_t>(std::lround(u * 255)); };
  return (to8(r + m) << 16) | (to8(g + m) << 8) | to8(b + m);
}

// --- Extents -----------------------------------------------------------------------------------

ZcDbExtents::ZcDbExtents() : min_(1e300, 1e300, 1e300), max_(-1e300, -1e300, -1e300) {}
ZcDbExtents::ZcDbExtents(const ZcGePoint3d& a, const ZcGePoint3d& b) : ZcDbExtents() {
  addPoint(a);
  addPoint(b);
}
Zcad::ErrorStatus ZcDbExtents::set(const ZcGePoint3d& mn, const ZcGePoint3d& mx) {
  if (mn.x > mx.x || mn.y > mx.y || mn.z > mx.z) return Zcad::eInvalidExtents;
  min_ = mn;
  max_ = mx;
  return Zcad::eOk;
}
void ZcDbExtents::addPoint(const ZcGePoint3d& p) {
  for (int k = 0; k < 3; ++k) {
    min_[k] = std::min(min_[k], p[k]);
    max_[k] = std::max(max_[k], p[k]);
  }
}
void ZcDbExtents::addExt(const ZcDbExtents& o) {
  if (o.isEmpty()) return;
  addPoint(o.min_);
  addPoint(o.max_);
}
void ZcDbExtents::transformBy(const ZcGeMatrix3d& m) {
  if (isEmpty()) return;
  ZcDbExtents out;
  for (int i = 0; i < 8; ++i) {
    ZcGePoint3d c((i & 1) ? max_.x : min_.x, (i & 2) ? max_.y : min_.y, (i & 4) ? max_.z : min_.z);
    out.addPoint(c.transformBy(m));
  }
  *this = out;
}

// --- Entities ----------------------------------------------------------------------------------

ZCRX_DEFINE_MEMBERS(ZcDbEntity, ZcDbObject)

ZcDbEntity::ZcDbEntity() {}

std::wstring ZcDbEntity::layer() const {
  std::wstring n = zcdb::RecordName(layerId());
  return n.empty() ? L"0" : n;
}

ZcDbObjectId ZcDbEntity::layerId() const {
  if (!layerId_.isNull()) return layerId_;
  ZcDbDatabase* db = zcdb::DatabaseFor(this);
  return db ? db->layerZero() : ZcDbObjectId();
}

std::wstring ZcDbEntity::linetype() const {
  std::wstring n = zcdb::RecordName(linetypeId());
  return n.empty() ? L"ByLayer" : n;
}

ZcDbObjectId ZcDbEntity::linetypeId() const {
  if (!linetypeId_.isNull()) return linetypeId_;
  ZcDbDatabase* db = zcdb::DatabaseFor(this);
  return db ? db->byLayerLinetype() : ZcDbObjectId();
}

Zcad::ErrorStatus ZcDbEntity::setColor(const ZcCmColor& c, bool) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  color_ = c;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbEntity::setColorIndex(std::uint16_t index, bool doSubents) {
  ZcCmColor c;
  if (Zcad::ErrorStatus es = c.setColorIndex(index); es != Zcad::eOk) return es;
  return setColor(c, doSubents);
}

Zcad::ErrorStatus ZcDbEntity::setLayer(const wchar_t* name, bool doSubents) {
  ZcDbDatabase* db = zcdb::DatabaseFor(this);
  if (!name || !db) return Zcad::eInvalidInput;
  ZcDbObjectId id = zcdb::RecordByName(db, db->layerTableId(), name);
  if (id.isNull()) return Zcad::eKeyNotFound;
  return setLayer(id, doSubents);
}

Zcad::ErrorStatus ZcDbEntity::setLayer(ZcDbObjectId id, bool) {
  if (!id.objectClass() || !id.objectClass()->isDerivedFrom(ZcDbLayerTableRecord::desc()))
    return Zcad::eNotThatKindOfClass;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  layerId_ = id;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbEntity::setLinetype(const wchar_t* name, bool doSubents) {
  ZcDbDatabase* db = zcdb::DatabaseFor(this);
  if (!name || !db) return Zcad::eInvalidInput;
  ZcDbObjectId id = zcdb::RecordByName(db, db->linetypeTableId(), name);
  if (id.isNull()) return Zcad::eKeyNotFound;
  return setLinetype(id, doSubents);
}

Zcad::ErrorStatus ZcDbEntity::setLinetype(ZcDbObjectId id, bool) {
  if (!id.objectClass() || !id.objectClass()->isDerivedFrom(ZcDbLinetypeTableRecord::desc()))
    return Zcad::eNotThatKindOfClass;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  linetypeId_ = id;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbEntity::setLinetypeScale(double scale, bool) {
  if (!zcdb::Finite(scale)) return Zcad::eInvalidInput;
  if (!(scale > 0.0)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  linetypeScale_ = scale;
  return Zcad::eOk;
}

bool ZcDb::isValidLineWeight(long long v) {
  static const int kValues[] = {-3, -2, -1, 0, 5, 9, 13, 15, 18, 20, 25, 30, 35, 40,
                                50, 53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};
  for (int k : kValues)
    if (k == v) return true;
  return false;
}

Zcad::ErrorStatus ZcDbEntity::setLineWeight(ZcDb::LineWeight w, bool) {
  if (!ZcDb::isValidLineWeight(w)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  lineWeight_ = w;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbEntity::setVisibility(ZcDb::Visibility v, bool) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  visibility_ = v;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbEntity::setPropertiesFrom(const ZcDbEntity* other, bool doSubents) {
  if (!other) return Zcad::eNullEntityPointer;
  Zcad::ErrorStatus es = assertWrite();
  if (es != Zcad::eOk) return es;
  // A source of another database gives its values by name.
  if (other->database() == zcdb::DatabaseFor(this) || !other->database()) {
    if ((es = setLayer(other->layerId(), doSubents)) != Zcad::eOk) return es;
    if ((es = setLinetype(other->linetypeId(), doSubents)) != Zcad::eOk) return es;
  } else {
    if ((es = setLayer(other->layer().c_str(), doSubents)) != Zcad::eOk) return es;
    if ((es = setLinetype(other->linetype().c_str(), doSubents)) != Zcad::eOk) return es;
  }
  setColor(other->color(), doSubents);
  setLinetypeScale(other->linetypeScale(), doSubents);
  setLineWeight(other->lineWeight(), doSubents);
  return setVisibility(other->visibility(), doSubents);
}

Zcad::ErrorStatus ZcDbEntity::setDatabaseDefaults(ZcDbDatabase* db) {
  if (!db) db = zcdb::DatabaseFor(this);
  if (!db) return Zcad::eNoDatabase;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  layerId_ = db->clayer();
  linetypeId_ = db->celtype();
  color_ = db->cecolor();
  linetypeScale_ = db->celtscale();
  lineWeight_ = db->celweight();
  subSetDatabaseDefaults(db);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbEntity::transformBy(const ZcGeMatrix3d&) { return Zcad::eNotApplicable; }
Zcad::ErrorStatus ZcDbEntity::getGeomExtents(ZcDbExtents&) const { return Zcad::eInvalidExtents; }

Zcad::ErrorStatus ZcDbEntity::highlight(const ZcDbFullSubentPath*, bool) {
  highlighted_ = true;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbEntity::unhighlight(const ZcDbFullSubentPath*, bool) {
  highlighted_ = false;
  return Zcad::eOk;
}

ZcDbObject* ZcDbEntity::cloneObject() const { return nullptr; }

void ZcDbEntity::copyEntityTo(ZcDbEntity* o) const {
  o->color_ = color_;
  o->layerId_ = layerId_;
  o->linetypeId_ = linetypeId_;
  o->linetypeScale_ = linetypeScale_;
  o->lineWeight_ = lineWeight_;
  o->visibility_ = visibility_;
  o->colorName_ = colorName_;
  o->transparency_ = transparency_;
  o->shadowMode_ = shadowMode_;
  o->material_ = material_;
  o->plotStyle_ = plotStyle_;
  copyXDataTo(o);
}

void ZcDbEntity::translateIds(ZcDbIdTranslator& t) {
  layerId_ = t.translate(layerId_);
  linetypeId_ = t.translate(linetypeId_);
  material_ = t.translate(material_);
  plotStyle_ = t.translate(plotStyle_);
}

// Common entity groups, after the object's:
//   100 AcDbEntity, 67 1 (paper space only), 8 layer, 6 linetype (unless ByLayer),
//   62 colour index (unless ByLayer), 420 true colour, 370 line weight (unless ByLayer),
//   48 linetype scale (unless 1), 60 1 (invisible only); then as read: 347 material, 390
//   plot style (while they name objects of this drawing), 430 colour name, 440
//   transparency, 284 shadow mode
void ZcDbEntity::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbObject::dxfOutFields(f);
  f->writeRaw(100, "AcDbEntity");
  ZcDbDatabase* db = database();
  if (db && ownerId() == db->paperSpaceId()) f->writeInt(67, 1);
  f->writeString(8, layer());
  if (linetypeId() != (db ? db->byLayerLinetype() : ZcDbObjectId()) && !linetypeId_.isNull())
    f->writeString(6, linetype());
  if (!color_.isByLayer()) f->writeInt(62, color_.colorIndex());
  if (color_.hasTrueColor()) f->writeInt(420, color_.rgb());
  if (lineWeight_ != ZcDb::kLnWtByLayer) f->writeInt(370, lineWeight_);
  if (linetypeScale_ != 1.0) f->writeDouble(48, linetypeScale_);
  if (visibility_ == ZcDb::kInvisible) f->writeInt(60, 1);
  for (auto [code, id] : {std::pair{347, material_}, std::pair{390, plotStyle_}}) {
    const ZcDbObject* o = zcdb::ObjectOf(id);
    if (o && !o->isErased() && o->database() == db) f->writeObjectId(code, id);
  }
  if (!colorName_.empty()) f->writeString(430, colorName_);
  if (transparency_ >= 0) f->writeInt(440, transparency_);
  if (shadowMode_ >= 0) f->writeInt(284, shadowMode_);
}

Zcad::ErrorStatus ZcDbEntity::dxfInFields(ZcDbDxfFiler* f) {
  Zcad::ErrorStatus es = ZcDbObject::dxfInFields(f);
  if (es != Zcad::eOk) return es;
  f->seekMarker("AcDbEntity");
  ZcDbDatabase* db = f->database();
  ZcDbDxfPair p;
  while (f->next(p)) {
    switch (p.code) {
      case 8: {
        std::wstring name = f->toString(p);
        layerId_ = zcdb::RecordByName(db, db->layerTableId(), name);
        if (layerId_.isNull() && !ZcDbSymbolTableRecord::isValidName(name.c_str())) {
          layerId_ = db->layerZero();  // a name no layer can have: the entity goes to "0"
        } else if (layerId_.isNull()) {  // a layer the table lacks is made, as a host does
          auto* r = new ZcDbLayerTableRecord;
          r->setName(name.c_str());
          layerId_ = db->impl().adopt(r, db->layerTableId());
          db->impl().objectAs<ZcDbSymbolTable>(db->layerTableId())->adoptRecord(layerId_);
        }
        break;
      }
      case 6: linetypeId_ = zcdb::RecordByName(db, db->linetypeTableId(), f->toString(p)); break;
      case 62: {
        long long c = f->toInt(p);
        color_.setColorIndex(static_cast<std::uint16_t>(c < 0 ? -c : c > 256 ? 256 : c));
        break;
      }
      case 420: {
        auto rgb = static_cast<std::uint32_t>(f->toInt(p));
        color_.setRGB(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
        break;
      }
      case 370: {
        long long w = f->toInt(p);
        lineWeight_ = ZcDb::isValidLineWeight(w) ? static_cast<ZcDb::LineWeight>(w) : ZcDb::kLnWtByLayer;
        break;
      }
      case 48: linetypeScale_ = f->toDouble(p); break;
      case 60: visibility_ = f->toInt(p) ? ZcDb::kInvisible : ZcDb::kVisible; break;
      case 347: material_ = f->toObjectId(p); break;
      case 390: plotStyle_ = f->toObjectId(p); break;
      case 430: colorName_ = f->toString(p); break;
      case 440: transparency_ = std::max(0LL, f->toInt(p)); break;
      case 284: shadowMode_ = std::max(0LL, f->toInt(p)); break;
      default: break;
    }
  }
  if (!(linetypeScale_ > 0.0)) linetypeScale_ = 1.0;
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

Zcad::ErrorStatus zcdbOpenZcDbEntity(ZcDbEntity*& ent, ZcDbObjectId id, ZcDb::OpenMode mode,
                                     bool openErased) {
  return zcdbOpenObject(ent, id, mode, openErased);
}

// Single-line text, attribute definitions and attributes: properties, the font model's box,
// transforms and their DXF records.
#include "db/ZcDbText.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "db/CurveMath.h"
#include "db/DbInternal.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbText, ZcDbEntity)
ZCRX_DEFINE_MEMBERS(ZcDbAttributeDefinition, ZcDbText)
ZCRX_DEFINE_MEMBERS(ZcDbAttribute, ZcDbText)

ZcDbText::ZcDbText(const ZcGePoint3d& position, const wchar_t* text, ZcDbObjectId style,
                   double height, double rotation)
    : position_(position), alignment_(position), text_(text ? text : L""),
      height_(height > 0 ? height : 2.5), rotation_(rotation), textStyle_(style) {}

namespace {
// Points and numbers must be finite; modes and styles are any value their type allows.
template <class T>
bool Acceptable(const T& v) {
  if constexpr (std::is_enum_v<T> || std::is_same_v<T, ZcDbObjectId>) return true;
  else return zcdb::Finite(v);
}
}  // namespace

#define ZC_TEXT_SETTER(Name, member, Type)                          \
  Zcad::ErrorStatus ZcDbText::Name(Type v) {                         \
    if (!Acceptable(v)) return Zcad::eInvalidInput;                  \
    if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es; \
    member = v;                                                      \
    return Zcad::eOk;                                                \
  }
ZC_TEXT_SETTER(setPosition, position_, const ZcGePoint3d&)
ZC_TEXT_SETTER(setAlignmentPoint, alignment_, const ZcGePoint3d&)
ZC_TEXT_SETTER(setRotation, rotation_, double)
ZC_TEXT_SETTER(setHorizontalMode, hmode_, ZcDb::TextHorzMode)
ZC_TEXT_SETTER(setVerticalMode, vmode_, ZcDb::TextVertMode)
ZC_TEXT_SETTER(setTextStyle, textStyle_, ZcDbObjectId)
#undef ZC_TEXT_SETTER

Zcad::ErrorStatus ZcDbText::setTextString(const wchar_t* text) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  text_ = text ? text : L"";
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbText::setHeight(double h) {
  if (!zcdb::Finite(h)) return Zcad::eInvalidInput;
  if (!(h > 0)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  height_ = h;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbText::setWidthFactor(double f) {
  if (!zcdb::Finite(f)) return Zcad::eInvalidInput;
  if (!(f > 0)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  widthFactor_ = f;
  return Zcad::eOk;
}

void ZcDbText::subSetDatabaseDefaults(ZcDbDatabase* db) { textStyle_ = db->textstyle(); }

namespace {
// Text of the -Z plane (read from a file, kept so) has its points in that plane's
// coordinates, X and Z turned over: this turns them to the world's and back.
ZcGeMatrix3d PlaneFlip() {
  ZcGeMatrix3d f;
  f(0, 0) = -1;
  f(2, 2) = -1;
  return f;
}
bool FacesDown(const ZcGeVector3d& normal) { return normal.isParallelTo(ZcGeVector3d::kZAxis) && normal.z < 0; }
}  // namespace

Zcad::ErrorStatus ZcDbText::transformBy(const ZcGeMatrix3d& world) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  const ZcGeMatrix3d m = FacesDown(normal_) ? PlaneFlip() * world * PlaneFlip() : world;
  ZcGeVector3d x(std::cos(rotation_), std::sin(rotation_), 0), y(-x.y, x.x, 0);
  x.transformBy(m);
  y.transformBy(m);
  position_.transformBy(m);
  alignment_.transformBy(m);
  if (x.length() > 0) rotation_ = std::atan2(x.y, x.x);
  if (y.length() > 0) height_ *= y.length();
  if (x.length() > 0 && y.length() > 0) widthFactor_ *= x.length() / y.length();
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbText::getGeomExtents(ZcDbExtents& ext) const {
  double w = static_cast<double>(text_.size()) * height_ * kCharWidthRatio * widthFactor_;
  double h = height_;
  bool left = hmode_ == ZcDb::kTextLeft && vmode_ == ZcDb::kTextBase;
  ZcGePoint3d origin = left ? position_ : alignment_;
  double dx = 0, dy = 0, rot = rotation_;
  switch (hmode_) {
    case ZcDb::kTextCenter: dx = -w / 2; break;
    case ZcDb::kTextRight: dx = -w; break;
    case ZcDb::kTextMid: dx = -w / 2, dy = -h / 2; break;
    case ZcDb::kTextAlign:
    case ZcDb::kTextFit: {  // the text fills the base line from the position to the point
      origin = position_;
      ZcGeVector3d d = alignment_ - position_;
      if (d.length() > 0) {
        w = d.length();
        rot = std::atan2(d.y, d.x);
      }
      break;
    }
    default: break;
  }
  if (hmode_ != ZcDb::kTextMid) dy = vmode_ == ZcDb::kTextVertMid ? -h / 2 : vmode_ == ZcDb::kTextTop ? -h : 0.0;
  ZcGeVector3d x(std::cos(rot), std::sin(rot), 0), y(-x.y, x.x, 0);
  ext = ZcDbExtents();
  for (double u : {0.0, w})
    for (double v : {0.0, h}) {
      ZcGePoint3d corner = origin + x * (u + dx) + y * (v + dy);
      ext.addPoint(FacesDown(normal_) ? corner.transformBy(PlaneFlip()) : corner);
    }
  return Zcad::eOk;
}

void ZcDbText::copyTextTo(ZcDbText* c) const {
  c->position_ = position_;
  c->alignment_ = alignment_;
  c->normal_ = normal_;
  c->text_ = text_;
  c->height_ = height_;
  c->rotation_ = rotation_;
  c->widthFactor_ = widthFactor_;
  c->oblique_ = oblique_;
  c->hmode_ = hmode_;
  c->vmode_ = vmode_;
  c->textStyle_ = textStyle_;
  copyEntityTo(c);
}

ZcDbObject* ZcDbText::cloneObject() const {
  auto* c = new ZcDbText;
  copyTextTo(c);
  return c;
}

void ZcDbText::translateIds(ZcDbIdTranslator& t) {
  ZcDbEntity::translateIds(t);
  textStyle_ = t.translate(textStyle_);
}

// TEXT: 100 AcDbText, 10/20/30 position, 40 height, 1 text, 50 rotation (degrees), 41 width
// factor, 51 oblique angle, 7 style, 72 horizontal mode, 11/21/31 alignment point (when
// not left on the base line), 210 normal (when not +Z: the points are in its plane's
// coordinates, kept as read), then 100 AcDbText again and 73 vertical mode. Attributes and
// their definitions write the first part alike and their own 74 vertical mode instead.
void ZcDbText::dxfOutTextFields(ZcDbDxfFiler* f, bool withVerticalMode) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, "AcDbText");
  f->writePoint3d(10, position_);
  f->writeDouble(40, height_);
  f->writeString(1, text_);
  if (rotation_ != 0) f->writeDouble(50, zcdb::Degrees(rotation_));
  if (widthFactor_ != 1) f->writeDouble(41, widthFactor_);
  if (oblique_ != 0) f->writeDouble(51, zcdb::Degrees(oblique_));
  std::wstring style = zcdb::RecordName(textStyle_);
  if (!style.empty()) f->writeString(7, style);
  if (hmode_ != ZcDb::kTextLeft) f->writeInt(72, hmode_);
  if (hmode_ != ZcDb::kTextLeft || vmode_ != ZcDb::kTextBase) f->writePoint3d(11, alignment_);
  if (!normal_.isEqualTo(ZcGeVector3d::kZAxis)) f->writeVector3d(210, normal_);
  if (withVerticalMode) {
    f->writeRaw(100, "AcDbText");
    if (vmode_ != ZcDb::kTextBase) f->writeInt(73, vmode_);
  }
}

void ZcDbText::dxfOutFields(ZcDbDxfFiler* f) const { dxfOutTextFields(f, true); }

Zcad::ErrorStatus ZcDbText::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbText");
  ZcDbDxfPair p;
  ZcDbDatabase* db = f->database();
  bool hasAlignment = false;
  for (;;) {
    while (f->next(p)) {
      switch (p.code) {
        case 10: position_ = f->toPoint3d(p); break;
        case 11: alignment_ = f->toPoint3d(p), hasAlignment = true; break;
        case 40: height_ = f->toDouble(p); break;
        case 1: text_ = f->toString(p); break;
        case 50: rotation_ = zcdb::Radians(f->toDouble(p)); break;
        case 41: widthFactor_ = f->toDouble(p); break;
        case 51: oblique_ = zcdb::Radians(f->toDouble(p)); break;
        case 7: textStyle_ = zcdb::RecordByName(db, db->textStyleTableId(), f->toString(p)); break;
        case 210:
          if (ZcGeVector3d n = f->toVector3d(p); !n.isZeroLength()) normal_ = n.normal();
          break;
        case 72: hmode_ = static_cast<ZcDb::TextHorzMode>(std::clamp<long long>(f->toInt(p), 0, 5)); break;
        case 73:
        case 74: vmode_ = static_cast<ZcDb::TextVertMode>(std::clamp<long long>(f->toInt(p), 0, 3)); break;
        default: break;
      }
    }
    // TEXT carries a second AcDbText segment (the vertical mode)
    if (!f->nextAny(p) || p.code != 100 || p.value != "AcDbText") break;
  }
  if (!hasAlignment) alignment_ = position_;
  if (!(height_ > 0)) height_ = 2.5;
  if (!(widthFactor_ > 0)) widthFactor_ = 1.0;
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

// --- Attributes ---------------------------------------------------------------------------------

ZcDbMText* ZcDbAttributeBase::getMTextAttribute() const {
  return mtext_ ? static_cast<ZcDbMText*>(mtext_->cloneObject()) : nullptr;
}

namespace {
// What both attribute classes add after the text part:
//   2 tag, 70 flags, 74 vertical mode (ATTDEF: 3 prompt before the tag), and for a multi-line
//   attribute 101 "Embedded Object" followed by the MTEXT groups of its text.
void WriteAttributePart(ZcDbDxfFiler* f, const std::wstring& tag, int flags, int vmode,
                        const ZcDbMText* mtext) {
  f->writeString(2, tag);
  f->writeInt(70, flags);
  if (vmode) f->writeInt(74, vmode);
  if (mtext) {
    f->writeRaw(101, "Embedded Object");
    mtext->dxfOutMTextGroups(f);
  }
}

void ReadAttributePart(ZcDbDxfFiler* f, const char* marker, std::wstring& tag, int& flags,
                       std::wstring* prompt, std::unique_ptr<ZcDbMText>& mtext) {
  f->seekMarker(marker);
  ZcDbDxfPair p;
  bool embedded = false;
  while (f->next(p)) {
    if (p.code == 101) {
      embedded = true;
      mtext = std::make_unique<ZcDbMText>();
      continue;
    }
    if (embedded) {
      mtext->dxfInMTextGroup(f, p);
      continue;
    }
    if (p.code == 2) tag = f->toString(p);
    else if (p.code == 70) flags = static_cast<int>(f->toInt(p));
    else if (p.code == 3 && prompt) *prompt = f->toString(p);
  }
}
}  // namespace

ZcDbAttributeDefinition::ZcDbAttributeDefinition(const ZcGePoint3d& position, const wchar_t* text,
                                                 const wchar_t* tag, const wchar_t* prompt,
                                                 ZcDbObjectId style)
    : ZcDbText(position, text, style), prompt_(prompt ? prompt : L"") {
  tag_ = tag ? tag : L"";
}

Zcad::ErrorStatus ZcDbAttributeDefinition::setTag(const wchar_t* tag) {
  if (!tag || !*tag) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  tag_ = tag;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbAttributeDefinition::setPrompt(const wchar_t* prompt) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  prompt_ = prompt ? prompt : L"";
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbAttributeDefinition::setInvisible(bool on) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  flags_ = on ? flags_ | 1 : flags_ & ~1;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbAttributeDefinition::setConstant(bool on) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  flags_ = on ? flags_ | 2 : flags_ & ~2;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbAttributeDefinition::setMTextAttributeDefinition(const ZcDbMText* m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  mtext_.reset(m ? static_cast<ZcDbMText*>(m->cloneObject()) : nullptr);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbAttributeDefinition::transformBy(const ZcGeMatrix3d& m) {
  Zcad::ErrorStatus es = ZcDbText::transformBy(m);
  if (es == Zcad::eOk && mtext_) mtext_->transformBy(m);
  return es;
}

ZcDbObject* ZcDbAttributeDefinition::cloneObject() const {
  auto* c = new ZcDbAttributeDefinition;
  copyTextTo(c);
  c->tag_ = tag_;
  c->flags_ = flags_;
  c->prompt_ = prompt_;
  if (mtext_) c->mtext_.reset(getMTextAttribute());
  return c;
}

void ZcDbAttributeDefinition::dxfOutFields(ZcDbDxfFiler* f) const {
  dxfOutTextFields(f, false);
  f->writeRaw(100, "AcDbAttributeDefinition");
  f->writeString(3, prompt_);
  WriteAttributePart(f, tag_, flags_, vmode_, mtext_.get());
}

Zcad::ErrorStatus ZcDbAttributeDefinition::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbText::dxfInFields(f); es != Zcad::eOk) return es;
  ReadAttributePart(f, "AcDbAttributeDefinition", tag_, flags_, &prompt_, mtext_);
  f->seekMarker("AcDbAttributeDefinition");
  ZcDbDxfPair p;
  while (f->next(p))
    if (p.code == 74) vmode_ = static_cast<ZcDb::TextVertMode>(std::clamp<long long>(f->toInt(p), 0, 3));
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

Zcad::ErrorStatus ZcDbAttribute::setTag(const wchar_t* tag) {
  if (!tag || !*tag) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  tag_ = tag;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbAttribute::setInvisible(bool on) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  flags_ = on ? flags_ | 1 : flags_ & ~1;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbAttribute::setConstant(bool on) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  flags_ = on ? flags_ | 2 : flags_ & ~2;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbAttribute::setMTextAttribute(const ZcDbMText* m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  mtext_.reset(m ? static_cast<ZcDbMText*>(m->cloneObject()) : nullptr);
  return Zcad::eOk;
}

std::wstring ZcDbAttribute::textString() const { return mtext_ ? mtext_->contents() : text_; }

Zcad::ErrorStatus ZcDbAttribute::transformBy(const ZcGeMatrix3d& m) {
  Zcad::ErrorStatus es = ZcDbText::transformBy(m);
  if (es == Zcad::eOk && mtext_) mtext_->transformBy(m);
  return es;
}

Zcad::ErrorStatus ZcDbAttribute::getGeomExtents(ZcDbExtents& ext) const {
  return mtext_ ? mtext_->getGeomExtents(ext) : ZcDbText::getGeomExtents(ext);
}

ZcDbObject* ZcDbAttribute::cloneObject() const {
  auto* c = new ZcDbAttribute;
  copyTextTo(c);
  c->tag_ = tag_;
  c->flags_ = flags_;
  if (mtext_) c->mtext_.reset(getMTextAttribute());
  return c;
}

void ZcDbAttribute::dxfOutFields(ZcDbDxfFiler* f) const {
  dxfOutTextFields(f, false);
  f->writeRaw(100, "AcDbAttribute");
  WriteAttributePart(f, tag_, flags_, vmode_, mtext_.get());
}

Zcad::ErrorStatus ZcDbAttribute::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbText::dxfInFields(f); es != Zcad::eOk) return es;
  ReadAttributePart(f, "AcDbAttribute", tag_, flags_, nullptr, mtext_);
  f->seekMarker("AcDbAttribute");
  ZcDbDxfPair p;
  while (f->next(p))
    if (p.code == 74) vmode_ = static_cast<ZcDb::TextVertMode>(std::clamp<long long>(f->toInt(p), 0, 3));
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

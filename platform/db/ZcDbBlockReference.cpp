// Block references: placement, attributes they own, their box (the block's box under their
// pose, kept per block and pose, plus their position) and intersections through the
// block's contents (placed once per state of the reference), and the INSERT record
// (followed by its ATTRIB records).
#include "db/ZcDbBlockReference.h"

#include <algorithm>
#include <cmath>

#include "db/CurveMath.h"
#include "db/DbInternal.h"
#include "db/ExtentsCache.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDxfFiler.h"
#include "db/ZcDbText.h"
#include "ge/ZcGeTol.h"

ZCRX_DEFINE_MEMBERS(ZcDbBlockReference, ZcDbEntity)

namespace {
// The blocks whose contents are being walked, outermost first.
thread_local std::vector<ZcDbObjectId> tBlockPath;
}  // namespace

namespace zcdb {
BlockWalk::BlockWalk(ZcDbObjectId block) : entered_(!onPath(block)) {
  if (entered_) tBlockPath.push_back(block);
  else CountCycleCut();
}
BlockWalk::~BlockWalk() {
  if (entered_) tBlockPath.pop_back();
}
bool BlockWalk::onPath(ZcDbObjectId block) {
  return std::find(tBlockPath.begin(), tBlockPath.end(), block) != tBlockPath.end();
}
}  // namespace zcdb

ZcDbBlockReference::ZcDbBlockReference() = default;
ZcDbBlockReference::ZcDbBlockReference(const ZcGePoint3d& position, ZcDbObjectId btr)
    : block_(btr), position_(position) {}
ZcDbBlockReference::~ZcDbBlockReference() = default;

Zcad::ErrorStatus ZcDbBlockReference::setBlockTableRecord(ZcDbObjectId id) {
  if (!id.objectClass() || !id.objectClass()->isDerivedFrom(ZcDbBlockTableRecord::desc()))
    return Zcad::eNotThatKindOfClass;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  block_ = id;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbBlockReference::setPosition(const ZcGePoint3d& p) {
  if (!zcdb::Finite(p)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  position_ = p;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbBlockReference::setScaleFactors(const ZcGeScale3d& s) {
  if (!zcdb::Finite(s.sx, s.sy, s.sz)) return Zcad::eInvalidInput;
  if (s.sx == 0 || s.sy == 0 || s.sz == 0) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  scale_ = s;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbBlockReference::setRotation(double a) {
  if (!zcdb::Finite(a)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  rotation_ = a;
  return Zcad::eOk;
}

ZcGeMatrix3d ZcDbBlockReference::blockTransform() const {
  return ZcGeMatrix3d::translation(position_.asVector()) * poseTransform();
}

ZcGeMatrix3d ZcDbBlockReference::poseTransform() const {
  ZcGePoint3d origin;
  if (auto* btr = static_cast<ZcDbBlockTableRecord*>(zcdb::ObjectOf(block_))) origin = btr->origin();
  ZcGeMatrix3d scale;
  scale(0, 0) = scale_.sx;
  scale(1, 1) = scale_.sy;
  scale(2, 2) = scale_.sz;
  return ZcGeMatrix3d::rotation(rotation_, normal_) * scale * ZcGeMatrix3d::translation(-origin.asVector());
}

Zcad::ErrorStatus ZcDbBlockReference::appendAttribute(ZcDbAttribute* attribute) {
  ZcDbObjectId id;
  return appendAttribute(id, attribute);
}

Zcad::ErrorStatus ZcDbBlockReference::appendAttribute(ZcDbObjectId& id, ZcDbAttribute* attribute) {
  if (!attribute) return Zcad::eNullObjectPointer;
  if (attribute->database()) return Zcad::eAlreadyInDb;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  if (!database()) {
    pending_.emplace_back(attribute);
    id.setNull();
    return Zcad::eOk;
  }
  Zcad::ErrorStatus es = zcdb::AddOpenForWrite(database(), attribute, objectId(), id);
  if (es == Zcad::eOk) attributes_.push_back(id);
  return es;
}

void ZcDbBlockReference::onAddedToDatabase() {
  // Attributes appended while the reference was new become resident with it, closed.
  for (auto& a : pending_) {
    ZcDbAttribute* attr = a.release();
    attributes_.push_back(database()->impl().adopt(attr, objectId()));
  }
  pending_.clear();
}

void ZcDbBlockReference::adoptAttributeId(ZcDbObjectId id) { attributes_.push_back(id); }

ZcDbObjectIdArray ZcDbBlockReference::attributeIds() const {
  ZcDbObjectIdArray ids;
  for (ZcDbObjectId id : attributes_)
    if (!id.isErased()) ids.append(id);
  return ids;
}

ZcDbObjectIterator* ZcDbBlockReference::attributeIterator() const {
  return new ZcDbObjectIterator(attributeIds());
}

ZcDbEntity* ZcDbObjectIterator::entity() const {
  ZcDbEntity* ent = nullptr;
  return zcdbOpenZcDbEntity(ent, objectId(), ZcDb::kForRead) == Zcad::eOk ? ent : nullptr;
}

Zcad::ErrorStatus ZcDbBlockReference::forEachAttribute(
    const std::function<Zcad::ErrorStatus(ZcDbEntity*)>& fn) {
  for (auto& a : pending_)
    if (Zcad::ErrorStatus es = fn(a.get()); es != Zcad::eOk) return es;
  for (ZcDbObjectId id : attributes_) {
    ZcDbObject* o = zcdb::ObjectOf(id);
    if (!o || o->isErased()) continue;
    // The reference is open for write, so its attributes change with it whatever their
    // own open state: a host changes sub-entities through their owner.
    ZcDbObjectState& s = o->state();
    bool wasWriter = s.writer;
    s.writer = true;
    Zcad::ErrorStatus es = fn(static_cast<ZcDbEntity*>(o));
    s.writer = wasWriter;
    s.db->impl().extents.Changing(o);
    if (es != Zcad::eOk) return es;
  }
  return Zcad::eOk;
}

#define ZC_SUBENT_SETTER(Sig, Call)                                                   \
  Zcad::ErrorStatus ZcDbBlockReference::Sig {                                         \
    Zcad::ErrorStatus es = ZcDbEntity::Call;                                          \
    if (es != Zcad::eOk || !doSubents) return es;                                     \
    return forEachAttribute([&](ZcDbEntity* a) { return a->ZcDbEntity::Call; });      \
  }
ZC_SUBENT_SETTER(setColor(const ZcCmColor& c, bool doSubents), setColor(c, doSubents))
ZC_SUBENT_SETTER(setColorIndex(std::uint16_t i, bool doSubents), setColorIndex(i, doSubents))
ZC_SUBENT_SETTER(setLayer(const wchar_t* n, bool doSubents), setLayer(n, doSubents))
ZC_SUBENT_SETTER(setLayer(ZcDbObjectId id, bool doSubents), setLayer(id, doSubents))
ZC_SUBENT_SETTER(setLinetype(ZcDbObjectId id, bool doSubents), setLinetype(id, doSubents))
ZC_SUBENT_SETTER(setLinetypeScale(double s, bool doSubents), setLinetypeScale(s, doSubents))
ZC_SUBENT_SETTER(setLineWeight(ZcDb::LineWeight w, bool doSubents), setLineWeight(w, doSubents))
ZC_SUBENT_SETTER(setVisibility(ZcDb::Visibility v, bool doSubents), setVisibility(v, doSubents))
#undef ZC_SUBENT_SETTER

namespace {
// Whether `m` only translates: its rotation, scale and projection parts are exactly the
// identity's.
bool OnlyTranslates(const ZcGeMatrix3d& m) {
  for (unsigned r = 0; r < 4; ++r)
    for (unsigned c = 0; c < 4; ++c)
      if (c != 3 || r == 3)
        if (m(r, c) != (r == c ? 1.0 : 0.0)) return false;
  return true;
}
}  // namespace

Zcad::ErrorStatus ZcDbBlockReference::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  if (OnlyTranslates(m)) {
    // The pose stays exactly as it is (worked out again it could move by a rounding), so
    // the contents posed for it stay good.
    position_ += m.translation();
    return forEachAttribute([&](ZcDbEntity* a) { return a->transformBy(m); });
  }
  ZcGeVector3d x = ZcGeVector3d::kXAxis * scale_.sx, y = ZcGeVector3d::kYAxis * scale_.sy;
  x.rotateBy(rotation_, normal_);
  y.rotateBy(rotation_, normal_);
  x.transformBy(m);
  y.transformBy(m);
  if (std::fabs(x.dotProduct(y)) > 1e-9 * (1 + x.length() * y.length())) return Zcad::eCannotScaleNonUniformly;
  position_.transformBy(m);
  rotation_ = std::atan2(x.y, x.x);
  double z = scale_.sz * (m.det() != 0 ? std::cbrt(std::fabs(m.det())) : 1.0);
  bool mirrored = x.x * y.y - x.y * y.x < 0;
  scale_ = ZcGeScale3d(x.length(), mirrored ? -y.length() : y.length(), z);
  return forEachAttribute([&](ZcDbEntity* a) { return a->transformBy(m); });
}

std::vector<std::unique_ptr<ZcDbEntity>> ZcDbBlockReference::transformedContents() const {
  return contentsUnder(blockTransform());
}

std::vector<std::unique_ptr<ZcDbEntity>> ZcDbBlockReference::contentsUnder(const ZcGeMatrix3d& m) const {
  std::vector<std::unique_ptr<ZcDbEntity>> out;
  auto* btr = dynamic_cast<ZcDbBlockTableRecord*>(zcdb::ObjectOf(block_));
  if (!btr) return out;
  for (ZcDbObjectId id : btr->rawEntities()) {
    auto* e = static_cast<ZcDbEntity*>(zcdb::ObjectOf(id));
    if (!e || e->isErased() || e->isKindOf(ZcDbAttributeDefinition::desc())) continue;
    std::unique_ptr<ZcDbEntity> copy(static_cast<ZcDbEntity*>(e->cloneObject()));
    if (!copy) continue;
    if (auto* inner = dynamic_cast<ZcDbBlockReference*>(copy.get());
        inner && (inner->block_ == block_ || zcdb::BlockWalk::onPath(inner->block_))) {
      zcdb::CountCycleCut();
      continue;  // a block that holds itself, or one being walked, is not followed
    }
    if (copy->transformBy(m) == Zcad::eOk) out.push_back(std::move(copy));
  }
  return out;
}

zcdb::BlockPose ZcDbBlockReference::blockPose() const {
  zcdb::BlockPose pose;
  pose.block = block_.slot();
  const double v[7] = {rotation_, scale_.sx, scale_.sy, scale_.sz, normal_.x, normal_.y, normal_.z};
  std::copy(v, v + 7, pose.v);
  return pose;
}

Zcad::ErrorStatus ZcDbBlockReference::poseExtents(ZcDbExtents& ext) const {
  ext = ZcDbExtents();
  auto* btr = dynamic_cast<ZcDbBlockTableRecord*>(zcdb::ObjectOf(block_));
  if (!btr) return Zcad::eInvalidExtents;
  // Kept per block and pose: references that differ only in position share it.
  const zcdb::BlockPose pose = blockPose();
  zcdb::ExtentsCache& cache = btr->database()->impl().extents;
  Zcad::ErrorStatus es = Zcad::eOk;
  if (zcdb::Caching() && cache.FindPose(pose, es, ext)) return es;
  const int cuts = zcdb::CyclesCut();
  if (zcdb::BlockWalk walk(block_); walk.entered())
    for (auto& e : contentsUnder(poseTransform())) {
      ZcDbExtents part;
      if (e->getGeomExtents(part) == Zcad::eOk) ext.addExt(part);
    }
  es = ext.isEmpty() ? Zcad::eInvalidExtents : Zcad::eOk;
  if (zcdb::Caching() && zcdb::CyclesCut() == cuts) cache.KeepPose(pose, es, ext);
  return es;
}

Zcad::ErrorStatus ZcDbBlockReference::getGeomExtents(ZcDbExtents& ext) const {
  Zcad::ErrorStatus es = Zcad::eOk;
  if (zcdb::RecallExtents(this, true, es, ext)) return es;
  const int cuts = zcdb::CyclesCut();
  ext = ZcDbExtents();
  ZcDbExtents posed;
  if (poseExtents(posed) == Zcad::eOk) {  // placed: a translation moves the box as it is
    ext.addPoint(posed.minPoint() + position_.asVector());
    ext.addPoint(posed.maxPoint() + position_.asVector());
  }
  for (ZcDbObjectId id : attributeIds()) {
    auto* a = static_cast<ZcDbAttribute*>(zcdb::ObjectOf(id));
    ZcDbExtents part;
    if (a && !a->isInvisible() && a->getGeomExtents(part) == Zcad::eOk) ext.addExt(part);
  }
  for (auto& a : pending_) {
    ZcDbExtents part;
    if (!a->isInvisible() && a->getGeomExtents(part) == Zcad::eOk) ext.addExt(part);
  }
  es = ext.isEmpty() ? Zcad::eInvalidExtents : Zcad::eOk;
  if (zcdb::CyclesCut() == cuts) zcdb::KeepExtents(this, es, ext);
  return es;
}

namespace {
// Adds the parts, nested references opened down to their own contents, each with its box,
// in the order the contents are walked.
void Flatten(std::vector<std::unique_ptr<ZcDbEntity>> parts, zcdb::PosedContents& out) {
  for (auto& part : parts) {
    if (auto* inner = dynamic_cast<ZcDbBlockReference*>(part.get())) {
      zcdb::BlockWalk walk(inner->blockTableRecord());
      if (walk.entered()) Flatten(inner->transformedContents(), out);
      continue;
    }
    zcdb::PosedPart p;
    ZcDbExtents box;
    if (part->getGeomExtents(box) == Zcad::eOk && !box.isEmpty()) {
      p.boxed = true;
      p.lo = box.minPoint();
      p.hi = box.maxPoint();
    }
    p.entity = std::move(part);
    out.parts.push_back(std::move(p));
  }
}
}  // namespace

std::shared_ptr<const zcdb::PlacedContents> ZcDbBlockReference::placedContents() const {
  if (auto kept = zcdb::RecallContents(this)) return kept;
  const int cuts = zcdb::CyclesCut();
  // The contents are posed once per pose and block definitions; a reference moved by a
  // translation places the same posed contents at its new position.
  const zcdb::BlockPose pose = blockPose();
  std::shared_ptr<const zcdb::PosedContents> posed = zcdb::RecallPosed(this, pose);
  if (!posed) {
    auto made = std::make_shared<zcdb::PosedContents>();
    made->pose = pose;
    if (zcdb::BlockWalk walk(block_); walk.entered()) Flatten(contentsUnder(poseTransform()), *made);
    posed = made;
    if (zcdb::CyclesCut() == cuts) zcdb::KeepPosed(this, posed);
  }
  auto contents = std::make_shared<zcdb::PlacedContents>(posed, position_.asVector());
  if (zcdb::CyclesCut() == cuts) zcdb::KeepContents(this, contents);
  return contents;
}

namespace zcdb {
bool BoxesApart(const ZcGePoint3d& alo, const ZcGePoint3d& ahi, const ZcGePoint3d& blo, const ZcGePoint3d& bhi) {
  // Grown by the tolerance points are compared with, at the size of the numbers.
  double size = std::max({std::fabs(alo.x), std::fabs(alo.y), std::fabs(alo.z), std::fabs(ahi.x), std::fabs(ahi.y),
                          std::fabs(ahi.z), std::fabs(blo.x), std::fabs(blo.y), std::fabs(blo.z), std::fabs(bhi.x),
                          std::fabs(bhi.y), std::fabs(bhi.z), 1.0});
  double tol = ZcGeContext::gTol.equalPoint() * size;
  return alo.x > bhi.x + tol || blo.x > ahi.x + tol || alo.y > bhi.y + tol || blo.y > ahi.y + tol ||
         alo.z > bhi.z + tol || blo.z > ahi.z + tol;
}
}  // namespace zcdb

Zcad::ErrorStatus ZcDbBlockReference::intersectWith(const ZcDbEntity* other, ZcDb::Intersect type,
                                                    ZcGePoint3dArray& points) const {
  if (!other) return Zcad::eNullEntityPointer;
  // The contents are not extended: only the argument may be.
  ZcDb::Intersect inner = (type == ZcDb::kExtendArg || type == ZcDb::kExtendBoth) ? ZcDb::kExtendArg
                                                                                  : ZcDb::kOnBothOperands;
  // Pairs whose boxes are apart meet nowhere, unless the argument is extended.
  const bool skip = zcdb::Caching() && inner == ZcDb::kOnBothOperands;
  ZcDbExtents box, own;
  const bool boxed = skip && other->getGeomExtents(box) == Zcad::eOk && !box.isEmpty();
  if (boxed && getGeomExtents(own) == Zcad::eOk &&
      zcdb::BoxesApart(own.minPoint(), own.maxPoint(), box.minPoint(), box.maxPoint()))
    return Zcad::eOk;  // the whole reference is away from it
  std::shared_ptr<const zcdb::PlacedContents> mine = placedContents();
  if (other->isKindOf(ZcDbBlockReference::desc())) {
    std::shared_ptr<const zcdb::PlacedContents> theirs =
        static_cast<const ZcDbBlockReference*>(other)->placedContents();
    for (std::size_t i = 0; i < mine->size(); ++i)
      for (std::size_t j = 0; j < theirs->size(); ++j) {
        if (skip && mine->boxed(i) && theirs->boxed(j) &&
            zcdb::BoxesApart(mine->lo(i), mine->hi(i), theirs->lo(j), theirs->hi(j)))
          continue;
        const ZcDbEntity* a = mine->entity(i);
        const ZcDbEntity* b = a ? theirs->entity(j) : nullptr;
        if (!b) continue;
        Zcad::ErrorStatus es = a->intersectWith(b, inner, points);
        if (es != Zcad::eOk && es != Zcad::eNotApplicable) return es;
      }
    return Zcad::eOk;
  }
  for (std::size_t i = 0; i < mine->size(); ++i) {
    if (boxed && mine->boxed(i) && zcdb::BoxesApart(mine->lo(i), mine->hi(i), box.minPoint(), box.maxPoint()))
      continue;
    const ZcDbEntity* part = mine->entity(i);
    if (!part) continue;
    Zcad::ErrorStatus es = part->intersectWith(other, inner, points);
    if (es != Zcad::eOk && es != Zcad::eNotApplicable) return es;
  }
  return Zcad::eOk;
}

ZcDbObject* ZcDbBlockReference::cloneObject() const {
  auto* c = new ZcDbBlockReference(position_, block_);
  c->scale_ = scale_;
  c->rotation_ = rotation_;
  c->normal_ = normal_;
  copyEntityTo(c);
  for (ZcDbObjectId id : attributeIds())
    if (auto* a = zcdb::ObjectOf(id)) c->pending_.emplace_back(static_cast<ZcDbAttribute*>(a->cloneObject()));
  for (auto& a : pending_) c->pending_.emplace_back(static_cast<ZcDbAttribute*>(a->cloneObject()));
  return c;
}

void ZcDbBlockReference::translateIds(ZcDbIdTranslator& t) {
  ZcDbEntity::translateIds(t);
  block_ = t.translate(block_);
  for (auto& a : pending_) a->translateIds(t);
}

// INSERT: 100 AcDbBlockReference, 66 1 (when attributes follow), 2 block name,
// 10/20/30 position, 41/42/43 scale factors (when not 1), 50 rotation (degrees),
// 210 normal (when not +Z). The attributes follow as ATTRIB records, then a SEQEND
// record (5 handle given when written, 330 the reference, 100 AcDbEntity, 8 layer).
void ZcDbBlockReference::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, "AcDbBlockReference");
  if (!attributeIds().isEmpty()) f->writeInt(66, 1);
  f->writeString(2, zcdb::RecordName(block_));
  f->writePoint3d(10, position_);
  if (scale_.sx != 1) f->writeDouble(41, scale_.sx);
  if (scale_.sy != 1) f->writeDouble(42, scale_.sy);
  if (scale_.sz != 1) f->writeDouble(43, scale_.sz);
  if (rotation_ != 0) f->writeDouble(50, zcdb::Degrees(rotation_));
  if (normal_ != ZcGeVector3d::kZAxis) f->writeVector3d(210, normal_);
}

Zcad::ErrorStatus ZcDbBlockReference::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbBlockReference");
  ZcDbDxfPair p;
  ZcDbDatabase* db = f->database();
  while (f->next(p)) {
    switch (p.code) {
      case 2: {
        std::wstring name = f->toString(p);
        block_ = zcdb::RecordByName(db, db->blockTableId(), name);
        if (block_.isNull()) f->setError(p.line, L"the block \"" + name + L"\" is not defined");
        break;
      }
      case 10: position_ = f->toPoint3d(p); break;
      case 41: scale_.sx = f->toDouble(p); break;
      case 42: scale_.sy = f->toDouble(p); break;
      case 43: scale_.sz = f->toDouble(p); break;
      case 50: rotation_ = zcdb::Radians(f->toDouble(p)); break;
      case 210: normal_ = f->toVector3d(p).normal(); break;
      default: break;
    }
  }
  if (block_.isNull()) f->setError(0, L"a block reference without a block name");
  if (scale_.sx == 0 || scale_.sy == 0 || scale_.sz == 0) f->setError(0, L"a block reference with a zero scale");
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

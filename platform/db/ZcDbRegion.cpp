// Regions: made from curve entities, united, exploded, measured, moved, boxed and filed with
// their exact edges.
#include "db/ZcDbRegion.h"

#include "db/RegionBody.h"
#include "db/ZcDbCurve.h"
#include "db/ZcDbDxfFiler.h"
#include "headless/Database.h"

ZCRX_DEFINE_MEMBERS(ZcDbRegion, ZcDbEntity)

namespace {
int unionsUntilFault = 0;  // the countdown of headless::FailRegionUnion; 0: none pending
}  // namespace

namespace headless {
void FailRegionUnion(int nth) { unionsUntilFault = nth > 0 ? nth : 0; }
}  // namespace headless

Zcad::ErrorStatus ZcDbRegion::createFromCurves(const ZcDbVoidPtrArray& curveSegments, ZcDbVoidPtrArray& regions) {
  if (curveSegments.isEmpty()) return Zcad::eInvalidInput;
  std::vector<std::unique_ptr<ZcGeCurve3d>> curves;
  for (void* p : curveSegments) {
    auto* c = p ? dynamic_cast<ZcDbCurve*>(static_cast<ZcRxObject*>(p)) : nullptr;
    if (!c) return Zcad::eInvalidInput;
    if (std::unique_ptr<ZcGeCurve3d> g = c->toGeCurve()) curves.push_back(std::move(g));
  }
  std::vector<const ZcGeCurve3d*> ptrs;
  for (const auto& c : curves) ptrs.push_back(c.get());
  std::vector<ZcGeRegion> made;
  if (ptrs.empty()) return Zcad::eNonCoplanarGeometry;
  if (Zcad::ErrorStatus es = ZcGeRegion::createFromCurves(ptrs, made); es != Zcad::eOk) return es;
  for (ZcGeRegion& r : made) {
    auto* region = new ZcDbRegion;
    region->region_ = std::move(r);
    regions.append(region);
  }
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbRegion::setGeRegion(const ZcGeRegion& region) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  region_ = region;
  foreignBody_.clear();
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbRegion::getArea(double& area) const {
  return isForeign() ? Zcad::eNotApplicable : region_.getArea(area);
}

Zcad::ErrorStatus ZcDbRegion::getPointContainment(const ZcGePoint3d& point, ZcGeRegion::PointContainment& where) const {
  if (isForeign()) return Zcad::eNotApplicable;
  where = region_.containment(point);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbRegion::booleanOper(ZcDb::BoolOperType operation, ZcDbRegion* other) {
  if (!other) return Zcad::eNullEntityPointer;
  if (operation != ZcDb::kBoolUnite) return Zcad::eNotImplementedYet;
  if (other == this) return Zcad::eInvalidInput;
  if (isForeign() || other->isForeign()) return Zcad::eNotApplicable;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  if (Zcad::ErrorStatus es = other->assertWrite(); es != Zcad::eOk) return es;
  if (unionsUntilFault > 0 && --unionsUntilFault == 0) return Zcad::eInvalidInput;
  return region_.unite(other->region_);
}

Zcad::ErrorStatus ZcDbRegion::explode(ZcDbVoidPtrArray& entitySet) const {
  ZcGeCurve3dArray edges;
  if (region_.isEmpty() || region_.explode(edges) != Zcad::eOk) return Zcad::eInvalidInput;
  std::vector<ZcDbCurve*> made;
  for (const auto& e : edges) {
    ZcDbCurve* c = ZcDbCurve::createFromGeCurve(*e);
    if (!c) {  // all or nothing
      for (ZcDbCurve* m : made) delete m;
      return Zcad::eDegenerateGeometry;
    }
    c->setPropertiesFrom(this);
    made.push_back(c);
  }
  for (ZcDbCurve* c : made) entitySet.append(c);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbRegion::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  if (isForeign()) return Zcad::eNotApplicable;
  return region_.transformBy(m);
}

Zcad::ErrorStatus ZcDbRegion::getGeomExtents(ZcDbExtents& ext) const {
  ZcGePoint3d lo, hi;
  if (Zcad::ErrorStatus es = region_.getGeomExtents(lo, hi); es != Zcad::eOk) return es;
  ext = ZcDbExtents(lo, hi);
  return Zcad::eOk;
}

ZcDbObject* ZcDbRegion::cloneObject() const {
  auto* c = new ZcDbRegion;
  c->region_ = region_;
  c->foreignBody_ = foreignBody_;
  copyEntityTo(c);
  return c;
}

// REGION: 100 AcDbModelerGeometry, 70 1 (format version), then the body (RegionBody.cpp) as
// text lines, each a group 1 (a line continued past 255 characters goes on in groups 3),
// encoded as modeler text is in these files (each character c other than a space becomes
// 159 - c). Another modeler's body goes back out as it came in.
void ZcDbRegion::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, "AcDbModelerGeometry");
  f->writeInt(70, 1);
  for (const auto& [code, value] : foreignBody_) f->writeRaw(code, value);
  if (isForeign()) return;
  for (const std::string& text : zcdb::WriteRegionBody(region_)) {
    std::string enc;
    for (char c : text) enc.push_back(c == ' ' ? ' ' : static_cast<char>(159 - c));
    for (std::size_t at = 0; at < enc.size() || at == 0; at += 255)
      f->writeRaw(at == 0 ? 1 : 3, std::string_view(enc).substr(at, 255));
  }
}

Zcad::ErrorStatus ZcDbRegion::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbModelerGeometry");
  ZcDbDxfPair p;
  std::vector<std::string> lines;
  std::vector<std::pair<int, std::string>> raw;
  int firstLine = 0;
  while (f->next(p)) {
    if (p.code != 1 && p.code != 3) continue;
    if (!firstLine) firstLine = p.line;
    raw.emplace_back(p.code, std::string(p.value));
    std::string dec;
    for (char c : p.value) dec.push_back(c == ' ' ? ' ' : static_cast<char>(159 - c));
    if (p.code == 3 && !lines.empty()) lines.back() += dec;
    else lines.push_back(dec);
  }
  region_ = ZcGeRegion();
  foreignBody_.clear();
  if (lines.empty()) return Zcad::eOk;
  if (!zcdb::IsOwnRegionBody(lines.front())) {
    foreignBody_ = std::move(raw);
    return Zcad::eOk;
  }
  if (!zcdb::ReadRegionBody(lines, region_)) {
    f->setError(firstLine, L"the region's boundary text cannot be read");
    return Zcad::eBadDxfFile;
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}
